#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Window titles as sequences of characters, decoded from the encodings X clients use, and
// compared the way the Windows window lookup compares them.

// Strict UTF-8; nothing when the bytes are not UTF-8.
std::optional<std::u32string> decodeUtf8(std::string_view bytes);

// ISO 8859-1: every byte is the character of the same number.
std::u32string decodeLatin1(std::string_view bytes);

// COMPOUND_TEXT as X clients write it: ASCII and Latin-1 halves, and UTF-8 segments. Other
// character sets cannot be compared with our titles, so they yield nothing.
std::optional<std::u32string> decodeCompoundText(std::string_view bytes);

// A title of ours: UTF-8 when it is valid UTF-8, else Latin-1.
std::u32string decodeOwnTitle(std::string_view bytes);

// Equal length and equal after upper-casing each character on its own, with the fixed case
// mapping of Unicode rather than the rules of any language.
bool sameTitleIgnoringCase(std::u32string_view a, std::u32string_view b);

} // namespace platform
