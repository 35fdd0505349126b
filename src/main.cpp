// The composition root: builds the real platform objects and injects them.
#include <QApplication>
#include <QSystemTrayIcon>

#include "app/CRASSheet.h"
#include "app/SheetMessages.h"
#include "holiday/CHoliday.h"
#include "qt/QtClock.h"
#include "qt/QtPrompts.h"
#include "sqlite/SqliteSettingsStore.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    // The store is named after the executable, so a renamed copy starts afresh.
    varnolt::SqliteSettingsStore store(varnolt::StorePathForExecutable(
        QCoreApplication::applicationFilePath().toStdString()));

    varnolt::QtClock clock;
    varnolt::QtPrompts prompts;

    varnolt::CRASSheet sheet(QSystemTrayIcon::isSystemTrayAvailable());
    sheet.AddPage(varnolt::kPageHolidayDatabase, new varnolt::CHoliday(store, clock, prompts));
    sheet.exec();
    return 0;
}
