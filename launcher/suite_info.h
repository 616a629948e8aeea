#pragma once

#include <string>

#include "platform/platform.h"

namespace launcher {

// The start-up values; read-only once made.
struct SuiteInfo {
    std::string installDirectory; // ends in the platform's separator
    std::string versionText;
    std::string productName;
    std::string webAddress;
    std::string companyName;
    std::string yearsText;
    std::string helpFile;
    std::string launchToken;
};

struct StartupValues {
    SuiteInfo suite;
    std::string caption; // "<product name> V<version text>"
};

inline constexpr const char* SettingsFileName = "Option.ini";
inline constexpr const char* HelpFileName = "Korvalen.hlp";
inline constexpr const char* DefaultVersionText = "1.8";

// The text unchanged when it ends in the separator, else the text followed by one separator.
std::string EnsureTrailingBackslash(const std::string& text, char separator = '\\');

// Everything before the last separator; a root ("C:\", "\", "/") keeps its separator.
// Empty when the path has no separator at all.
std::string DirectoryOf(const std::string& path, char separator);

// Works out the start-up values from the executable's place and its Option.ini. The command
// line is never read.
StartupValues ReadStartupValues(platform::OsServices& os);

} // namespace launcher
