#pragma once

#include <functional>

namespace orbadil::app {

// Ends the program at once, without asking and without closing screens one by one: the
// event loops stop and start-up does not go on. Tests replace the handler to watch it.
void endProcess(int exitCode = 0);
bool processEnding();
int processExitCode();
// Forgets an earlier end: a new session starts (once per process, but tests run several).
void resetProcessEnd();

using ProcessEndHandler = std::function<void(int exitCode)>;
// Installs a handler in place of the default; an empty one restores the default.
void setProcessEndHandler(ProcessEndHandler handler);

}  // namespace orbadil::app
