#pragma once

#include <fstream>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

// One row of the profile-string vector table: the file's bytes (none: no file), the query, the
// answer, and whether wine's own service gives that answer too.
struct ProfileVector {
    std::string name;
    std::optional<std::string> fileBytes;
    std::string section;
    std::string key;
    std::string defaultValue;
    std::string expected;
    bool sameUnderWine = false;
};

inline void PrintTo(const ProfileVector& vector, std::ostream* out)
{
    *out << vector.name;
}

struct ProfileVectorTable {
    std::vector<ProfileVector> rows;
    std::vector<std::string> errors;
};

namespace detail {

inline int hexDigit(char c)
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

inline std::string decodeEscapes(const std::string& text)
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

inline std::vector<std::string> splitTabs(const std::string& line)
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

} // namespace detail

// Reads the table: tab-separated, C-escaped fields, '#' lines are comments, the first other
// line names the columns.
inline ProfileVectorTable loadProfileVectors(const std::string& path)
{
    ProfileVectorTable table;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        table.errors.push_back("cannot open " + path);
        return table;
    }
    std::string line;
    bool headerSeen = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const auto fields = detail::splitTabs(line);
        if (fields.size() != 7) {
            table.errors.push_back("not 7 fields: " + line.substr(0, 60));
            continue;
        }
        if (!headerSeen) {
            headerSeen = true; // case, file_bytes, section, key, default, expected, wine
            continue;
        }
        if (fields[6] != "same" && fields[6] != "differs") {
            table.errors.push_back(fields[0] + ": wine column is neither same nor differs");
            continue;
        }
        try {
            ProfileVector row;
            row.name = fields[0];
            if (fields[1] != "<MISSING>") {
                row.fileBytes = detail::decodeEscapes(fields[1]);
            }
            row.section = detail::decodeEscapes(fields[2]);
            row.key = detail::decodeEscapes(fields[3]);
            row.defaultValue = detail::decodeEscapes(fields[4]);
            row.expected = detail::decodeEscapes(fields[5]);
            row.sameUnderWine = fields[6] == "same";
            table.rows.push_back(std::move(row));
        } catch (const std::exception& error) {
            table.errors.push_back(fields[0] + ": " + error.what());
        }
    }
    return table;
}

} // namespace testsupport
