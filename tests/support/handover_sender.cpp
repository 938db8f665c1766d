// A second start of Tessivo, reduced to its hand-over: starts the run time as the
// application does, with every argument a document, and hands them to the running
// instance. Ends with status 0 when they were handed over, 1 when they were not.
#include "toolkit/windows/Runtime.h"

int main(int argc, char** argv) {
    tk::RuntimeInit(argc, argv);
    const bool handedOver = tk::RuntimeHandOverToRunningInstance();
    tk::RuntimeExit();
    return handedOver ? 0 : 1;
}
