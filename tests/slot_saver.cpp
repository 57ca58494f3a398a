// Saves Slot 1 of Vantor's window again and again, in the option states A and B of support/slotstates.h by turns,
// and prints a line once each save is on disk, until it is killed: the subject of the test that kills it.

#include "support/memoryview.h"
#include "support/slotstates.h"
#include "ui/form1.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    vantor::Form1 form(vantor::StartUp{0, false});
    for (bool b = false;; b = !b) {
        applySettings(form, slotState(b));
        if (!form.saveset(1))
            return 1;
        std::puts("saved");
        std::fflush(stdout);
    }
}
