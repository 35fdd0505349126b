// A call that stays up, for the test that kills the program during a call:
// the Phonebook page in its sheet on the real service, clock and timers, on
// the program's own store and phonebook in the configuration folder. It dials
// "Office" (connected after 1 s, never dropped, a unit a second), says
// "connected" on stderr and runs until it is killed.
#include <QApplication>
#include <cstdio>

#include "RealService.h"
#include "app/AppIdentity.h"
#include "sqlite/PrivateDatabase.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    varnolt::test::RealService real(varnolt::ConfigFolder(varnolt::kCompanyKey));
    real.AddEntry("Office", 1, 0);
    real.MeterEachSecond("Office");
    real.Open(real.timers);
    if (!real.Dial(0)) {
        return 1;
    }
    std::fprintf(stderr, "connected\n");
    return QApplication::exec();
}
