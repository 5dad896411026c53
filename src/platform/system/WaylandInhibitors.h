#pragma once
// The compositor's side of the Wayland key lock: one zwp_keyboard_shortcuts_inhibitor_v1 a surface.
// The seat and the inhibit manager are bound from a registry of our own on an event queue of our own,
// dispatched only by dispatch(): Qt's own queue and its dispatching are never touched. An inhibitor
// the compositor turns inactive after it was active (GNOME's Super+Escape "restore shortcuts") is
// asked for again, so the lock comes back.
#include <cstdint>
#include <memory>
#include <vector>

struct wl_display;
struct wl_event_queue;
struct wl_registry;
struct wl_seat;
struct wl_surface;
struct zwp_keyboard_shortcuts_inhibit_manager_v1;
struct zwp_keyboard_shortcuts_inhibitor_v1;

namespace platform::sys {

class WaylandInhibitors {
public:
    explicit WaylandInhibitors(wl_display* display);
    ~WaylandInhibitors();
    WaylandInhibitors(const WaylandInhibitors&) = delete;
    WaylandInhibitors& operator=(const WaylandInhibitors&) = delete;

    // The compositor offers the inhibit manager and a seat.
    bool available() const { return manager_ && seat_; }
    // Holds the compositor's shortcuts while `surface` has the keyboard; `owner` names the window it
    // belongs to. A new surface for the same owner replaces the old inhibitor.
    void hold(const void* owner, wl_surface* surface);
    void drop(const void* owner);
    void dropAll();
    // Handles what the compositor has said about our inhibitors since the last call.
    void dispatch();

    int held() const { return int(inhibitors_.size()); }
    // How many the compositor has made active, and how often one was asked for again.
    int active() const;
    int renewed() const { return renewed_; }

private:
    struct Inhibitor {
        const void* window;
        wl_surface* surface;
        zwp_keyboard_shortcuts_inhibitor_v1* proxy = nullptr;
        bool active = false;
        bool renew = false;
    };

    static void onGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version);
    static void onGlobalRemove(void*, wl_registry*, uint32_t) {}
    static void onActive(void* data, zwp_keyboard_shortcuts_inhibitor_v1*);
    static void onInactive(void* data, zwp_keyboard_shortcuts_inhibitor_v1*);
    void ask(Inhibitor& inhibitor);
    void renewInactive();
    void flush();

    wl_display* display_;
    wl_event_queue* queue_ = nullptr;
    wl_display* wrapper_ = nullptr;
    wl_registry* registry_ = nullptr;
    wl_seat* seat_ = nullptr;
    zwp_keyboard_shortcuts_inhibit_manager_v1* manager_ = nullptr;
    std::vector<std::unique_ptr<Inhibitor>> inhibitors_;
    int renewed_ = 0;
};

} // namespace platform::sys
