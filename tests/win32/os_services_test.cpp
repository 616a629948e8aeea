#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/win32_os_services.h"
#include "tests/support/profile_vectors.h"
#include "win32_test_support.h"

using platform::Win32OsServices;
using testsupport::ProfileVector;
using win32test::TempDir;

namespace {

TEST(Win32FileExists, OnlyAnExistingFileCounts)
{
    TempDir dir;
    win32test::writeFile(dir.path() + "DataBurner.exe", "MZ");
    win32test::writeFile(dir.path() + "empty.exe", "");
    CreateDirectoryA((dir.path() + "DiscEraser.exe").c_str(), nullptr);
    Win32OsServices os;
    struct Case {
        std::string path;
        bool exists;
    };
    const Case cases[] = {
        {dir.path() + "DataBurner.exe", true},
        {dir.path() + "DATABURNER.EXE", true},
        {dir.path() + "empty.exe", true},
        {dir.path() + "DiscEraser.exe", false},
        {dir.path() + "ImageBurner.exe", false},
        {dir.path() + "no such dir\\DataBurner.exe", false},
        {dir.path(), false},
        {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(os.fileExists(c.path), c.exists) << c.path;
    }
}

const testsupport::ProfileVectorTable& vectorTable()
{
    static const auto table =
        testsupport::loadProfileVectors(win32test::programDirectory() + "profile-vectors.tsv");
    return table;
}

// The rows on which wine's service is known to give the Windows answer.
std::vector<ProfileVector> rowsSameUnderWine()
{
    std::vector<ProfileVector> rows;
    for (const ProfileVector& row : vectorTable().rows) {
        if (row.sameUnderWine) {
            rows.push_back(row);
        }
    }
    return rows;
}

TEST(Win32ProfileVectorFile, ReadsWithRowsToCheck)
{
    ASSERT_TRUE(vectorTable().errors.empty()) << vectorTable().errors.front();
    EXPECT_GT(rowsSameUnderWine().size(), 50U);
}

class Win32ProfileString : public testing::TestWithParam<ProfileVector> {};

TEST_P(Win32ProfileString, MatchesTheTable)
{
    const ProfileVector& row = GetParam();
    TempDir dir;
    const std::string path = dir.path() + "Option.ini";
    if (row.fileBytes) {
        win32test::writeFile(path, *row.fileBytes);
    }
    EXPECT_EQ(Win32OsServices().readProfileString(path, row.section, row.key, row.defaultValue),
              row.expected);
}

INSTANTIATE_TEST_SUITE_P(Vectors, Win32ProfileString, testing::ValuesIn(rowsSameUnderWine()),
                         [](const testing::TestParamInfo<ProfileVector>& row) {
                             return row.param.name;
                         });

// A window of this process that is never shown, made and destroyed with the test.
class HiddenWindow {
public:
    explicit HiddenWindow(const char* title)
        : m_window(CreateWindowExA(0, "STATIC", title, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                   nullptr, nullptr, GetModuleHandleA(nullptr), nullptr))
    {
    }
    ~HiddenWindow() { destroy(); }
    HiddenWindow(const HiddenWindow&) = delete;
    HiddenWindow& operator=(const HiddenWindow&) = delete;
    HiddenWindow(HiddenWindow&&) = delete;
    HiddenWindow& operator=(HiddenWindow&&) = delete;

    [[nodiscard]] HWND handle() const { return m_window; }
    void destroy()
    {
        if (m_window != nullptr) {
            DestroyWindow(m_window);
            m_window = nullptr;
        }
    }

private:
    HWND m_window;
};

TEST(Win32WindowExists, HiddenWindowByWholeTitleInAnyCase)
{
    Win32OsServices os;
    HiddenWindow window("Data Burner Wizard");
    ASSERT_NE(window.handle(), nullptr) << "no window: is there a display?";
    ASSERT_FALSE(IsWindowVisible(window.handle()));

    EXPECT_TRUE(os.windowExists("Data Burner Wizard"));
    EXPECT_TRUE(os.windowExists("DATA BURNER wizard"));
    EXPECT_FALSE(os.windowExists("Data Burner"));
    EXPECT_FALSE(os.windowExists("Burner Wizard"));
    EXPECT_FALSE(os.windowExists("Data Burner Wizard "));

    window.destroy();
    EXPECT_FALSE(os.windowExists("Data Burner Wizard"));
}

TEST(Win32WindowExists, WindowOfAnotherProcessUntilItCloses)
{
    TempDir dir;
    const std::string helper = dir.path() + "ImageBurner.exe";
    win32test::placeHelper(helper);
    const char* title = "Image Burning Wizard";
    win32test::Process process(win32test::quoted(helper) + " window \"" + title + '"');
    ASSERT_EQ(win32test::waitForRecord(helper)["window"], "ready");

    Win32OsServices os;
    EXPECT_TRUE(os.windowExists(title));
    EXPECT_TRUE(os.windowExists("image burning WIZARD"));
    EXPECT_FALSE(os.windowExists("Image Burning"));

    HWND window = FindWindowA(nullptr, title);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    EXPECT_NE(owner, GetCurrentProcessId());
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(process.waitForExit());
    EXPECT_FALSE(os.windowExists(title));
}

} // namespace
