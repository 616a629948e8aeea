#include "platform/profile_string.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace platform {
namespace {

// The caller's buffer holds 2048 bytes including the terminating NUL.
constexpr std::size_t MaxValueLength = 2047;
constexpr std::size_t ChunkSize = std::size_t{64} * 1024;
constexpr int EndOfFile = -1;

using Chunk = std::array<char, ChunkSize>;

bool isBlank(int c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1a';
}

bool isLineEnd(int c)
{
    return c == '\r' || c == '\n' || c == EndOfFile;
}

bool isQuote(char c)
{
    return c == '"' || c == '\'';
}

char foldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// What a C caller passes: the text up to its first NUL.
std::string_view asCString(const std::string& text)
{
    return {text.c_str()};
}

std::string_view trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string_view stripQuotePair(std::string_view text)
{
    if (text.size() >= 2 && isQuote(text.front()) && text.back() == text.front()) {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

// Cuts UTF-8 text to at most limit bytes without splitting a character.
std::size_t utf8Boundary(std::string_view text, std::size_t limit)
{
    if (text.size() <= limit) {
        return text.size();
    }
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    return end;
}

void appendUtf8(std::vector<char>& out, char32_t code)
{
    const auto put = [&out](unsigned value) { out.push_back(static_cast<char>(value)); };
    if (code < 0x80) {
        put(code);
    } else if (code < 0x800) {
        put(0xC0 | (code >> 6));
        put(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        put(0xE0 | (code >> 12));
        put(0x80 | ((code >> 6) & 0x3F));
        put(0x80 | (code & 0x3F));
    } else {
        put(0xF0 | (code >> 18));
        put(0x80 | ((code >> 12) & 0x3F));
        put(0x80 | ((code >> 6) & 0x3F));
        put(0x80 | (code & 0x3F));
    }
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The file as a stream of bytes, read a chunk at a time. A file that starts with a UTF-16
// byte-order mark comes out as UTF-8; a UTF-8 mark is dropped.
class ByteStream {
public:
    explicit ByteStream(std::FILE* file)
        : m_file(file), m_raw(std::make_unique_for_overwrite<Chunk>())
    {
        start();
    }

    [[nodiscard]] bool failed() const { return m_failed; }
    [[nodiscard]] bool isUnicode() const { return m_encoding != Encoding::Bytes; }

    int get()
    {
        if (m_pos == m_end && !refill()) {
            return EndOfFile;
        }
        return static_cast<unsigned char>(m_data[m_pos++]);
    }

    // Consumes the rest of the current line, its line-end byte included.
    void skipLine()
    {
        for (;;) {
            const char* begin = m_data + m_pos;
            const char* end = m_data + m_end;
            const auto* hit =
                std::find_if(begin, end, [](char c) { return c == '\r' || c == '\n'; });
            m_pos += static_cast<std::size_t>(hit - begin);
            if (hit != end) {
                ++m_pos;
                return;
            }
            if (!refill()) {
                return;
            }
        }
    }

private:
    enum class Encoding { Bytes, Utf8, Utf16Le, Utf16Be };

    [[nodiscard]] bool isUtf16() const
    {
        return m_encoding == Encoding::Utf16Le || m_encoding == Encoding::Utf16Be;
    }

    void start()
    {
        if (!readRaw()) {
            return;
        }
        const auto starts = [this](std::string_view mark) {
            return m_rawEnd >= mark.size() && std::equal(mark.begin(), mark.end(), m_raw->data());
        };
        if (starts("\xEF\xBB\xBF")) {
            m_encoding = Encoding::Utf8;
            m_pos = 3;
        } else if (starts("\xFF\xFE")) {
            m_encoding = Encoding::Utf16Le;
        } else if (starts("\xFE\xFF")) {
            m_encoding = Encoding::Utf16Be;
        }
        if (isUtf16()) {
            m_rawPos = 2;
            decode();
        } else {
            m_end = m_rawEnd;
        }
    }

    bool readRaw()
    {
        m_rawEnd = std::fread(m_raw->data(), 1, ChunkSize, m_file);
        m_rawPos = 0;
        if (std::ferror(m_file) != 0) {
            m_failed = true;
            m_rawEnd = 0;
        }
        return m_rawEnd > 0;
    }

    bool refill()
    {
        if (!isUtf16()) {
            m_pos = 0;
            m_end = readRaw() ? m_rawEnd : 0;
            return m_end > 0;
        }
        // A chunk may hold nothing but half of a code unit or a high surrogate.
        m_pos = m_end = 0;
        while (m_end == 0) {
            if (!readRawKeepingTail()) {
                return false;
            }
            decode();
        }
        return true;
    }

    // Reads the next chunk behind the odd byte the last one may have left.
    bool readRawKeepingTail()
    {
        const std::size_t tail = m_rawEnd - m_rawPos;
        std::copy(m_raw->data() + m_rawPos, m_raw->data() + m_rawEnd, m_raw->data());
        const std::size_t got = std::fread(m_raw->data() + tail, 1, ChunkSize - tail, m_file);
        if (std::ferror(m_file) != 0) {
            m_failed = true;
            return false;
        }
        m_rawPos = 0;
        m_rawEnd = tail + got;
        return got > 0;
    }

    void decode()
    {
        m_decoded.clear();
        const bool littleEndian = m_encoding == Encoding::Utf16Le;
        while (m_rawEnd - m_rawPos >= 2) {
            const auto lo = static_cast<unsigned char>((*m_raw)[m_rawPos + (littleEndian ? 0 : 1)]);
            const auto hi = static_cast<unsigned char>((*m_raw)[m_rawPos + (littleEndian ? 1 : 0)]);
            m_rawPos += 2;
            const auto unit = static_cast<char32_t>(lo | (hi << 8));
            if (m_highSurrogate != 0) {
                const char32_t high = m_highSurrogate;
                m_highSurrogate = 0;
                if (unit >= 0xDC00 && unit <= 0xDFFF) {
                    appendUtf8(m_decoded, 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
                    continue;
                }
                appendUtf8(m_decoded, ReplacementCharacter);
            }
            if (unit >= 0xD800 && unit <= 0xDBFF) {
                m_highSurrogate = unit;
            } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
                appendUtf8(m_decoded, ReplacementCharacter);
            } else {
                appendUtf8(m_decoded, unit);
            }
        }
        m_data = m_decoded.data();
        m_end = m_decoded.size();
    }

    static constexpr char32_t ReplacementCharacter = 0xFFFD;

    std::FILE* m_file;
    std::unique_ptr<Chunk> m_raw; // left uninitialised: a small file fills few of its bytes
    std::size_t m_rawPos = 0;
    std::size_t m_rawEnd = 0;
    std::vector<char> m_decoded;
    char32_t m_highSurrogate = 0;
    const char* m_data = m_raw->data();
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    Encoding m_encoding = Encoding::Bytes;
    bool m_failed = false;
};

// Compares a name of the file with the wanted one while its bytes stream past, so a name of
// any length costs no memory. The file's name counts from its first to its last non-blank and
// ends at a NUL, the way a C string compare would see it.
class NameMatcher {
public:
    explicit NameMatcher(std::string_view wanted) : m_wanted(wanted) {}

    void push(int c)
    {
        if (m_ended || m_mismatch) {
            return;
        }
        if (isBlank(c)) {
            if (!m_started) {
                return;
            }
            // A blank counts only if a non-blank follows it; until then it is held tentatively.
            const std::size_t at = m_matched + m_heldBlanks;
            if (!m_heldBroken && at < m_wanted.size() && m_wanted[at] == static_cast<char>(c)) {
                ++m_heldBlanks;
            } else {
                m_heldBroken = true;
            }
            return;
        }
        m_started = true;
        if (m_heldBroken) {
            m_mismatch = true;
            return;
        }
        m_matched += m_heldBlanks;
        m_heldBlanks = 0;
        if (c == '\0') {
            m_ended = true;
            return;
        }
        const char ch = static_cast<char>(c);
        if (m_matched < m_wanted.size() && foldAscii(m_wanted[m_matched]) == foldAscii(ch)) {
            ++m_matched;
        } else {
            m_mismatch = true;
        }
    }

    [[nodiscard]] bool matches() const { return !m_mismatch && m_matched == m_wanted.size(); }

private:
    std::string_view m_wanted;
    std::size_t m_matched = 0;
    std::size_t m_heldBlanks = 0;
    bool m_heldBroken = false;
    bool m_started = false;
    bool m_ended = false;
    bool m_mismatch = false;
};

// Keeps what a value can return: the bytes from its first non-blank, as many as a quoted value
// of the longest length needs; the rest of the line only moves the end of the trimmed text.
class ValueCollector {
public:
    void push(int c)
    {
        if (isBlank(c) && m_length == 0) {
            return;
        }
        ++m_seen;
        if (!isBlank(c)) {
            m_length = m_seen;
            m_last = static_cast<char>(c);
        }
        if (m_head.size() < MaxValueLength + 1) {
            m_head.push_back(static_cast<char>(c));
        }
    }

    [[nodiscard]] std::string result(bool unicode) const
    {
        std::string_view text(m_head.data(), std::min(m_head.size(), m_length));
        std::size_t length = m_length;
        if (m_length >= 2 && isQuote(m_head.front()) && m_last == m_head.front()) {
            text.remove_prefix(1);
            length -= 2;
        }
        text = text.substr(0, std::min(length, text.size()));
        text = text.substr(0, text.find('\0'));
        const std::size_t end =
            unicode ? utf8Boundary(text, MaxValueLength) : std::min(text.size(), MaxValueLength);
        return std::string(text.substr(0, end));
    }

private:
    std::string m_head;
    std::size_t m_seen = 0;   // bytes from the first non-blank on
    std::size_t m_length = 0; // of those, up to the last non-blank
    char m_last = '\0';
};

std::optional<std::string> findValue(ByteStream& in, std::string_view section, std::string_view key)
{
    bool inSection = false;
    for (;;) {
        int c = in.get();
        while (isBlank(c)) {
            c = in.get();
        }
        if (c == EndOfFile) {
            return std::nullopt;
        }
        if (c == '\r' || c == '\n') {
            continue;
        }
        if (c == ';') {
            in.skipLine();
            continue;
        }
        if (c == '[') {
            // Only the first section of a name is searched: once it ends the answer is known.
            if (inSection) {
                return std::nullopt;
            }
            NameMatcher name(section);
            for (c = in.get(); !isLineEnd(c) && c != ']'; c = in.get()) {
                name.push(c);
            }
            if (c == ']') {
                in.skipLine();
            }
            inSection = name.matches();
            continue;
        }
        if (!inSection) {
            in.skipLine();
            continue;
        }
        NameMatcher name(key);
        for (; !isLineEnd(c) && c != '='; c = in.get()) {
            name.push(c);
        }
        if (c != '=') {
            continue; // a line without '=' holds no value
        }
        if (!name.matches()) {
            in.skipLine();
            continue;
        }
        ValueCollector value;
        for (c = in.get(); !isLineEnd(c); c = in.get()) {
            value.push(c);
        }
        if (in.failed()) {
            return std::nullopt;
        }
        return value.result(in.isUnicode());
    }
}

std::string defaultResult(const std::string& defaultValue)
{
    std::string_view text = asCString(defaultValue);
    text = text.substr(0, text.find_last_not_of(' ') + 1);
    text = stripQuotePair(text);
    return std::string(text.substr(0, MaxValueLength));
}

} // namespace

std::string ReadProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue)
{
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return defaultResult(defaultValue);
    }
    // The stream reads whole chunks itself; a second buffer below it would only copy.
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    ByteStream in(file.get());
    const auto found = findValue(in, trimSpaces(asCString(section)), trimSpaces(asCString(key)));
    if (!found || in.failed()) {
        return defaultResult(defaultValue);
    }
    return *found;
}

} // namespace platform
