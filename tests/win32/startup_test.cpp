#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "win32_test_support.h"

using win32test::Process;
using win32test::quoted;
using win32test::TempDir;
using win32test::waitForRecord;

namespace {

// Runs a copy of the helper at exePath and returns what it recorded of its start-up.
win32test::Record startHelperAt(const std::string& exePath, int showWindow = -1)
{
    win32test::placeHelper(exePath);
    Process process(quoted(exePath), showWindow);
    EXPECT_TRUE(process.waitForExit()) << exePath;
    return waitForRecord(exePath, std::chrono::seconds(1));
}

TEST(Win32StartupValues, InstallDirectoryIsTheExecutablesDirectory)
{
    TempDir dir;
    const std::string suite = dir.path() + "Suite\\";
    auto record = startHelperAt(suite + "launcher.exe");
    EXPECT_EQ(record["executablePath"], suite + "launcher.exe");
    EXPECT_EQ(record["installDirectory"], suite);
    EXPECT_EQ(record["helpFile"], suite + "Korvalen.hlp");
}

TEST(Win32StartupValues, DriveRootKeepsItsOneBackslash)
{
    const std::string exe = "C:\\kv-launcher-" + std::to_string(GetCurrentProcessId()) + ".exe";
    auto record = startHelperAt(exe);
    DeleteFileA(exe.c_str());
    DeleteFileA((exe + ".record").c_str());
    EXPECT_EQ(record["installDirectory"], "C:\\");
    EXPECT_EQ(record["helpFile"], "C:\\Korvalen.hlp");
}

TEST(Win32StartupValues, CaptionFromOptionIniNextToTheExecutable)
{
    struct Case {
        std::optional<std::string> settings;
        const char* caption;
    };
    const Case cases[] = {
        {"[General]\r\nVersion=2.0\r\n", "Korvalen Vorerer V2.0"},
        {"[General]\r\nVersion=\r\n", "Korvalen Vorerer V"},
        {"[General]\r\nVersion=\"2.1\"\r\n", "Korvalen Vorerer V2.1"},
        {"[general]\r\nVERSION =  3.0 beta \r\n", "Korvalen Vorerer V3.0 beta"},
        {"[Other]\r\nVersion=9\r\n", "Korvalen Vorerer V1.8"},
        {std::nullopt, "Korvalen Vorerer V1.8"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        if (c.settings) {
            win32test::writeFile(dir.path() + "Option.ini", *c.settings);
        }
        EXPECT_EQ(startHelperAt(dir.path() + "launcher.exe")["caption"], c.caption)
            << c.settings.value_or("(no Option.ini)");
    }
}

TEST(Win32StartupShowState, FollowsTheShowStateTheProcessWasStartedWith)
{
    struct Case {
        int showWindow; // -1: no show state passed
        const char* state;
    };
    const Case cases[] = {
        {-1, "Normal"},
        {SW_SHOWNORMAL, "Normal"},
        {SW_SHOWDEFAULT, "Normal"},
        {SW_SHOWMAXIMIZED, "Maximized"},
        {SW_SHOWMINIMIZED, "Minimized"},
        {SW_SHOWMINNOACTIVE, "Minimized"},
        {SW_MINIMIZE, "Minimized"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const std::string exe = dir.path() + "show" + std::to_string(c.showWindow + 1) + ".exe";
        EXPECT_EQ(startHelperAt(exe, c.showWindow)["showState"], c.state) << c.showWindow;
    }
}

} // namespace
