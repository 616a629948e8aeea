// One window lookup by title with 10, 100 and 500 managed top-level windows on the display, ours
// against `xdotool search --name '^Title$'` on the same windows. Run under X with a window
// manager: bench/run-window-lookup starts both.
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>
#include <xcb/xcb.h>

#include "platform/linux/x11_window_finder.h"

extern char** environ;

namespace {

// Absent from the display, so every lookup sweeps all windows, as the watcher does on each tick
// until the component shows up.
constexpr const char* WantedTitle = "Image Burning Wizard";

// Mapped, named windows of one connection, managed (framed) by the window manager.
class WindowPool {
public:
    WindowPool()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection) == 0)
            m_screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        m_netName = atom("_NET_WM_NAME");
        m_utf8 = atom("UTF8_STRING");
        m_clientList = atom("_NET_CLIENT_LIST");
    }
    ~WindowPool() { xcb_disconnect(m_connection); }
    WindowPool(const WindowPool&) = delete;
    WindowPool& operator=(const WindowPool&) = delete;

    [[nodiscard]] bool usable() const { return m_screen != nullptr; }

    // Makes or destroys windows until there are count, and waits until the manager lists them.
    void resize(std::size_t count)
    {
        while (m_windows.size() > count) {
            xcb_destroy_window(m_connection, m_windows.back());
            m_windows.pop_back();
        }
        while (m_windows.size() < count) {
            const xcb_window_t window = xcb_generate_id(m_connection);
            const uint32_t background = m_screen->white_pixel;
            xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, window, m_screen->root, 0, 0, 120,
                              60, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, m_screen->root_visual,
                              XCB_CW_BACK_PIXEL, &background);
            const std::string name = "Document " + std::to_string(m_windows.size() + 1);
            const auto length = static_cast<uint32_t>(name.size());
            xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, m_netName, m_utf8, 8,
                                length, name.data());
            xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME,
                                XCB_ATOM_STRING, 8, length, name.data());
            xcb_map_window(m_connection, window);
            m_windows.push_back(window);
        }
        xcb_flush(m_connection);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (listedCount() != count && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }

private:
    xcb_atom_t atom(const char* name)
    {
        const auto cookie = xcb_intern_atom(
            m_connection, 0, static_cast<uint16_t>(std::char_traits<char>::length(name)), name);
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(m_connection, cookie, nullptr);
        const xcb_atom_t value = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return value;
    }

    std::size_t listedCount()
    {
        xcb_get_property_reply_t* reply =
            xcb_get_property_reply(m_connection,
                                   xcb_get_property(m_connection, 0, m_screen->root, m_clientList,
                                                    XCB_ATOM_WINDOW, 0, 1u << 20),
                                   nullptr);
        const std::size_t count =
            reply != nullptr ? static_cast<std::size_t>(xcb_get_property_value_length(reply)) / 4
                             : 0;
        std::free(reply);
        return count;
    }

    xcb_connection_t* m_connection = nullptr;
    xcb_screen_t* m_screen = nullptr;
    xcb_atom_t m_netName = XCB_ATOM_NONE;
    xcb_atom_t m_utf8 = XCB_ATOM_NONE;
    xcb_atom_t m_clientList = XCB_ATOM_NONE;
    std::vector<xcb_window_t> m_windows;
};

WindowPool& pool()
{
    static WindowPool windows;
    return windows;
}

void BM_Lookup(benchmark::State& state)
{
    if (!pool().usable()) {
        state.SkipWithError("no X display");
        return;
    }
    pool().resize(static_cast<std::size_t>(state.range(0)));
    platform::X11WindowFinder finder;
    benchmark::DoNotOptimize(finder.windowExists(WantedTitle)); // connects
    const std::uint64_t before = finder.roundTrips();
    for (auto _ : state)
        benchmark::DoNotOptimize(finder.windowExists(WantedTitle));
    state.counters["round_trips"] =
        benchmark::Counter(static_cast<double>(finder.roundTrips() - before) /
                           static_cast<double>(state.iterations()));
}
BENCHMARK(BM_Lookup)
    ->Arg(10)
    ->Arg(100)
    ->Arg(500)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_Xdotool(benchmark::State& state)
{
    if (!pool().usable()) {
        state.SkipWithError("no X display");
        return;
    }
    pool().resize(static_cast<std::size_t>(state.range(0)));
    const std::string pattern = std::string("^") + WantedTitle + "$";
    char* argv[] = {const_cast<char*>("xdotool"), const_cast<char*>("search"),
                    const_cast<char*>("--name"), const_cast<char*>(pattern.c_str()), nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawnp(&pid, "xdotool", &quiet, nullptr, argv, environ) != 0) {
            state.SkipWithError("xdotool not found");
            break;
        }
        waitpid(pid, nullptr, 0);
    }
    posix_spawn_file_actions_destroy(&quiet);
}
BENCHMARK(BM_Xdotool)
    ->Arg(10)
    ->Arg(100)
    ->Arg(500)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
