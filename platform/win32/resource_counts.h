#pragma once

namespace tessaro::win32 {

// The process's open kernel handles and live GDI objects, for leak checks and
// benchmarks. Wine answers the system's own counters with 0, so the handle and GDI
// tables are walked there instead.
unsigned long OpenHandleCount();
unsigned long GdiObjectCount();

}  // namespace tessaro::win32
