#pragma once

namespace ravelo {

// Loads every DLL that the program imports through a delay-load library (all but kernel32 and
// the C runtime), and binds every function that it calls from them. Run once the DLL search is
// narrowed, before the first call into any of them. False when one is missing.
bool bindDelayLoadedDlls();

}  // namespace ravelo
