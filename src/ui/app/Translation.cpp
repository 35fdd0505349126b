#include "Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace varnolt {

std::vector<std::unique_ptr<QTranslator>> InstallTranslations(const QStringList& uiLanguages) {
    std::vector<std::unique_ptr<QTranslator>> installed;
    for (const QString& language : uiLanguages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English) {
            break;
        }
        auto program = std::make_unique<QTranslator>();
        if (!program->load(locale, "varnolt", "_", ":/i18n")) {
            continue;
        }
        QCoreApplication::installTranslator(program.get());
        installed.push_back(std::move(program));
        // Qt's texts of standard buttons, when the system has them.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            installed.push_back(std::move(qt));
        }
        break;
    }
    return installed;
}

}  // namespace varnolt
