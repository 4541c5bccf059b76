#pragma once

#include <functional>

// Ending the program at once: no window is asked, pending edits are dropped.
// Tests replace the action to observe it; callers return right after calling end().
namespace ProgramEnd {
void end();
void setAction(std::function<void()> action); // empty: the default, leaving the process
} // namespace ProgramEnd
