// Saves a slot of Vantor's window again and again, in the option states A and B of support/slotstates.h by turns
// (A first), and prints a line once each save is on disk: a subject for the tests that kill it or run two at once.
//   slot_saver SLOT [TIMES]    without TIMES, until it is killed; exits 1 when a save does not reach the disk

#include "support/memoryview.h"
#include "support/slotstates.h"
#include "ui/form1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int slot = argc > 1 ? std::atoi(argv[1]) : 0;
    const long times = argc > 2 ? std::atol(argv[2]) : -1;
    if (slot < 1 || slot > 3)
        return 2;
    vantor::Form1 form(vantor::StartUp{0, false});
    for (long i = 0; i != times; ++i) {
        applySettings(form, slotState(i % 2));
        if (!form.saveset(slot))
            return 1;
        std::puts("saved");
        std::fflush(stdout);
    }
    return 0;
}
