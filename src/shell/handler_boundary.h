#pragma once

#include <functional>

namespace vorbix {

struct Services;
class Ticker;

// Runs a handler that traps errors: the first failing record operation ends
// it silently, keeping what it had already done.
void runTrapped(const std::function<void()> &handler);

// Runs a handler that traps nothing: a failure ends it at the event boundary.
// The program goes on; the mouse pointer is restored, `timer` (if any) is
// stopped so that a failing tick does not repeat every second, and the user
// is told once what went wrong. Returns false when the handler failed.
// `rollback`, when given, runs before the user is told, to put back what the
// failed handler had already changed.
bool runGuarded(Services &services, const std::function<void()> &handler, Ticker *timer = nullptr,
                const std::function<void()> &rollback = {});

} // namespace vorbix
