#pragma once

namespace ravelo {

// Where the stack protector's guard value came from.
enum class GuardSeed { kSystemRandom, kTimeAndProcess };

// Gives the stack protector its guard value: from the system's random source (RtlGenRandom, in
// advapi32 loaded from the system folder by its full path), or, where even that fails, from what
// differs from run to run. Called once the DLL search is narrowed, by a function that returns
// neither into nor through a protected function, since those set their check with the value
// before it.
GuardSeed seedStackGuard();

}  // namespace ravelo
