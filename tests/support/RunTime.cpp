#include "tests/support/RunTime.h"

#include "toolkit/windows/Runtime.h"

#include <QApplication>

void ensureRunTime() {
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "tessivo-tests";
    static char* argv[] = {name, nullptr};
    tk::RuntimeInit(argc, argv);
}
