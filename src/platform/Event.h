#pragma once
// A control event with one handler: each board connects its handler in one place.
#include <functional>
#include <utility>

namespace platform {

template <typename... Args> class Event {
public:
    void connect(std::function<void(Args...)> handler) { handler_ = std::move(handler); }
    void operator()(Args... args) const {
        if (handler_)
            handler_(args...);
    }
    explicit operator bool() const { return bool(handler_); }

private:
    std::function<void(Args...)> handler_;
};

} // namespace platform
