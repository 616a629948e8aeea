#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/component_watcher.h"
#include "launcher/suite_info.h"
#include "launcher/task_catalogue.h"
#include "platform/composed_platform.h"
#include "platform/win32/win32_os_services.h"
#include "win32_test_support.h"

using win32test::TempDir;
using win32test::waitForRecord;

namespace {

// The Qt desktop services are not part of this build; the tests only need to see what the
// core asked of them.
class RecordingDesktop final : public platform::DesktopServices {
public:
    void messageBox(const std::string& text, const std::string&) override { boxes.push_back(text); }
    void hideMainWindow() override {}
    void showMainWindow() override {}
    void setTimerEnabled(bool enabled) override { timerOn = enabled; }

    std::vector<std::string> boxes;
    bool timerOn = false;
};

// Moves this process into another working directory for the test, and back.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::string& path)
    {
        GetCurrentDirectoryA(sizeof m_previous, m_previous);
        SetCurrentDirectoryA(path.c_str());
    }
    ~WorkingDirectory() { SetCurrentDirectoryA(m_previous); }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;
    WorkingDirectory(WorkingDirectory&&) = delete;
    WorkingDirectory& operator=(WorkingDirectory&&) = delete;

private:
    char m_previous[MAX_PATH * 4] = {};
};

TEST(Win32ShellOpen, LaunchedComponentGetsTheParameterTextAndOurWorkingDirectory)
{
    TempDir install;
    TempDir elsewhere;
    const std::string directory = install.path() + "Kv Suite Dir\\";
    const std::string component = directory + "DataBurner.exe";
    win32test::placeHelper(component);

    platform::Win32OsServices os;
    RecordingDesktop desktop;
    platform::ComposedPlatform composed(os, desktop);
    launcher::SuiteInfo suite = launcher::ReadStartupValues(os).suite;
    suite.installDirectory = directory;
    launcher::ComponentWatcher watcher(composed, suite);
    const launcher::TaskEntry* task = launcher::TaskCatalogue::task("panDataDVD");
    ASSERT_NE(task, nullptr);

    const WorkingDirectory cwd(elsewhere.path());
    watcher.LaunchComponent(*task);
    EXPECT_TRUE(desktop.boxes.empty());
    EXPECT_TRUE(desktop.timerOn);

    auto record = waitForRecord(component);
    ASSERT_FALSE(record.empty()) << "the component never started";
    EXPECT_EQ(win32test::parameterText(record["commandLine"]),
              "LaunchComponentApplication Korvalen Vorerer");
    EXPECT_EQ(record["argumentCount"], "3");
    EXPECT_EQ(record["argument1"], "LaunchComponentApplication");
    EXPECT_EQ(record["executablePath"], component);
    EXPECT_EQ(launcher::EnsureTrailingBackslash(record["workingDirectory"]), elsewhere.path());
    EXPECT_EQ(record["showState"], "Normal");
}

TEST(Win32ShellOpen, NoParametersMeansAnEmptyParameterText)
{
    TempDir dir;
    const std::string helper = dir.path() + "Korvalen Help.exe";
    win32test::placeHelper(helper);
    HWND owner = CreateWindowExA(0, "STATIC", "Korvalen Vorerer V1.8", WS_OVERLAPPEDWINDOW, 0, 0,
                                 100, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    platform::Win32OsServices os;
    os.setOwnerWindow(reinterpret_cast<std::uintptr_t>(owner));
    os.shellOpen(helper, "");
    auto record = waitForRecord(helper);
    DestroyWindow(owner);
    ASSERT_FALSE(record.empty()) << "the program never started";
    EXPECT_EQ(win32test::parameterText(record["commandLine"]), "");
    EXPECT_EQ(record["argumentCount"], "0");
}

} // namespace
