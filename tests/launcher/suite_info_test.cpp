#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "launcher/suite_info.h"
#include "recording_platform.h"

namespace fs = std::filesystem;
using launcher::DirectoryOf;
using launcher::EnsureTrailingBackslash;
using launcher::ReadStartupValues;

TEST(EnsureTrailingBackslash, AddsOneSeparatorOnlyWhenMissing)
{
    EXPECT_EQ(EnsureTrailingBackslash("C:\\Suite"), "C:\\Suite\\");
    EXPECT_EQ(EnsureTrailingBackslash("C:\\Suite\\"), "C:\\Suite\\");
    EXPECT_EQ(EnsureTrailingBackslash("C:\\"), "C:\\");
    EXPECT_EQ(EnsureTrailingBackslash("C:\\Suite/"), "C:\\Suite/\\");
    EXPECT_EQ(EnsureTrailingBackslash("/opt/suite", '/'), "/opt/suite/");
    EXPECT_EQ(EnsureTrailingBackslash("/", '/'), "/");
}

struct StartupCase {
    const char* name;
    char separator;
    const char* exePath;
    const char* installDirectory;
};

void PrintTo(const StartupCase& c, std::ostream* out) { *out << c.exePath; }

class InstallDirectory : public testing::TestWithParam<StartupCase> {};

TEST_P(InstallDirectory, IsTheExecutablesDirectoryWithOneTrailingSeparator)
{
    const StartupCase& c = GetParam();
    testsupport::RecordingPlatform platform;
    platform.separator = c.separator;
    platform.exePath = c.exePath;
    const auto values = ReadStartupValues(platform);
    EXPECT_EQ(values.suite.installDirectory, c.installDirectory);
    EXPECT_EQ(values.suite.helpFile, std::string(c.installDirectory) + "Korvalen.hlp");
}

INSTANTIATE_TEST_SUITE_P(
    Paths, InstallDirectory,
    testing::Values(StartupCase{"windows", '\\', "C:\\Suite\\launcher.exe", "C:\\Suite\\"},
                    StartupCase{"drive_root", '\\', "D:\\launcher.exe", "D:\\"},
                    StartupCase{"unc", '\\', "\\\\server\\share\\kv.exe", "\\\\server\\share\\"},
                    StartupCase{"blanks", '\\', "C:\\Program Files\\K V\\l.exe",
                                "C:\\Program Files\\K V\\"},
                    StartupCase{"posix", '/', "/opt/suite/launcher", "/opt/suite/"},
                    StartupCase{"posix_root", '/', "/launcher", "/"},
                    StartupCase{"no_directory", '/', "launcher", ""}),
    [](const testing::TestParamInfo<StartupCase>& param) { return std::string(param.param.name); });

TEST(DirectoryOf, CutsAtTheLastSeparatorOfThePlatform)
{
    EXPECT_EQ(DirectoryOf("C:\\a\\b\\c.exe", '\\'), "C:\\a\\b");
    EXPECT_EQ(DirectoryOf("/a/b\\c", '/'), "/a");
    EXPECT_EQ(DirectoryOf("\\kv.exe", '\\'), "\\");
}

class StartupValues : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path()
            / ("kv-startup-" + std::to_string(::getpid()) + "-"
               + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        m_platform.exePath = (m_dir / "korvalen-vorerer").string();
    }
    void TearDown() override { fs::remove_all(m_dir); }

    void writeSettings(const std::string& bytes) const
    {
        std::ofstream(m_dir / "Option.ini", std::ios::binary) << bytes;
    }
    std::string caption() { return ReadStartupValues(m_platform).caption; }

    fs::path m_dir;
    testsupport::RecordingPlatform m_platform;
};

TEST_F(StartupValues, CaptionFollowsTheVersionInOptionIni)
{
    struct Case {
        const char* settings;
        const char* caption;
    };
    const Case cases[] = {
        {"[General]\r\nVersion=2.0\r\n", "Korvalen Vorerer V2.0"},
        {"[General]\r\nVersion=\r\n", "Korvalen Vorerer V"},
        {"[General]\r\nVersion=\"2.1\"\r\n", "Korvalen Vorerer V2.1"},
        {"[general]\r\nVERSION =  3.0 beta \r\n", "Korvalen Vorerer V3.0 beta"},
        {"[Other]\r\nVersion=9\r\n", "Korvalen Vorerer V1.8"},
        {"Version=9\r\n", "Korvalen Vorerer V1.8"},
        {"", "Korvalen Vorerer V1.8"},
    };
    for (const Case& c : cases) {
        writeSettings(c.settings);
        EXPECT_EQ(caption(), c.caption) << c.settings;
    }
}

TEST_F(StartupValues, MissingOrUnreadableSettingsGiveTheDefault)
{
    EXPECT_EQ(caption(), "Korvalen Vorerer V1.8");
    fs::create_directory(m_dir / "Option.ini");
    EXPECT_EQ(caption(), "Korvalen Vorerer V1.8");
}

TEST_F(StartupValues, FixedTextsAndDerivedPaths)
{
    writeSettings("[General]\nVersion=2.0\n");
    const auto values = ReadStartupValues(m_platform);
    const std::string dir = m_dir.string() + "/";
    EXPECT_EQ(values.suite.installDirectory, dir);
    EXPECT_EQ(values.suite.versionText, "2.0");
    EXPECT_EQ(values.suite.productName, "Korvalen Vorerer");
    EXPECT_EQ(values.suite.companyName, "Tessmere Software, Inc.");
    EXPECT_EQ(values.suite.yearsText, "2008-2009");
    EXPECT_EQ(values.suite.helpFile, dir + "Korvalen.hlp");
    EXPECT_EQ(values.suite.launchToken, "LaunchComponentApplication");
    EXPECT_EQ(values.suite.webAddress, "https://www.korvalen.example/");
}
