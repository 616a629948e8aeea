#include "platform/linux/x11_window_finder.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <optional>
#include <pthread.h>
#include <string>
#include <xcb/xcb.h>

#include "platform/linux/window_title.h"

namespace platform {

namespace {

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};

template <typename Reply> std::unique_ptr<Reply, FreeDeleter> owned(Reply* reply)
{
    return std::unique_ptr<Reply, FreeDeleter>(reply);
}

// Writing to a server that has gone away raises SIGPIPE, which would end the program. The
// signal is held back while we talk to the server and dropped afterwards.
class SigpipeHeld {
public:
    SigpipeHeld()
    {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        m_wasPending = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_previous);
    }
    ~SigpipeHeld()
    {
        sigset_t pending;
        sigpending(&pending);
        if (!m_wasPending && sigismember(&pending, SIGPIPE) == 1) {
            const timespec now{};
            sigtimedwait(&m_pipe, nullptr, &now);
        }
        pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
    }
    SigpipeHeld(const SigpipeHeld&) = delete;
    SigpipeHeld& operator=(const SigpipeHeld&) = delete;

private:
    sigset_t m_pipe{};
    sigset_t m_previous{};
    bool m_wasPending = false;
};

std::string_view valueOf(const xcb_get_property_reply_t& reply)
{
    return {static_cast<const char*>(xcb_get_property_value(&reply)),
            static_cast<std::size_t>(xcb_get_property_value_length(&reply))};
}

// Enough bytes for any name as long as the title in any encoding we read; a longer one cannot
// match, so its tail is never transferred.
std::uint32_t nameLimitInWords(std::size_t titleLength)
{
    return static_cast<std::uint32_t>((titleLength * 8 + 32) / 4 + 1);
}

} // namespace

X11WindowFinder::X11WindowFinder() = default;

X11WindowFinder::~X11WindowFinder()
{
    disconnect();
}

bool X11WindowFinder::windowExists(std::string_view title)
{
    SigpipeHeld held;
    if (!connected())
        return false;
    const std::u32string wanted = decodeOwnTitle(title);
    const std::vector<std::uint32_t> windows = topLevelWindows();
    bool found = false;
    if (!windows.empty()) {
        windowListRead();
        found = anyNamed(windows, wanted, nameLimitInWords(wanted.size()));
    }
    if (xcb_connection_has_error(m_connection) != 0) {
        disconnect();
        return false;
    }
    return found;
}

