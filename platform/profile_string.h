#pragma once

#include <string>

namespace platform {

// Reads one value from a Windows-style INI file by the rules of GetPrivateProfileStringA with a
// 2048-byte buffer, for systems that have no private-profile service. Never fails: a missing or
// unreadable file yields the default.
std::string ReadProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue);

} // namespace platform
