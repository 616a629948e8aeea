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

namespace fs = std::filesystem;

namespace {

// One row of the vector table: the file's bytes (none: no file), the query and the answer.
struct ProfileVector {
    std::string name;
    std::optional<std::string> fileBytes;
    std::string section;
    std::string key;
    std::string defaultValue;
    std::string expected;
};

void PrintTo(const ProfileVector& vector, std::ostream* out)
{
    *out << vector.name;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::string decodeEscapes(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out.push_back(text[i]);
            continue;
        }
        if (++i == text.size()) {
            throw std::runtime_error("escape at end of field: " + text);
        }
        const char c = text[i];
        if (c >= '0' && c <= '7') {
            int value = 0;
            for (int digits = 0; digits < 3 && i < text.size() && text[i] >= '0' && text[i] <= '7';
                 ++digits, ++i) {
                value = value * 8 + (text[i] - '0');
            }
            --i;
            out.push_back(static_cast<char>(value));
            continue;
        }
        if (c == 'x') {
            int value = 0;
            while (i + 1 < text.size() && hexDigit(text[i + 1]) >= 0) {
                value = value * 16 + hexDigit(text[++i]);
            }
            out.push_back(static_cast<char>(value));
            continue;
        }
        switch (c) {
        case 'r':
            out.push_back('\r');
            break;
        case 'n':
            out.push_back('\n');
            break;
        case 't':
            out.push_back('\t');
            break;
        case 'v':
            out.push_back('\v');
            break;
        case 'f':
            out.push_back('\f');
            break;
        case 'a':
            out.push_back('\a');
            break;
        case 'b':
            out.push_back('\b');
            break;
        case '\\':
        case '"':
        case '\'':
        case '?':
            out.push_back(c);
            break;
        default:
            throw std::runtime_error("unknown escape in field: " + text);
        }
    }
    return out;
}

std::vector<std::string> splitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const auto tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

struct VectorTable {
    std::vector<ProfileVector> rows;
    std::vector<std::string> errors;
};

VectorTable loadVectors()
{
    VectorTable table;
    std::ifstream in(KV_PROFILE_VECTORS, std::ios::binary);
    if (!in) {
        table.errors.emplace_back("cannot open " KV_PROFILE_VECTORS);
        return table;
    }
    std::string line;
    bool headerSeen = false;
    while (std::getline(in, line)) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const auto fields = splitTabs(line);
        if (fields.size() != 7) {
            table.errors.push_back("not 7 fields: " + line.substr(0, 60));
            continue;
        }
        if (!headerSeen) {
            headerSeen = true; // case, file_bytes, section, key, default, expected, wine
            continue;
        }
        try {
            ProfileVector row;
            row.name = fields[0];
            if (fields[1] != "<MISSING>") {
                row.fileBytes = decodeEscapes(fields[1]);
            }
            row.section = decodeEscapes(fields[2]);
            row.key = decodeEscapes(fields[3]);
            row.defaultValue = decodeEscapes(fields[4]);
            row.expected = decodeEscapes(fields[5]);
            table.rows.push_back(std::move(row));
        } catch (const std::exception& error) {
            table.errors.push_back(fields[0] + ": " + error.what());
        }
    }
    return table;
}

const VectorTable& vectorTable()
{
    static const VectorTable table = loadVectors();
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
