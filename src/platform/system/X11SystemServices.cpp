#include "platform/system/X11SystemServices.h"

#include "platform/system/DesktopTools.h"

#include <QApplication>
#include <QProcess>
#include <QWindow>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace platform::sys {
namespace {
// Closing a popup menu drops the grab and other programs may take it; it is taken again this often.
constexpr int regrabMs = 250;
// A window manager focuses a newly mapped window within a few milliseconds; one that has not by now
// declined (focus-stealing rules can misjudge a window of the program that already has the focus).
constexpr int newWindowFocusMs = 100;

bool takesFocus(const QWidget* w) {
    return w && w->isWindow() && !w->windowFlags().testFlag(Qt::Popup) &&
           !w->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus);
}

template <typename Reply> struct Freed {
    Reply* reply;
    ~Freed() { std::free(reply); }
    Reply* operator->() const { return reply; }
    explicit operator bool() const { return reply != nullptr; }
};
} // namespace

X11SystemServices::X11SystemServices(xcb_connection_t* connection, xcb_window_t root)
    : connection_(connection), root_(root) {
    regrab_.setInterval(regrabMs);
    connect(&regrab_, &QTimer::timeout, this, [this] {
        grab();
        keepFocus();
    });
    // Moving between boards moves the keys: the grab follows at once, not at the next tick.
    connect(qApp, &QApplication::focusWindowChanged, this, [this] { grab(); });
    qApp->installEventFilter(this);
}

bool X11SystemServices::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        if (takesFocus(w)) {
            std::erase_if(shown_, [w](const QPointer<QWidget>& p) { return !p || p == w; });
            shown_.emplace_back(w);
            QTimer::singleShot(newWindowFocusMs, this, [this] { keepFocus(); });
        }
    }
    return QObject::eventFilter(watched, event);
}

X11SystemServices::~X11SystemServices() { releaseKeyLock(); }

void X11SystemServices::engageKeyLock(QWidget* window) {
    // The grab belongs to a window of the X server, never to a widget inside one.
    lockWindow_ = window ? window->window() : nullptr;
    engaged_ = true;
    grab();
    regrab_.start();
}

void X11SystemServices::releaseKeyLock() {
    regrab_.stop();
    if (engaged_ && grabbed_) {
        xcb_ungrab_keyboard(connection_, XCB_CURRENT_TIME);
        xcb_flush(connection_);
    }
    engaged_ = false;
    grabbed_ = false;
}

QWidget* X11SystemServices::grabWindow() const {
    // Keys go to the grab window, so it is the board the child is on; while none of ours is active,
    // the window asked for (the title screen behind the boards) or any of ours that shows.
    QWidget* active = QApplication::activeWindow();
    if (active && active->isVisible() && !active->windowFlags().testFlag(Qt::Popup) &&
        !active->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus))
        return active;
    if (lockWindow_ && lockWindow_->isVisible())
        return lockWindow_;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isWindow() && !w->windowFlags().testFlag(Qt::Popup))
            return w;
    return nullptr;
}

void X11SystemServices::grab() {
    // A popup menu holds its own grab while it is open; take the keyboard back once it closes.
    if (!engaged_ || QApplication::activePopupWidget())
        return;
    QWidget* window = grabWindow();
    // A tool the parent opened (the volume mixer, the mouse settings) has the focus: its keys are the
    // parent's and go to it, not to the board behind it. The grab comes back once the tool is left.
    if (!window || anotherProgramHasFocus()) {
        if (grabbed_) {
            xcb_ungrab_keyboard(connection_, XCB_CURRENT_TIME);
            xcb_flush(connection_);
        }
        grabbed_ = false;
        return;
    }
    // Owner events: keys for the classroom's own windows still reach them as usual.
    const auto cookie = xcb_grab_keyboard(connection_, 1, xcb_window_t(window->winId()), XCB_CURRENT_TIME,
                                          XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    Freed<xcb_grab_keyboard_reply_t> reply{xcb_grab_keyboard_reply(connection_, cookie, nullptr)};
    grabbed_ = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
}

QWidget* X11SystemServices::frontWindow() {
    for (auto it = shown_.rbegin(); it != shown_.rend(); ++it)
        if (*it && (*it)->isVisible() && (*it)->windowHandle() && (*it)->windowHandle()->isExposed())
            return *it;
    return nullptr;
}

void X11SystemServices::keepFocus() {
    if (!engaged_ || QApplication::activePopupWidget())
        return;
    QWidget* front = frontWindow();
    // Asked of the X server, not of Qt: Qt can go on calling a board active while the focus sits
    // on a window behind it.
    if (!front || !focusIsElsewhere(xcb_window_t(front->winId())))
        return;
    // Nobody has the keys, or a hidden board of ours still holds them: the child's next key press
    // would be lost, so the board in front takes them, as a window manager would have given them.
    const uint32_t above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(connection_, xcb_window_t(front->winId()), XCB_CONFIG_WINDOW_STACK_MODE, &above);
    xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_PARENT, xcb_window_t(front->winId()), XCB_CURRENT_TIME);
    xcb_flush(connection_);
}

