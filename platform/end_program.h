#pragma once

namespace ravelo {

// Ends the process at once with status 0: no question, no event, nothing saved. The system
// closes the windows and every open file with it.
[[noreturn]] void endProgramNow();

}  // namespace ravelo
