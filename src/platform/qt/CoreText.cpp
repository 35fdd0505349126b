#include "CoreText.h"

#include <QCoreApplication>

#include "app/UiText.h"

namespace varnolt {

QString CoreText(const std::string& text) {
    const auto parts = FindFilledText(text);
    if (!parts) {
        return QCoreApplication::translate("CoreText", text.c_str());
    }
    // One pass, as FillText does: data holding "%2" is not filled again.
    const QString templ = QCoreApplication::translate("CoreText", parts->templ.c_str());
    QString shown;
    for (qsizetype i = 0; i < templ.size(); ++i) {
        const int n = i + 1 < templ.size() ? templ[i + 1].digitValue() - 1 : -1;
        if (templ[i] == u'%' && n >= 0 && n < int(parts->args.size())) {
            shown += QString::fromStdString(parts->args[std::size_t(n)]);
            ++i;
        } else {
            shown += templ[i];
        }
    }
    return shown;
}

}  // namespace varnolt