bool X11SystemServices::anotherProgramHasFocus() {
    Freed<xcb_get_input_focus_reply_t> focus{
        xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr)};
    if (!focus)
        return false;
    const std::vector<xcb_window_t> clients = clientWindows();
    for (xcb_window_t w = focus->focus; w != XCB_NONE && w != XCB_INPUT_FOCUS_POINTER_ROOT && w != root_;) {
        if (isOurs(w))
            return false;
        if (std::find(clients.begin(), clients.end(), w) != clients.end())
            return true;
        Freed<xcb_query_tree_reply_t> tree{xcb_query_tree_reply(connection_, xcb_query_tree(connection_, w), nullptr)};
        if (!tree)
            break;
        w = tree->parent;
    }
    return false;
}

bool X11SystemServices::focusIsElsewhere(xcb_window_t front) {
    Freed<xcb_get_input_focus_reply_t> focus{
        xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr)};
    if (!focus)
        return false;
    if (focus->focus == front)
        return false;
    const std::vector<xcb_window_t> clients = clientWindows();
    // Walk up from the focused window: the front board (or a window inside it) has the keys; another
    // program's window has them because the parent chose it (a tool), and it keeps them.
    for (xcb_window_t w = focus->focus; w != XCB_NONE && w != XCB_INPUT_FOCUS_POINTER_ROOT && w != root_;) {
        if (w == front)
            return false;
        if (!isOurs(w) && std::find(clients.begin(), clients.end(), w) != clients.end())
            return false;
        Freed<xcb_query_tree_reply_t> tree{xcb_query_tree_reply(connection_, xcb_query_tree(connection_, w), nullptr)};
        if (!tree)
            break;
        w = tree->parent;
    }
    return true;
}

xcb_atom_t X11SystemServices::atom(const char* name) {
    const auto cookie = xcb_intern_atom(connection_, 0, uint16_t(std::strlen(name)), name);
    Freed<xcb_intern_atom_reply_t> reply{xcb_intern_atom_reply(connection_, cookie, nullptr)};
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::vector<xcb_window_t> X11SystemServices::windowList(xcb_window_t window, xcb_atom_t property) {
    const auto cookie = xcb_get_property(connection_, 0, window, property, XCB_ATOM_WINDOW, 0, 4096);
    Freed<xcb_get_property_reply_t> reply{xcb_get_property_reply(connection_, cookie, nullptr)};
    if (!reply || reply->format != 32)
        return {};
    const auto* ids = static_cast<const xcb_window_t*>(xcb_get_property_value(reply.reply));
    return {ids, ids + xcb_get_property_value_length(reply.reply) / 4};
}

std::vector<xcb_window_t> X11SystemServices::clientWindows() {
    std::vector<xcb_window_t> clients = windowList(root_, atom("_NET_CLIENT_LIST"));
    if (!clients.empty())
        return clients;
    // No window manager keeps a list: the top-level windows and, under a reparenting manager, their
    // children are the candidates.
    Freed<xcb_query_tree_reply_t> tree{xcb_query_tree_reply(connection_, xcb_query_tree(connection_, root_), nullptr)};
    if (!tree)
        return {};
    const xcb_window_t* children = xcb_query_tree_children(tree.reply);
    for (int i = 0; i < xcb_query_tree_children_length(tree.reply); ++i) {
        clients.push_back(children[i]);
        Freed<xcb_query_tree_reply_t> sub{
            xcb_query_tree_reply(connection_, xcb_query_tree(connection_, children[i]), nullptr)};
        if (!sub)
            continue;
        const xcb_window_t* grand = xcb_query_tree_children(sub.reply);
        clients.insert(clients.end(), grand, grand + xcb_query_tree_children_length(sub.reply));
    }
    return clients;
}

long X11SystemServices::windowPid(xcb_window_t window) {
    const auto cookie = xcb_get_property(connection_, 0, window, atom("_NET_WM_PID"), XCB_ATOM_CARDINAL, 0, 1);
    Freed<xcb_get_property_reply_t> reply{xcb_get_property_reply(connection_, cookie, nullptr)};
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.reply) < 4)
        return 0;
    return long(*static_cast<const uint32_t*>(xcb_get_property_value(reply.reply)));
}

