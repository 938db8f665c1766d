#pragma once

#include <exception>
#include <functional>

namespace tk {

// The toolkit's own handling of an exception that no handler caught: a
// message box naming the exception. The event loop goes on afterwards.
void RuntimeUnhandledException(const std::exception_ptr& exception);

// Every call from Qt into application code passes through here: the call runs,
// and an exception it raises goes to RuntimeUnhandledException instead of
// unwinding through Qt. Returns False when the call raised.
bool dispatch(const std::function<void()>& call);

// Runs the work once no application code is running any more: when the
// outermost dispatched call returns, or on the next turn of the event loop.
// Nested event loops inside a handler (a long loop letting events run) do
// not count as "no code running".
void whenNoHandlerRuns(std::function<void()> work);
// Runs what waits for that now (the run time stopping). Toolkit-internal.
void runDeferredWork();

} // namespace tk
