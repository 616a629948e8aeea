// The Windows pieces of the program, applied to the helper the same way as to the program.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "win32_test_support.h"

namespace {

std::string versionString(const std::vector<char>& info, const char* name)
{
    void* value = nullptr;
    UINT length = 0;
    const std::string query = std::string("\\StringFileInfo\\040904E4\\") + name;
    if (!VerQueryValueA(info.data(), query.c_str(), &value, &length) || length == 0) {
        return {};
    }
    return static_cast<const char*>(value);
}

TEST(Win32ProgramResources, VersionInformation)
{
    const std::string exe = win32test::helperPath();
    DWORD ignored = 0;
    std::vector<char> info(GetFileVersionInfoSizeA(exe.c_str(), &ignored));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));

    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", &value, &length));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(8, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, 0U);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    EXPECT_EQ(versionString(info, "FileVersion"), "1.8.0");
    EXPECT_EQ(versionString(info, "ProductName"), "Korvalen Vorerer");
    EXPECT_EQ(versionString(info, "CompanyName"), "Tessmere Software, Inc.");
    EXPECT_EQ(versionString(info, "OriginalFilename"), "win32_test_helper.exe");
}

TEST(Win32ProgramResources, IconAndManifestAreEmbedded)
{
    HMODULE module = LoadLibraryExA(win32test::helperPath().c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(1), RT_GROUP_ICON), nullptr);

    HRSRC manifest = FindResourceA(module, MAKEINTRESOURCEA(1), RT_MANIFEST);
    ASSERT_NE(manifest, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(module, manifest))),
                           SizeofResource(module, manifest));
    FreeLibrary(module);
    EXPECT_NE(text.find("<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/"
                        "WindowsSettings\">PerMonitorV2"),
              std::string::npos);
    EXPECT_NE(text.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos);
}

TEST(Win32ProgramResources, BuiltForTheWindowsSubsystem)
{
    std::ifstream in(win32test::helperPath(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), sizeof(IMAGE_DOS_HEADER));
    IMAGE_DOS_HEADER dos{};
    std::memcpy(&dos, bytes.data(), sizeof dos);
    ASSERT_LT(static_cast<std::size_t>(dos.e_lfanew) + sizeof(IMAGE_NT_HEADERS), bytes.size());
    IMAGE_NT_HEADERS nt{};
    std::memcpy(&nt, bytes.data() + dos.e_lfanew, sizeof nt);
    EXPECT_EQ(nt.OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

// The manifest at work: the loader hands the process the version 6 controls and makes it
// aware of each monitor's DPI.
TEST(Win32ProgramResources, ManifestTakesEffect)
{
    win32test::TempDir dir;
    const std::string exe = dir.path() + "launcher.exe";
    win32test::placeHelper(exe);
    win32test::Process process(win32test::quoted(exe));
    ASSERT_TRUE(process.waitForExit());
    auto record = win32test::waitForRecord(exe, std::chrono::seconds(1));
    std::string controls = record["commonControls"];
    CharLowerA(controls.data());
    EXPECT_NE(controls.find("\\winsxs\\"), std::string::npos) << controls;
    EXPECT_NE(controls.find("_microsoft.windows.common-controls_6595b64144ccf1df_6."),
              std::string::npos)
        << controls;
    EXPECT_EQ(record["dpiAwareness"], std::to_string(DPI_AWARENESS_PER_MONITOR_AWARE));
}

} // namespace
