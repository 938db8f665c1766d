#include "bench/ProcessMemory.h"

#include <fstream>
#include <string>

long peakResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            long kib = -1;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 16, '\n');
    }
    return -1;
}
