#include "WindowWatch.h"

#include <QElapsedTimer>
#include <QThread>
#include <cstdlib>
#include <xcb/xcb.h>

namespace {

QString titleOf(xcb_connection_t* c, xcb_window_t w) {
    auto cookie = xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
    QString title;
    if (reply && reply->format == 8)
        title = QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply)),
                                  xcb_get_property_value_length(reply));
    std::free(reply);
    return title;
}

bool viewableWindowTitled(xcb_connection_t* c, xcb_window_t root, const QString& title) {
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr);
    if (!tree)
        return false;
    bool found = false;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree) && !found; ++i) {
        xcb_get_window_attributes_reply_t* attrs =
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, children[i]), nullptr);
        const bool viewable = attrs && attrs->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(attrs);
        found = viewable && titleOf(c, children[i]) == title;
    }
    std::free(tree);
    return found;
}

} // namespace

double millisecondsUntilMapped(const QString& title, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return -1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    double result = -1;
    while (timer.elapsed() < timeoutMs) {
        if (viewableWindowTitled(c, root, title)) {
            result = timer.nsecsElapsed() / 1e6;
            break;
        }
        QThread::usleep(1000);
    }
    xcb_disconnect(c);
    return result;
}
