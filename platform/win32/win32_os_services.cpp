#include "platform/win32/win32_os_services.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include <vector>

namespace platform {

namespace {

// A value of 2047 characters and its terminator: the size the settings have always been read with.
constexpr DWORD ProfileBufferSize = 2048;

// The longest path Windows hands out at all (the \\?\ form), in characters.
constexpr DWORD LongestPath = 32768;

} // namespace

std::string Win32OsServices::executablePath()
{
    // MAX_PATH is only the usual case: a long-path-aware process may sit deeper. A full buffer
    // means the path was cut, so grow it and ask again.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), size);
        if (length == 0) {
            return {};
        }
        if (length < size || size >= LongestPath) {
            return std::string(buffer.data(), length);
        }
        buffer.resize(static_cast<std::size_t>(size) * 2);
    }
}

bool Win32OsServices::fileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string Win32OsServices::readProfileString(const std::string& path, const std::string& section,
                                               const std::string& key,
                                               const std::string& defaultValue)
{
    std::vector<char> buffer(ProfileBufferSize);
    // Section and key are never null here: a null one would list names instead of reading a value.
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(),
                                                  defaultValue.c_str(), buffer.data(),
                                                  ProfileBufferSize, path.c_str());
    return std::string(buffer.data(), length < ProfileBufferSize ? length : ProfileBufferSize - 1);
}

void Win32OsServices::shellOpen(const std::string& file, const std::string& parameters)
{
    // The shell may hand a document to an extension that lives in COM; the GUI thread of the
    // program has it set up already, any other caller gets it for the call.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    // NOLINTNEXTLINE(performance-no-int-to-ptr): the owner is a handle kept as an integer.
    const auto owner = reinterpret_cast<HWND>(m_owner);
    // The result is not examined: a component that does not start simply never shows its window.
    ShellExecuteA(owner, "open", file.c_str(), parameters.empty() ? nullptr : parameters.c_str(),
                  nullptr, SW_SHOWNORMAL);
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
}

bool Win32OsServices::windowExists(const std::string& title)
{
    return FindWindowA(nullptr, title.c_str()) != nullptr;
}

} // namespace platform
