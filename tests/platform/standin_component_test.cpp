#include <chrono>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>

#include "platform/linux/linux_os_services.h"
#include "temp_dir.h"
#include "x_display.h"
#include "x_helper.h"

namespace fs = std::filesystem;

namespace {

template <typename Condition> bool eventually(Condition condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

std::string contents(const fs::path& path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The whole cycle the start centre relies on: started by file name with the launch parameters,
// the stand-in shows its component's watch title, records its start, and ends when closed.
TEST(StandinComponent, ShowsTheWatchTitleOfItsFileNameAndEndsWhenClosed)
{
    if (testsupport::useTestDisplay().empty())
        GTEST_SKIP() << "no X display";
    testsupport::TempDir temp;
    const fs::path install = temp.path() / "Korvalen Vorerer";
    ASSERT_EQ(
        std::system(("'" KV_STANDIN "' --install '" + install.string() + "' >/dev/null").c_str()),
        0);
    ASSERT_TRUE(fs::exists(install / "ImageBurner.exe"));
    ASSERT_TRUE(fs::exists(install / "DeviceInfo.exe"));

    const fs::path record = temp.path() / "record";
    ::setenv("KV_STANDIN_RECORD", record.c_str(), 1);
    const fs::path previous = fs::current_path();
    fs::current_path(temp.path());
    platform::LinuxOsServices os;
    const std::string program = (install / "ImageBurner.exe").string();
    os.shellOpen(program, "LaunchComponentApplication Korvalen Vorerer");
    fs::current_path(previous);
    ::unsetenv("KV_STANDIN_RECORD");

    EXPECT_TRUE(eventually([&] { return os.windowExists("Image Burning Wizard"); }));
    const std::string text = contents(record);
    EXPECT_TRUE(text.starts_with("start\npid ")) << text;
    EXPECT_NE(text.find("\ntitle Image Burning Wizard\ncwd " + temp.path().string() + "\narg " +
                        program +
                        "\narg LaunchComponentApplication\narg Korvalen\narg Vorerer\nend\n"),
              std::string::npos)
        << text;

    testsupport::XHelper closer(KV_X_WINDOW_HELPER);
    ASSERT_TRUE(closer.ready());
    // The window may exist before the window manager has taken it on; the close box is its.
    EXPECT_TRUE(eventually([&] {
        return !closer.send("close " + testsupport::XHelper::hex("Image Burning Wizard"))
                    .starts_with("failed");
    }));
    EXPECT_TRUE(eventually([&] { return !os.windowExists("Image Burning Wizard"); }));
    const int pid = std::atoi(text.substr(text.find("pid ") + 4).c_str());
    EXPECT_TRUE(eventually([&] { return !fs::exists("/proc/" + std::to_string(pid)); }))
        << "still running";
}

} // namespace
