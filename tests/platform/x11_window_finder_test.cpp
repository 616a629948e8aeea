#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <thread>
#include <vector>

#include "platform/linux/x11_window_finder.h"
#include "x_display.h"
#include "x_helper.h"

namespace {

using testsupport::XHelper;

class X11WindowLookup : public testing::Test {
protected:
    void SetUp() override
    {
        if (testsupport::useTestDisplay().empty())
            GTEST_SKIP() << "no X display";
        m_helper.emplace(KV_X_WINDOW_HELPER);
        ASSERT_TRUE(helper().ready());
    }

    // A window of the helper process, named the way a toolkit names it: both properties.
    void named(const std::string& key, const std::string& title)
    {
        helper().create(key);
        helper().name(key, "net", "utf8", title);
        helper().name(key, "wm", "utf8", title);
    }

    XHelper& helper() { return *m_helper; }

    std::optional<XHelper> m_helper;
};

TEST_F(X11WindowLookup, FindsWindowsOfAnotherProcessByTheirWholeTitleInAnyCase)
{
    named("framed", "Data Burner Wizard");
    const std::string framedParent = helper().send("map framed");

    named("withdrawn", "Audio Grabber Wizard");
    helper().send("map withdrawn");
    const std::string withdrawnParent = helper().send("withdraw withdrawn");

    helper().create("never-mapped");
    helper().name("never-mapped", "wm", "string", "Image Builder Wizard");

    helper().create("utf8");
    helper().name("utf8", "net", "utf8", "Graveur de disque \xe2\x80\x94 \xce\xa9mega \xc3\xbf");
    helper().create("latin1");
    helper().name("latin1", "wm", "string", "Grabaci\xf3n \xd1");
    helper().create("utf8-wm-name");
    helper().name("utf8-wm-name", "wm", "utf8", "Br\xc3\xbbleur");
    helper().create("compound");
    helper().name("compound", "wm", "compound", "\xc4tzer \x1b%G\xce\xa9\x1b%@");
    helper().create("both");
    helper().name("both", "net", "utf8", "Alpha Wizard");
    helper().name("both", "wm", "string", "Beta Wizard");
    helper().send("map both");

    // The cases below are only what they claim when the window manager framed the mapped ones.
    ASSERT_NE(framedParent, helper().root()) << "the mapped window was not framed";
    ASSERT_EQ(withdrawnParent, helper().root()) << "the withdrawn window was not let go";

    const std::pair<const char*, bool> cases[] = {
        {"Data Burner Wizard", true},
        {"DATA BURNER WIZARD", true},
        {"data burner wizard", true},
        {"Data Burner", false},
        {"Data Burner Wizar", false},
        {"Data Burner Wizard ", false},
        {" Data Burner Wizard", false},
        {"Data Burner Wizard2", false},
        {"audio grabber wizard", true},
        {"Image Builder Wizard", true},
        {"GRAVEUR DE DISQUE \xe2\x80\x94 \xcf\x89MEGA \xc5\xb8", true},
        {"grabaci\xc3\xb3n \xc3\xb1", true},
        {"GRABACI\xd3N \xf1", true}, // a title of ours in Latin-1
        {"BR\xc3\x9bLEUR", true},
        {"\xc3\xa4TZER \xcf\x89", true},
        // The UTF-8 name is the title when a window has both.
        {"Alpha Wizard", true},
        {"Beta Wizard", false},
        {"Disc Eraser Wizard", false},
    };
    platform::X11WindowFinder finder;
    for (const auto& [title, exists] : cases)
        EXPECT_EQ(finder.windowExists(title), exists) << title;
}

TEST_F(X11WindowLookup, SeesATitleChangedWhileTheWindowIsHiddenAndForgetsADestroyedWindow)
{
    named("component", "Video Burner Wizard");
    helper().send("map component");
    platform::X11WindowFinder finder;
    EXPECT_TRUE(finder.windowExists("Video Burner Wizard"));

    helper().send("withdraw component");
    helper().name("component", "net", "utf8", "Disc Eraser Wizard");
    EXPECT_FALSE(finder.windowExists("Video Burner Wizard"));
    EXPECT_TRUE(finder.windowExists("Disc Eraser Wizard"));

    helper().send("destroy component");
    EXPECT_FALSE(finder.windowExists("Disc Eraser Wizard"));
}

// Destroys windows after the list is read and before their names are asked for.
class RacedFinder : public platform::X11WindowFinder {
public:
    std::function<void()> race;

protected:
    void windowListRead() override
    {
        if (race)
            std::exchange(race, nullptr)();
    }
};

TEST_F(X11WindowLookup, IgnoresWindowsDestroyedDuringTheSweep)
{
    std::vector<std::string> doomed;
    for (int i = 0; i < 40; ++i) {
        doomed.push_back("doomed" + std::to_string(i));
        named(doomed.back(), "Device Info Wizard");
        if (i == 20)
            named("survivor", "Virtual Drive Wizard");
    }

    RacedFinder finder;
    const std::uint64_t roundTripsBefore = finder.roundTrips();
    finder.race = [&] {
        for (const std::string& key : doomed)
            helper().send("destroy " + key);
    };
    EXPECT_TRUE(finder.windowExists("Virtual Drive Wizard"));
    EXPECT_FALSE(finder.race) << "the sweep did not run";
    EXPECT_FALSE(finder.windowExists("Device Info Wizard"));
    EXPECT_TRUE(finder.windowExists("virtual drive wizard")) << "the connection did not survive";
    EXPECT_EQ(finder.roundTrips() - roundTripsBefore, 3 * 2u);
}

TEST(X11WindowLookupWithoutServer, AnswersNoWindowWithoutADisplay)
{
    const char* saved = std::getenv("DISPLAY");
    const std::optional<std::string> display =
        saved ? std::optional<std::string>(saved) : std::nullopt;

    ::unsetenv("DISPLAY");
    platform::X11WindowFinder unset;
    EXPECT_FALSE(unset.windowExists("Data Burner Wizard"));
    ::setenv("DISPLAY", ":4711", 1);
    platform::X11WindowFinder absent;
    EXPECT_FALSE(absent.windowExists("Data Burner Wizard"));
    EXPECT_FALSE(absent.windowExists("Data Burner Wizard"));

    if (display)
        ::setenv("DISPLAY", display->c_str(), 1);
    else
        ::unsetenv("DISPLAY");
}

// A private X server that the test can take away.
class PrivateServer {
public:
    PrivateServer()
    {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        // The write end must survive the exec, so it is handed over under its own number.
        posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        char* argv[] = {const_cast<char*>("Xvfb"), const_cast<char*>("-displayfd"),
                        const_cast<char*>("3"),    const_cast<char*>("-nolisten"),
                        const_cast<char*>("tcp"),  nullptr};
        if (posix_spawnp(&m_pid, "Xvfb", &actions, nullptr, argv, environ) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        // The whole line, newline included: a reader gone early would kill the server.
        std::string number;
        char c = 0;
        while (::read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        ::close(fds[0]);
        if (!number.empty())
            m_display = ":" + number;
    }
    ~PrivateServer() { stop(); }
    PrivateServer(const PrivateServer&) = delete;
    PrivateServer& operator=(const PrivateServer&) = delete;

    [[nodiscard]] const std::string& display() const { return m_display; }
    void stop()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
        m_pid = -1;
    }

private:
    pid_t m_pid = -1;
    std::string m_display;
};

template <typename Condition> bool eventually(Condition condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

TEST(X11WindowLookupWithoutServer, AnswersNoWindowWhenTheServerGoesAwayAndReconnectsLater)
{
    const char* saved = std::getenv("DISPLAY");
    const std::string previous = saved != nullptr ? saved : "";
    platform::X11WindowFinder finder;
    {
        PrivateServer server;
        ASSERT_FALSE(server.display().empty()) << "Xvfb did not start";
        ::setenv("DISPLAY", server.display().c_str(), 1);
        XHelper helper(KV_X_WINDOW_HELPER);
        ASSERT_TRUE(helper.ready());
        helper.create("w");
        helper.name("w", "wm", "string", "Disc Eraser Wizard");
        EXPECT_TRUE(finder.windowExists("Disc Eraser Wizard"));

        server.stop();
        // Writing to the dead connection raises SIGPIPE, which must not end us.
        EXPECT_FALSE(finder.windowExists("Disc Eraser Wizard"));
        EXPECT_FALSE(finder.windowExists("Disc Eraser Wizard"));
    }

    PrivateServer again;
    ::setenv("DISPLAY", again.display().c_str(), 1);
    XHelper helper(KV_X_WINDOW_HELPER);
    ASSERT_TRUE(helper.ready());
    helper.create("w");
    helper.name("w", "net", "utf8", "Disc Eraser Wizard");
    EXPECT_TRUE(eventually([&] { return finder.windowExists("Disc Eraser Wizard"); }));

    ::setenv("DISPLAY", previous.c_str(), 1);
}

} // namespace
