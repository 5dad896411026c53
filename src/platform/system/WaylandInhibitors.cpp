#include "platform/system/WaylandInhibitors.h"

#include "keyboard-shortcuts-inhibit-unstable-v1-client-protocol.h"

#include <algorithm>
#include <cstring>
#include <wayland-client.h>

namespace platform::sys {

WaylandInhibitors::WaylandInhibitors(wl_display* display) : display_(display) {
    static const wl_registry_listener registryListener = {&WaylandInhibitors::onGlobal,
                                                          &WaylandInhibitors::onGlobalRemove};
    queue_ = wl_display_create_queue(display_);
    if (!queue_)
        return;
    // The registry is made through a wrapper that already sits on our queue: no event of it can reach
    // Qt's queue in between.
    wrapper_ = static_cast<wl_display*>(wl_proxy_create_wrapper(display_));
    if (!wrapper_)
        return;
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper_), queue_);
    registry_ = wl_display_get_registry(wrapper_);
    wl_registry_add_listener(registry_, &registryListener, this);
    // One round trip announces the globals; objects bound from them inherit our queue.
    wl_display_roundtrip_queue(display_, queue_);
}

WaylandInhibitors::~WaylandInhibitors() {
    dropAll();
    if (manager_)
        zwp_keyboard_shortcuts_inhibit_manager_v1_destroy(manager_);
    if (seat_)
        wl_seat_destroy(seat_);
    if (registry_)
        wl_registry_destroy(registry_);
    if (wrapper_)
        wl_proxy_wrapper_destroy(wrapper_);
    flush();
    if (queue_)
        wl_event_queue_destroy(queue_);
}

void WaylandInhibitors::onGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    auto* self = static_cast<WaylandInhibitors*>(data);
    // Version 1 of both is all the lock needs; a later seat's events would only go unhandled.
    if (!self->seat_ && std::strcmp(interface, wl_seat_interface.name) == 0)
        self->seat_ = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (!self->manager_ && std::strcmp(interface, zwp_keyboard_shortcuts_inhibit_manager_v1_interface.name) == 0)
        self->manager_ = static_cast<zwp_keyboard_shortcuts_inhibit_manager_v1*>(
            wl_registry_bind(registry, name, &zwp_keyboard_shortcuts_inhibit_manager_v1_interface, 1));
}

void WaylandInhibitors::onActive(void* data, zwp_keyboard_shortcuts_inhibitor_v1*) {
    auto* inhibitor = static_cast<Inhibitor*>(data);
    inhibitor->active = true;
}

void WaylandInhibitors::onInactive(void* data, zwp_keyboard_shortcuts_inhibitor_v1*) {
    auto* inhibitor = static_cast<Inhibitor*>(data);
    // Only one the compositor had granted is asked for again: one it never granted was refused, and
    // asking again would only repeat the refusal (or the compositor's question) without end.
    inhibitor->renew = inhibitor->active;
    inhibitor->active = false;
}

void WaylandInhibitors::ask(Inhibitor& inhibitor) {
    static const zwp_keyboard_shortcuts_inhibitor_v1_listener listener = {&WaylandInhibitors::onActive,
                                                                          &WaylandInhibitors::onInactive};
    inhibitor.proxy = zwp_keyboard_shortcuts_inhibit_manager_v1_inhibit_shortcuts(manager_, inhibitor.surface, seat_);
    inhibitor.active = false;
    inhibitor.renew = false;
    if (inhibitor.proxy)
        zwp_keyboard_shortcuts_inhibitor_v1_add_listener(inhibitor.proxy, &listener, &inhibitor);
}

void WaylandInhibitors::hold(const void* owner, wl_surface* surface) {
    if (!available() || !surface)
        return;
    auto it =
        std::find_if(inhibitors_.begin(), inhibitors_.end(), [owner](const auto& i) { return i->window == owner; });
    if (it != inhibitors_.end() && (*it)->surface == surface)
        return;
    if (it != inhibitors_.end())
        drop(owner);
    auto inhibitor = std::make_unique<Inhibitor>(Inhibitor{owner, surface});
    ask(*inhibitor);
    inhibitors_.push_back(std::move(inhibitor));
    flush();
}

void WaylandInhibitors::drop(const void* owner) {
    auto it =
        std::find_if(inhibitors_.begin(), inhibitors_.end(), [owner](const auto& i) { return i->window == owner; });
    if (it == inhibitors_.end())
        return;
    if ((*it)->proxy)
        zwp_keyboard_shortcuts_inhibitor_v1_destroy((*it)->proxy);
    inhibitors_.erase(it);
    flush();
}

void WaylandInhibitors::dropAll() {
    for (const auto& inhibitor : inhibitors_)
        if (inhibitor->proxy)
            zwp_keyboard_shortcuts_inhibitor_v1_destroy(inhibitor->proxy);
    inhibitors_.clear();
    flush();
}

void WaylandInhibitors::dispatch() {
    if (!queue_)
        return;
    // Qt's reader has already moved our events off the socket into our queue; handling them here
    // never reads the socket, so Qt's own dispatching goes on undisturbed.
    if (wl_display_dispatch_queue_pending(display_, queue_) > 0)
        renewInactive();
}

void WaylandInhibitors::renewInactive() {
    bool asked = false;
    for (const auto& inhibitor : inhibitors_) {
        if (!inhibitor->renew || !inhibitor->proxy)
            continue;
        // The protocol allows one inhibitor a surface and seat: the old one goes first.
        zwp_keyboard_shortcuts_inhibitor_v1_destroy(inhibitor->proxy);
        ask(*inhibitor);
        ++renewed_;
        asked = true;
    }
    if (asked)
        flush();
}

int WaylandInhibitors::active() const {
    return int(std::count_if(inhibitors_.begin(), inhibitors_.end(), [](const auto& i) { return i->active; }));
}

void WaylandInhibitors::flush() {
    if (display_)
        wl_display_flush(display_);
}

} // namespace platform::sys
