#pragma once

#include <exception>
#include <functional>
#include <string>

namespace tk {

// The toolkit's own handling of an exception that no handler caught: a
// message naming the exception, on stderr and through the presenter (on the
// main thread). The event loop goes on afterwards.
void RuntimeUnhandledException(const std::exception_ptr& exception);
// Shows that message to the user: the run time installs a message box here.
void setUnhandledExceptionPresenter(std::function<void(const std::string&)> present);

// Every call from Qt into application code passes through here: the call runs,
// and an exception it raises goes to RuntimeUnhandledException instead of
// unwinding through Qt. Returns False when the call raised.
bool dispatch(const std::function<void()>& call);

// Runs the work once no application code is running any more: when the
// outermost dispatched call returns, or on the next turn of the event loop.
// Nested event loops inside a handler (a long loop letting events run) do
// not count as "no code running".
void whenNoHandlerRuns(std::function<void()> work);
// Runs the application's event loop, which is no handler of its own even when
// a handler started it: each call it dispatches is an outermost one.
// Toolkit-internal.
int runEventLoop(const std::function<int()>& loop);
// Runs what waits for that now (the run time stopping). Toolkit-internal.
void runDeferredWork();

} // namespace tk
