#pragma once

#include <stdexcept>
#include <string>

namespace tk {

// Base of the exceptions the toolkit raises; className() is what the
// unhandled-exception message names.
class RuntimeException : public std::runtime_error {
  public:
    explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
    virtual const char* className() const noexcept { return "RuntimeException"; }
};

class NilObjectException : public RuntimeException {
  public:
    NilObjectException() : RuntimeException("An object was used that does not exist (nil).") {}
    const char* className() const noexcept override { return "NilObjectException"; }
};

class ThreadAccessingUIException : public RuntimeException {
  public:
    ThreadAccessingUIException()
        : RuntimeException("A thread has attempted to manipulate a user interface element. This can only be "
                           "done from the application's main thread.") {}
    const char* className() const noexcept override { return "ThreadAccessingUIException"; }
};

class UnsupportedOperationException : public RuntimeException {
  public:
    explicit UnsupportedOperationException(const std::string& message) : RuntimeException(message) {}
    const char* className() const noexcept override { return "UnsupportedOperationException"; }
};

// True on the thread that runs the event loop.
bool isMainThread();

// Every user-interface member calls this first.
void requireMainThread();

} // namespace tk
