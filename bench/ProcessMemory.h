#pragma once

// This process's peak resident memory so far (VmHWM), in kibibytes; -1 when unknown.
long peakResidentKiB();
