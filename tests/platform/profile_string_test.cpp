#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/profile_string.h"
#include "tests/support/profile_vectors.h"

namespace fs = std::filesystem;

namespace {

using testsupport::ProfileVector;
using VectorTable = testsupport::ProfileVectorTable;

const VectorTable& vectorTable()
{
    static const VectorTable table = testsupport::loadProfileVectors(KV_PROFILE_VECTORS);
    return table;
}

// A directory of its own for each test, removed with it.
class TempDir {
public:
    TempDir()
    {
        static std::atomic<unsigned> counter{0};
        std::random_device random;
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        for (;;) {
            std::ostringstream name;
            name << "kv-profile-" << stamp << '-' << random() << '-' << counter++;
            m_path = fs::temp_directory_path() / name.str();
            if (fs::create_directory(m_path)) {
                return;
            }
        }
    }
    ~TempDir()
    {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    TempDir(TempDir&&) = delete;
    TempDir& operator=(TempDir&&) = delete;

    [[nodiscard]] std::string file(const std::string& name) const
    {
        return (m_path / name).string();
    }

    [[nodiscard]] std::string write(const std::string& name, const std::string& bytes) const
    {
        std::string path = file(name);
        std::ofstream out(path, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            throw std::runtime_error("cannot write " + path);
        }
        return path;
    }

private:
    fs::path m_path;
};

TEST(ProfileVectorFile, EveryRowDecodes)
{
    const VectorTable& table = vectorTable();
    EXPECT_TRUE(table.errors.empty()) << table.errors.front();
    EXPECT_FALSE(table.rows.empty());
}

class ProfileVectorTest : public ::testing::TestWithParam<ProfileVector> {};

TEST_P(ProfileVectorTest, ReadsFromRealFile)
{
    const ProfileVector& vector = GetParam();
    TempDir dir;
    const std::string path =
        vector.fileBytes ? dir.write("Option.ini", *vector.fileBytes) : dir.file("Option.ini");
    EXPECT_EQ(platform::ReadProfileString(path, vector.section, vector.key, vector.defaultValue),
              vector.expected);
}

INSTANTIATE_TEST_SUITE_P(Vectors, ProfileVectorTest, ::testing::ValuesIn(vectorTable().rows),
                         [](const ::testing::TestParamInfo<ProfileVector>& row) {
                             return row.param.name;
                         });

TEST(ProfileString, DirectoryYieldsDefault)
{
    TempDir dir;
    const std::string path = dir.file("Option.ini");
    fs::create_directory(path);
    EXPECT_EQ(platform::ReadProfileString(path, "General", "Version", "1.8"), "1.8");
}

TEST(ProfileString, UnreadableFileYieldsDefault)
{
    TempDir dir;
    const std::string path = dir.write("locked.ini", "[General]\r\nVersion=2.0\r\n");
    fs::permissions(path, fs::perms::none);
    if (std::ifstream(path).is_open()) {
        GTEST_SKIP() << "this user reads files without read permission (root), so no file here is "
                        "unreadable";
    }
    EXPECT_EQ(platform::ReadProfileString(path, "General", "Version", "1.8"), "1.8");
}

// Blanks inside a name are part of it, byte for byte; only those at its ends are dropped.
TEST(ProfileString, BlanksInsideNamesMustMatch)
{
    TempDir dir;
    const std::string path = dir.write(
        "Option.ini", "[my  sec]\r\nk=section\r\n[s]\r\nmy\tkey=tab\r\na b \t =spaced\r\n");
    EXPECT_EQ(platform::ReadProfileString(path, "my  sec", "k", "DEF"), "section");
    EXPECT_EQ(platform::ReadProfileString(path, "my sec", "k", "DEF"), "DEF");
    EXPECT_EQ(platform::ReadProfileString(path, "s", "my\tkey", "DEF"), "tab");
    EXPECT_EQ(platform::ReadProfileString(path, "s", "my key", "DEF"), "DEF");
    EXPECT_EQ(platform::ReadProfileString(path, "s", "a b", "DEF"), "spaced");
    EXPECT_EQ(platform::ReadProfileString(path, "s", "a b ", "DEF"), "spaced");
    EXPECT_EQ(platform::ReadProfileString(path, "s", "a  b", "DEF"), "DEF");
}

std::string toUtf16Le(const std::u16string& text)
{
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

// Text from a marked file is UTF-8, so the buffer limit never leaves half a character behind;
// unmarked bytes are cut where the limit falls, as the Windows service does.
TEST(ProfileString, LimitCutsMarkedTextAtCharacterBoundary)
{
    TempDir dir;
    const std::string value = std::string(2046, 'a') + "\xC3\xA9";
    const std::string marked = dir.write("marked.ini", "\xEF\xBB\xBF[s]\r\nk=" + value + "\r\n");
    EXPECT_EQ(platform::ReadProfileString(marked, "s", "k", "DEF"), std::string(2046, 'a'));

    // U+20AC takes three bytes in UTF-8.
    const std::string utf16 =
        dir.write("wide.ini", toUtf16Le(u"[s]\r\nk=" + std::u16string(2046, u'a') + u"\u20AC\r\n"));
    EXPECT_EQ(platform::ReadProfileString(utf16, "s", "k", "DEF"), std::string(2046, 'a'));

    const std::string plain = dir.write("plain.ini", "[s]\r\nk=" + value + "\r\n");
    EXPECT_EQ(platform::ReadProfileString(plain, "s", "k", "DEF"), std::string(2046, 'a') + "\xC3");
}

// The reader takes the file in pieces; a name, a value or a character split between two of them
// must read the same. The padding walks the split across every byte of the text that follows.
TEST(ProfileString, TextAcrossReadBoundaries)
{
    TempDir dir;
    for (std::size_t pad = 65500; pad < 65560; ++pad) {
        const std::string bytes =
            "[pad]\r\n;" + std::string(pad, '-') + "\r\n[s]\r\nkey=\"value\"\r\n";
        const std::string path = dir.write("split.ini", bytes);
        ASSERT_EQ(platform::ReadProfileString(path, "s", "key", "DEF"), "value") << pad;
    }
    // U+20AC, then U+1D11E as a surrogate pair, then a plain letter.
    const std::u16string value = u"\u20AC\U0001D11Ex";
    for (std::size_t pad = 32740; pad < 32780; ++pad) {
        const std::u16string text =
            u"[pad]\r\n;" + std::u16string(pad, u'-') + u"\r\n[s]\r\nk=" + value + u"\r\n";
        const std::string path = dir.write("split16.ini", toUtf16Le(text));
        ASSERT_EQ(platform::ReadProfileString(path, "s", "k", "DEF"),
                  "\xE2\x82\xAC\xF0\x9D\x84\x9Ex")
            << pad;
    }
}

TEST(ProfileString, LargeFile)
{
    TempDir dir;
    const std::string path = dir.file("large.ini");
    {
        std::ofstream out(path, std::ios::binary);
        out << "[General]\r\nVersion=2.0\r\n";
        const std::string line = "Entry=" + std::string(90, 'e') + "\r\n";
        for (std::size_t written = 0; written < std::size_t{50} * 1024 * 1024;
             written += line.size()) {
            out << line;
        }
        out << "Last=end\r\n[Other]\r\nk=v\r\n";
        ASSERT_TRUE(out.good());
    }
    EXPECT_EQ(platform::ReadProfileString(path, "General", "Version", "1.8"), "2.0");
    EXPECT_EQ(platform::ReadProfileString(path, "General", "Last", "none"), "end");
    EXPECT_EQ(platform::ReadProfileString(path, "Other", "k", "none"), "v");
    EXPECT_EQ(platform::ReadProfileString(path, "Missing", "k", "none"), "none");
}

} // namespace