bool X11WindowFinder::connected()
{
    if (m_connection != nullptr) {
        if (xcb_connection_has_error(m_connection) == 0)
            return true;
        disconnect();
    }
    // A missing server is asked again once a second, not on every lookup.
    const auto now = std::chrono::steady_clock::now();
    if (now < m_nextAttempt)
        return false;
    m_nextAttempt = now + std::chrono::seconds(1);

    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return false;
    }
    m_connection = connection;

    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem > 0;
         xcb_screen_next(&it))
        m_roots.push_back(it.data->root);

    const std::string_view names[] = {"_NET_CLIENT_LIST", "_NET_WM_NAME", "UTF8_STRING",
                                      "COMPOUND_TEXT"};
    std::uint32_t* atoms[] = {&m_clientListAtom, &m_netNameAtom, &m_utf8Atom, &m_compoundTextAtom};
    xcb_intern_atom_cookie_t cookies[std::size(names)];
    for (std::size_t i = 0; i < std::size(names); ++i)
        cookies[i] = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(names[i].size()),
                                     names[i].data());
    for (std::size_t i = 0; i < std::size(names); ++i) {
        const auto reply = owned(xcb_intern_atom_reply(connection, cookies[i], nullptr));
        *atoms[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    if (xcb_connection_has_error(connection) != 0 || m_netNameAtom == XCB_ATOM_NONE) {
        disconnect();
        return false;
    }
    return true;
}

void X11WindowFinder::disconnect()
{
    if (m_connection != nullptr)
        xcb_disconnect(m_connection);
    m_connection = nullptr;
    m_roots.clear();
}

std::vector<std::uint32_t> X11WindowFinder::topLevelWindows()
{
    struct RootRequests {
        xcb_query_tree_cookie_t tree;
        xcb_get_property_cookie_t clients;
    };
    std::vector<RootRequests> requests;
    for (const xcb_window_t root : m_roots)
        requests.push_back({xcb_query_tree(m_connection, root),
                            xcb_get_property(m_connection, 0, root, m_clientListAtom,
                                             XCB_ATOM_WINDOW, 0, 1u << 24)});

    std::vector<std::uint32_t> windows;
    // Children of roots whose window manager keeps no client list: they may be frames.
    std::vector<std::uint32_t> maybeFrames;
    ++m_roundTrips;
    for (const RootRequests& request : requests) {
        const auto tree = owned(xcb_query_tree_reply(m_connection, request.tree, nullptr));
        const auto clients = owned(xcb_get_property_reply(m_connection, request.clients, nullptr));
        if (!tree)
            continue;
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        const int childCount = xcb_query_tree_children_length(tree.get());
        windows.insert(windows.end(), children, children + childCount);
        if (clients && clients->type == XCB_ATOM_WINDOW && clients->format == 32) {
            const auto* listed =
                static_cast<const xcb_window_t*>(xcb_get_property_value(clients.get()));
            windows.insert(windows.end(), listed,
                           listed + xcb_get_property_value_length(clients.get()) / 4);
        } else {
            maybeFrames.insert(maybeFrames.end(), children, children + childCount);
        }
    }

    if (!maybeFrames.empty()) {
        std::vector<xcb_query_tree_cookie_t> trees;
        trees.reserve(maybeFrames.size());
        for (const xcb_window_t frame : maybeFrames)
            trees.push_back(xcb_query_tree(m_connection, frame));
        ++m_roundTrips;
        for (const xcb_query_tree_cookie_t cookie : trees) {
            xcb_generic_error_t* error = nullptr;
            const auto tree = owned(xcb_query_tree_reply(m_connection, cookie, &error));
            std::free(error);
            if (!tree)
                continue;
            const xcb_window_t* children = xcb_query_tree_children(tree.get());
            windows.insert(windows.end(), children,
                           children + xcb_query_tree_children_length(tree.get()));
        }
    }

    std::sort(windows.begin(), windows.end());
    windows.erase(std::unique(windows.begin(), windows.end()), windows.end());
    return windows;
}

bool X11WindowFinder::anyNamed(const std::vector<std::uint32_t>& windows, std::u32string_view title,
                               std::uint32_t nameLimit)
{
    struct NameRequests {
        xcb_get_property_cookie_t netName;
        xcb_get_property_cookie_t name;
    };
    std::vector<NameRequests> requests;
    requests.reserve(windows.size());
    for (const xcb_window_t window : windows)
        requests.push_back(
            {xcb_get_property(m_connection, 0, window, m_netNameAtom, m_utf8Atom, 0, nameLimit),
             xcb_get_property(m_connection, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY,
                              0, nameLimit)});

    // Nothing when the property is absent or of a type we do not read.
    const auto matches = [&](const xcb_get_property_reply_t* reply,
                             bool netName) -> std::optional<bool> {
        if (reply == nullptr || reply->format != 8)
            return std::nullopt;
        const xcb_atom_t type = reply->type;
        const bool known = type == m_utf8Atom ||
                           (!netName && (type == XCB_ATOM_STRING || type == m_compoundTextAtom));
        if (!known)
            return std::nullopt;
        if (reply->bytes_after > 0)
            return false;
        const std::string_view value = valueOf(*reply);
        const std::optional<std::u32string> text = type == m_utf8Atom ? decodeUtf8(value)
                                                   : type == XCB_ATOM_STRING
                                                       ? std::optional(decodeLatin1(value))
                                                       : decodeCompoundText(value);
        if (!text)
            return std::nullopt;
        return sameTitleIgnoringCase(*text, title);
    };

    bool found = false;
    ++m_roundTrips;
    for (const NameRequests& request : requests) {
        if (found) {
            xcb_discard_reply(m_connection, request.netName.sequence);
            xcb_discard_reply(m_connection, request.name.sequence);
            continue;
        }
        // A window that is gone by now answers with an error, and simply is not a match.
        xcb_generic_error_t* error = nullptr;
        const auto netName = owned(xcb_get_property_reply(m_connection, request.netName, &error));
        std::free(error);
        error = nullptr;
        const auto name = owned(xcb_get_property_reply(m_connection, request.name, &error));
        std::free(error);
        // The UTF-8 name is the one a client means when it sets both.
        std::optional<bool> match = matches(netName.get(), true);
        if (!match)
            match = matches(name.get(), false);
        found = match.value_or(false);
    }
    return found;
}

} // namespace platform
