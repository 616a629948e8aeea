#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"

namespace platform {

class X11WindowFinder;

// The OS services on Linux: POSIX for files and processes, X11 for the window list.
class LinuxOsServices final : public OsServices {
public:
    LinuxOsServices();
    ~LinuxOsServices() override;
    LinuxOsServices(const LinuxOsServices&) = delete;
    LinuxOsServices& operator=(const LinuxOsServices&) = delete;

    [[nodiscard]] char pathSeparator() const override { return '/'; }
    [[nodiscard]] std::string executablePath() override;
    [[nodiscard]] bool fileExists(const std::string& path) override;
    [[nodiscard]] std::string readProfileString(const std::string& path, const std::string& section,
                                                const std::string& key,
                                                const std::string& defaultValue) override;
    void shellOpen(const std::string& file, const std::string& parameters) override;
    [[nodiscard]] bool windowExists(const std::string& title) override;

private:
    // Connected on the first lookup, so a program that never looks needs no X server.
    std::unique_ptr<X11WindowFinder> m_windows;
};

} // namespace platform
