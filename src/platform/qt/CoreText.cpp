#include "CoreText.h"

#include <QCoreApplication>

#include "app/UiText.h"

namespace varnolt {

namespace {

// Texts nest a few levels at most (a box of notices, each with its reason).
constexpr int kMostNesting = 8;

QString Shown(const std::string& text, int nesting) {
    const auto parts = FindFilledText(text);
    if (!parts) {
        return QCoreApplication::translate("CoreText", text.c_str());
    }
    // Data stays as it is, unless it is itself a filled text: a reason or a
    // sentence put into another one.
    auto shownArg = [&](const std::string& arg) {
        return arg != text && nesting < kMostNesting && FindFilledText(arg)
                   ? Shown(arg, nesting + 1)
                   : QString::fromStdString(arg);
    };
    // One pass, as FillText does: data holding "%2" is not filled again.
    const QString templ = QCoreApplication::translate("CoreText", parts->templ.c_str());
    QString shown;
    for (qsizetype i = 0; i < templ.size(); ++i) {
        const int n = i + 1 < templ.size() ? templ[i + 1].digitValue() - 1 : -1;
        if (templ[i] == u'%' && n >= 0 && n < int(parts->args.size())) {
            shown += shownArg(parts->args[std::size_t(n)]);
            ++i;
        } else {
            shown += templ[i];
        }
    }
    return shown;
}

}  // namespace

QString CoreText(const std::string& text) {
    return Shown(text, 0);
}

}  // namespace varnolt
