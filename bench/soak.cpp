// Vantor's soak: a thousand Runs in a row and a thousand saves and loads of a slot, through the window in one
// process, each after a few that are not counted. In the plain build the resident memory they leave behind is held
// to a megabyte each; in the AddressSanitizer build only the work is checked, and LeakSanitizer reports at exit
// whatever was never freed. Exit status 0 when everything held.
//
//   vantor_soak [--verbose] [--fakegame PATH]
#include "formsession.h"
#include "games.h"
#include "report.h"

#include "ui/form1.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QSlider>

#include <cstdio>
#include <string>

namespace {

using namespace vantor::bench;

constexpr int slotCyclesWarmingUp = 20;
constexpr int slotCyclesCounted = 1000;
constexpr double slotGrowthLimitMb = 1;

// One cycle: options set to values of their own, saved to Slot 1 with its button, changed again, and loaded back
// with Load 1. True when the load brought back exactly what was saved.
bool slotCycle(vantor::Form1 &form, int cycle)
{
    const QString command = QStringLiteral("+map soak%1").arg(cycle);
    const int cheats = cycle % 2, skill = form.scrlskill->minimum() + cycle % 3;
    form.setText("customcmd", command);
    form.setCheck("chkcheat", cheats);
    form.setPosition("scrlskill", skill);
    form.save1->click();
    form.setText("customcmd", QString());
    form.setCheck("chkcheat", 1 - cheats);
    form.setPosition("scrlskill", skill == form.scrlskill->minimum() ? skill + 1 : skill - 1);
    form.load1->click();
    return form.text("customcmd") == command && form.check("chkcheat") == cheats && form.position("scrlskill") == skill;
}

void soakSlots(vantor::Form1 &form, Report &report, bool verbose)
{
    static constexpr char name[] = "memory over 1,000 slot cycles";
    report.note("Slots: " + std::to_string(slotCyclesWarmingUp) + " cycles, then " + grouped(slotCyclesCounted) +
                " more, of three options changed, Save 1 and Load 1 clicked; VmRSS before and after the " +
                grouped(slotCyclesCounted));
    int cycle = 0, wrong = 0;
    const Growth growth = residentGrowth(slotCyclesWarmingUp, slotCyclesCounted, [&] {
        if (!slotCycle(form, cycle++))
            ++wrong;
        // As between a user's clicks, the events that the cycle posted (repaints among them) are handled.
        QCoreApplication::processEvents();
    });
    if (wrong != 0) {
        report.unmeasured(name, grouped(wrong) + " of " + grouped(cycle) + " loads did not bring back what was saved");
        return;
    }
    if (!growth.valid()) {
        report.unmeasured(name, "cannot read VmRSS from /proc/self/status");
        return;
    }
    if (verbose)
        std::printf("  Slots: VmRSS %ld kB after %d warm-up cycles, %ld kB after %d more\n", growth.beforeKb,
                    slotCyclesWarmingUp, growth.afterKb, slotCyclesCounted);
    if (residentMemoryMeaningful)
        report.bounded(name, growth.mb(), "MB", slotGrowthLimitMb, "VmRSS growth");
    else
        report.check("1,000 slot cycles", grouped(cycle) + " loads brought back what was saved", "every load as saved",
                     true);
}

} // namespace

int main(int argc, char *argv[])
{
    bool verbose = false;
    std::string fakeGame = VANTOR_BENCH_FAKEGAME;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--verbose") {
            verbose = true;
        } else if (arg == "--fakegame" && i + 1 < argc) {
            fakeGame = argv[++i];
        } else {
            std::fprintf(stderr, "usage: %s [--verbose] [--fakegame PATH]\n", argv[0]);
            return 2;
        }
    }
    if (!residentMemoryMeaningful)
        std::printf("AddressSanitizer build: resident memory is not judged here; LeakSanitizer reports at exit.\n");

    Report report;
    int qtArgc = 1;
    {
        FormSession session(qtArgc, argv);
        if (!session.valid()) {
            report.unmeasured("soak", "cannot prepare a temporary settings folder");
        } else if (!prepareRuns(session.form(), fakeGame, session.scratch())) {
            report.unmeasured("soak", "cannot prepare a game folder with " + fakeGame);
        } else {
            measureRunMemory(session.form(), report, verbose);
            soakSlots(session.form(), report, verbose);
        }
    }
    report.print();
    return report.passed() ? 0 : 1;
}
