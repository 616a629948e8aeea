#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace platform {

// The operating-system services on Windows, through the ANSI Win32 calls.
class Win32OsServices final : public OsServices {
public:
    Win32OsServices() = default;

    // The window that owns what the shell shows for a request (errors, prompts): a native window
    // handle (an HWND, as Qt's winId() gives it), or 0 for none.
    void setOwnerWindow(std::uintptr_t nativeHandle) { m_owner = nativeHandle; }

    [[nodiscard]] char pathSeparator() const override { return '\\'; }
    [[nodiscard]] std::string executablePath() override;
    [[nodiscard]] bool fileExists(const std::string& path) override;
    [[nodiscard]] std::string readProfileString(const std::string& path, const std::string& section,
                                                const std::string& key,
                                                const std::string& defaultValue) override;
    void shellOpen(const std::string& file, const std::string& parameters) override;
    [[nodiscard]] bool windowExists(const std::string& title) override;

private:
    std::uintptr_t m_owner = 0;
};

} // namespace platform
