// Makes top-level windows on the X display for the window lookup tests, so the windows belong to
// another process than the one looking. Reads one command a line from stdin and answers each
// with a line starting "ok" once the server (and the window manager, where it takes part) has
// done it:
//   create KEY                          an unmapped window without a name; answers its id
//   name KEY net|wm utf8|string|compound HEX|-   sets _NET_WM_NAME or WM_NAME (bytes in hex)
//   map KEY                             maps it and waits until the window manager frames it;
//                                       answers its parent
//   withdraw KEY                        unmaps it the ICCCM way and waits until it is back on
//                                       the root; answers its parent
//   destroy KEY
//   close HEX                           asks the managed window of that UTF-8 name to close, as
//                                       a close box does (WM_DELETE_WINDOW); answers its id
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <map>
#include <poll.h>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

xcb_connection_t* connection = nullptr;
xcb_screen_t* screen = nullptr;
std::map<std::string, xcb_window_t> windows;

xcb_atom_t atom(const char* name)
{
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t value = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return value;
}

void sync()
{
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

std::string fromHex(const std::string& hex)
{
    std::string bytes;
    if (hex == "-")
        return bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

xcb_window_t parentOf(xcb_window_t window)
{
    xcb_query_tree_reply_t* tree =
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr);
    const xcb_window_t parent = tree != nullptr ? tree->parent : xcb_window_t{XCB_WINDOW_NONE};
    std::free(tree);
    return parent;
}

bool listedByManager(xcb_window_t window)
{
    static const xcb_atom_t clientList = atom("_NET_CLIENT_LIST");
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, screen->root, clientList, XCB_ATOM_WINDOW, 0, 1u << 20),
        nullptr);
    bool listed = false;
    if (reply != nullptr) {
        const auto* ids = static_cast<const xcb_window_t*>(xcb_get_property_value(reply));
        for (int i = 0; i < xcb_get_property_value_length(reply) / 4; ++i)
            listed = listed || ids[i] == window;
    }
    std::free(reply);
    return listed;
}

// Polls the server until the condition holds, for at most five seconds.
void waitUntil(const std::function<bool()>& condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!condition() && std::chrono::steady_clock::now() < deadline) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection))
            std::free(event);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

std::string closeNamed(const std::string& title)
{
    static const xcb_atom_t clientList = atom("_NET_CLIENT_LIST");
    static const xcb_atom_t netName = atom("_NET_WM_NAME");
    static const xcb_atom_t protocols = atom("WM_PROTOCOLS");
    static const xcb_atom_t deleteWindow = atom("WM_DELETE_WINDOW");
    xcb_get_property_reply_t* list = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, screen->root, clientList, XCB_ATOM_WINDOW, 0, 1u << 20),
        nullptr);
    if (list == nullptr)
        return "error no client list";
    const auto* ids = static_cast<const xcb_window_t*>(xcb_get_property_value(list));
    const int count = xcb_get_property_value_length(list) / 4;
    std::string answer = "error no window named " + title;
    for (int i = 0; i < count; ++i) {
        xcb_get_property_reply_t* name = xcb_get_property_reply(
            connection,
            xcb_get_property(connection, 0, ids[i], netName, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
            nullptr);
        const bool match =
            name != nullptr &&
            std::string(static_cast<const char*>(xcb_get_property_value(name)),
                        static_cast<std::size_t>(xcb_get_property_value_length(name))) == title;
        std::free(name);
        if (!match)
            continue;
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = ids[i];
        message.type = protocols;
        message.data.data32[0] = deleteWindow;
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection, 0, ids[i], XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&message));
        sync();
        answer = "ok " + std::to_string(ids[i]);
        break;
    }
    std::free(list);
    return answer;
}

std::string run(const std::string& line)
{
    std::istringstream in(line);
    std::string command;
    std::string key;
    in >> command >> key;
    if (command == "create") {
        const xcb_window_t window = xcb_generate_id(connection);
        const uint32_t values[] = {screen->white_pixel, XCB_EVENT_MASK_STRUCTURE_NOTIFY};
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 10, 10, 160, 90,
                          0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                          XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
        windows[key] = window;
        sync();
        return "ok " + std::to_string(window);
    }
    if (command == "close")
        return closeNamed(fromHex(key));
    const auto found = windows.find(key);
    if (found == windows.end())
        return "error unknown window " + key;
    const xcb_window_t window = found->second;
    if (command == "name") {
        std::string property;
        std::string type;
        std::string hex;
        in >> property >> type >> hex;
        const xcb_atom_t propertyAtom =
            property == "net" ? atom("_NET_WM_NAME") : xcb_atom_t{XCB_ATOM_WM_NAME};
        const xcb_atom_t typeAtom = type == "utf8"     ? atom("UTF8_STRING")
                                    : type == "string" ? xcb_atom_t{XCB_ATOM_STRING}
                                                       : atom("COMPOUND_TEXT");
        const std::string bytes = fromHex(hex);
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, propertyAtom, typeAtom, 8,
                            static_cast<uint32_t>(bytes.size()), bytes.data());
        sync();
        return "ok";
    }
    if (command == "map") {
        xcb_map_window(connection, window);
        xcb_flush(connection);
        waitUntil([&] { return parentOf(window) != screen->root && listedByManager(window); });
        return "ok " + std::to_string(parentOf(window));
    }
    if (command == "withdraw") {
        xcb_unmap_window(connection, window);
        // ICCCM 4.1.4: the synthetic UnmapNotify tells the window manager to let the window go.
        xcb_unmap_notify_event_t notice{};
        notice.response_type = XCB_UNMAP_NOTIFY;
        notice.event = screen->root;
        notice.window = window;
        char event[32] = {}; // every event travels as 32 bytes
        std::memcpy(event, &notice, sizeof notice);
        xcb_send_event(connection, 0, screen->root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       event);
        xcb_flush(connection);
        waitUntil([&] { return parentOf(window) == screen->root && !listedByManager(window); });
        return "ok " + std::to_string(parentOf(window));
    }
    if (command == "destroy") {
        xcb_destroy_window(connection, window);
        windows.erase(found);
        sync();
        return "ok";
    }
    return "error unknown command " + command;
}

} // namespace

int main()
{
    int screenNumber = 0;
    connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection) != 0) {
        std::cout << "error no display" << std::endl;
        return 1;
    }
    auto it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&it);
    screen = it.data;
    std::cout << "ok " << screen->root << std::endl;

    std::string line;
    while (std::getline(std::cin, line))
        std::cout << run(line) << std::endl;
    xcb_disconnect(connection);
    return 0;
}
