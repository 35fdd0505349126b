#include "ProgramPages.h"

#include "app/CRASSheet.h"
#include "connection/CTreePage.h"
#include "holiday/CHoliday.h"
#include "log/CLogviewPage.h"
#include "log/CStatisticsPage.h"
#include "meter/CStylePage.h"
#include "options/CAboutPage.h"
#include "options/COptionsPage.h"
#include "tariff/CCostPage.h"

namespace varnolt {

CTreePage* AddProgramPages(CRASSheet& sheet, const ProgramServices& s) {
    auto* phonebook = new CTreePage(s.store, s.dialer, s.locale, s.prompts, sheet);
    phonebook->InstallDialing(s.clock, s.timers, s.sound, s.shell, sheet, s.callLock);
    sheet.AddPage(kPagePhonebook, phonebook);
    sheet.AddPage(kPageLogView,
                  new CLogviewPage(s.store, s.locale, s.dialer, s.prompts, s.files, sheet));
    sheet.AddPage(kPageScaleManager, new CCostPage(s.store, s.locale, s.prompts));
    sheet.AddPage(kPageHolidayDatabase, new CHoliday(s.store, s.clock, s.prompts));
    sheet.AddPage(kPageOptions, new COptionsPage(s.store, s.dialer, s.prompts));
    sheet.AddPage(kPageWindowStyles, new CStylePage(s.store));
    sheet.AddPage(kPageAbout, new CAboutPage(s.storeAt, s.phonebookAt, s.otherService));
    sheet.AddPage(kPageStatistics,
                  new CStatisticsPage(s.store, s.locale, s.dialer, s.clock, sheet));
    return phonebook;
}

}  // namespace varnolt
