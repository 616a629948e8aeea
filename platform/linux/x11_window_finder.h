#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct xcb_connection_t;

namespace platform {

// Looks for a top-level window by its whole title on the X display of DISPLAY, over one
// connection kept open between lookups. A lookup sends all its requests before it waits, so it
// costs two round trips however many windows there are (three under a window manager that keeps
// no client list). Without a display, or after the connection is lost, the answer is "no window".
class X11WindowFinder {
public:
    X11WindowFinder();
    virtual ~X11WindowFinder();
    X11WindowFinder(const X11WindowFinder&) = delete;
    X11WindowFinder& operator=(const X11WindowFinder&) = delete;

    // Top-level means a child of a root window, or the client inside a window manager's frame;
    // unmapped and never-mapped windows count. Letter case is ignored.
    [[nodiscard]] bool windowExists(std::string_view title);

    // How many times lookups have waited for the server, for the benchmarks.
    [[nodiscard]] std::uint64_t roundTrips() const { return m_roundTrips; }

protected:
    // Runs between reading the window list and asking for the names; tests change the window
    // list here.
    virtual void windowListRead() {}

private:
    bool connected();
    void disconnect();
    std::vector<std::uint32_t> topLevelWindows();
    bool anyNamed(const std::vector<std::uint32_t>& windows, std::u32string_view title,
                  std::uint32_t nameLimit);

    xcb_connection_t* m_connection = nullptr;
    std::vector<std::uint32_t> m_roots;
    std::uint32_t m_clientListAtom = 0;
    std::uint32_t m_netNameAtom = 0;
    std::uint32_t m_utf8Atom = 0;
    std::uint32_t m_compoundTextAtom = 0;
    std::chrono::steady_clock::time_point m_nextAttempt{};
    std::uint64_t m_roundTrips = 0;
};

} // namespace platform
