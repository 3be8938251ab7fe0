#pragma once

#include <functional>

// Runs `work` on a thread of its own and returns once it is done. Meanwhile
// this thread goes on painting the windows and running timers, while the
// user's input waits, under a busy cursor, until the work is over (it is
// handled then, not lost): a long save leaves no frozen window, and nothing
// the user does can run into the middle of it.
void RunOffInterfaceThread(const std::function<void()>& work);
