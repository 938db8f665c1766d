#pragma once

#include "toolkit/core/Dispatch.h"

#include <functional>
#include <type_traits>

namespace tk {

// One event of a control or window, bound to at most one handler. Raising it
// calls the handler through the dispatcher; an unbound event or a handler
// that raised yields the result type's default (False: not handled).
template <class Signature> class Event;

template <class R, class... Args> class Event<R(Args...)> {
  public:
    using Handler = std::function<R(Args...)>;

    void bind(Handler handler) { handler_ = std::move(handler); }
    // Binds a member function of the object that owns the handler (a window).
    template <class Owner, class Method> void bind(Owner* owner, Method method) {
        handler_ = [owner, method](Args... args) -> R { return (owner->*method)(args...); };
    }
    bool isBound() const { return static_cast<bool>(handler_); }

    R raise(Args... args) const {
        if (!handler_)
            return R();
        if constexpr (std::is_void_v<R>) {
            dispatch([&] { handler_(args...); });
        } else {
            R result{};
            dispatch([&] { result = handler_(args...); });
            return result;
        }
    }

  private:
    Handler handler_;
};

} // namespace tk