QString X11SystemServices::windowTitle(xcb_window_t window) {
    for (const xcb_atom_t property : {atom("_NET_WM_NAME"), xcb_atom_t(XCB_ATOM_WM_NAME)}) {
        const auto cookie = xcb_get_property(connection_, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
        Freed<xcb_get_property_reply_t> reply{xcb_get_property_reply(connection_, cookie, nullptr)};
        if (reply && reply->format == 8 && xcb_get_property_value_length(reply.reply) > 0)
            return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply.reply)),
                                     xcb_get_property_value_length(reply.reply));
    }
    return {};
}

bool X11SystemServices::exists(xcb_window_t window) {
    Freed<xcb_get_window_attributes_reply_t> reply{xcb_get_window_attributes_reply(
        connection_, xcb_get_window_attributes(connection_, window), nullptr)};
    return bool(reply);
}

bool X11SystemServices::isOurs(xcb_window_t window) {
    if (windowPid(window) == long(getpid()))
        return true;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->internalWinId() && xcb_window_t(w->internalWinId()) == window)
            return true;
    return false;
}

Launch X11SystemServices::runProgram(const QString& commandLine) { return startTool(commandLine); }

bool X11SystemServices::activateTask(long taskId) {
    if (taskId <= 0)
        return false;
    for (const xcb_window_t window : clientWindows())
        if (windowPid(window) == taskId && !isOurs(window))
            return activate(window);
    return false;
}

bool X11SystemServices::activateWindowTitled(const QString& title) {
    for (const xcb_window_t window : clientWindows())
        if (windowTitle(window) == title && !isOurs(window))
            return activate(window);
    return false;
}

bool X11SystemServices::activate(xcb_window_t window) {
    // Ask the window manager, as a pager would; without one, raise and focus it ourselves.
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom("_NET_ACTIVE_WINDOW");
    message.data.data32[0] = 2;
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection_, 0, root_, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    const uint32_t above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(connection_, window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
    activated_ = window;
    sync();
    return true;
}

bool X11SystemServices::supportsDelete(xcb_window_t window) {
    const xcb_atom_t deleteAtom = atom("WM_DELETE_WINDOW");
    const auto cookie = xcb_get_property(connection_, 0, window, atom("WM_PROTOCOLS"), XCB_ATOM_ATOM, 0, 64);
    Freed<xcb_get_property_reply_t> reply{xcb_get_property_reply(connection_, cookie, nullptr)};
    if (!reply || reply->format != 32)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.reply));
    const int count = xcb_get_property_value_length(reply.reply) / 4;
    return std::find(atoms, atoms + count, deleteAtom) != atoms + count;
}

bool X11SystemServices::closeActivatedWindow() {
    const xcb_window_t window = activated_;
    activated_ = 0;
    // Only the tool window that was activated: never a board of the classroom, never a stranger.
    if (!window || !exists(window) || isOurs(window))
        return false;
    if (supportsDelete(window)) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = atom("WM_PROTOCOLS");
        message.data.data32[0] = atom("WM_DELETE_WINDOW");
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    } else {
        xcb_kill_client(connection_, window);
    }
    sync();
    return true;
}

void X11SystemServices::sync() {
    // A round trip: everything sent so far has been handled by the server when it returns.
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

} // namespace platform::sys
