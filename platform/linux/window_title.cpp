#include "platform/linux/window_title.h"

#include <clocale>
#include <cwctype>
#include <locale.h>

namespace platform {

namespace {

constexpr char Escape = '\x1b';

// Length of the UTF-8 sequence that starts with lead, 0 for a byte no sequence starts with.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

char32_t upperCase(char32_t c)
{
    if (c < 0x80)
        return (c >= U'a' && c <= U'z') ? c - 0x20 : c;
    // The built-in C.UTF-8 locale holds the case table of Unicode and no language's rules.
    static const locale_t table = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    if (table != locale_t{})
        return static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), table));
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 0x20;
    return c == 0xFF ? char32_t{0x178} : c;
}

} // namespace

std::optional<std::u32string> decodeUtf8(std::string_view bytes)
{
    std::u32string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = sequenceLength(lead);
        if (length == 0 || i + static_cast<std::size_t>(length) > bytes.size())
            return std::nullopt;
        if (length == 1) {
            text += lead;
            ++i;
            continue;
        }
        char32_t c = lead & (0x7Fu >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            c = (c << 6) | (next & 0x3Fu);
        }
        // Overlong forms, surrogates and values past the last character are no UTF-8.
        const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return std::nullopt;
        text += c;
        i += static_cast<std::size_t>(length);
    }
    return text;
}

std::u32string decodeLatin1(std::string_view bytes)
{
    std::u32string text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text += static_cast<unsigned char>(byte);
    return text;
}

std::optional<std::u32string> decodeCompoundText(std::string_view bytes)
{
    std::u32string text;
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (bytes[i] != Escape) {
            const std::size_t next = bytes.find(Escape, i);
            const std::string_view run = bytes.substr(i, next - i);
            for (const char byte : run) {
                // 0x80-0x9F are control codes of the encoding (0x9B starts a direction change).
                const auto c = static_cast<unsigned char>(byte);
                if (c >= 0x80 && c < 0xA0)
                    return std::nullopt;
            }
            text += decodeLatin1(run);
            i = next == std::string_view::npos ? bytes.size() : next;
            continue;
        }
        const std::string_view rest = bytes.substr(i);
        if (rest.starts_with("\x1b(B") || rest.starts_with("\x1b-A")) {
            i += 3; // ASCII left half, Latin-1 right half: the initial state
        } else if (rest.starts_with("\x1b%G")) {
            const std::size_t close = bytes.find("\x1b%@", i + 3);
            const std::size_t stop = close == std::string_view::npos ? bytes.size() : close;
            const auto segment = decodeUtf8(bytes.substr(i + 3, stop - i - 3));
            if (!segment)
                return std::nullopt;
            text += *segment;
            i = close == std::string_view::npos ? bytes.size() : close + 3;
        } else {
            return std::nullopt;
        }
    }
    return text;
}

std::u32string decodeOwnTitle(std::string_view bytes)
{
    if (auto text = decodeUtf8(bytes))
        return std::move(*text);
    return decodeLatin1(bytes);
}

bool sameTitleIgnoringCase(std::u32string_view a, std::u32string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && upperCase(a[i]) != upperCase(b[i]))
            return false;
    }
    return true;
}

} // namespace platform
