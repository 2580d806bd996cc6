#pragma once
// The run time's DoEvents: lets the pending window messages (Qt events) run
// once, as the system does at the points where it waits or hands over.

namespace platform {

// Processes the pending events of this thread; nothing when the program has
// no application object (a test without one, a command-line tool).
void DoEvents();

}  // namespace platform
