#pragma once

// This process's peak resident memory so far (VmHWM), in kibibytes; -1 when unknown.
long peakResidentKiB();

// This process's resident memory now (VmRSS), in kibibytes; -1 when unknown.
long residentKiB();
