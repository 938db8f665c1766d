#include "bench/ProcessMemory.h"

#include <fstream>
#include <string>

namespace {
long statusField(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == field) {
            long kib = -1;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 16, '\n');
    }
    return -1;
}
} // namespace

long peakResidentKiB() { return statusField("VmHWM:"); }

long residentKiB() { return statusField("VmRSS:"); }
