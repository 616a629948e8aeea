#pragma once

#include "platform/platform.h"

namespace platform {

// Joins an OS backend and the desktop services into the one interface the core takes.
class ComposedPlatform final : public Platform {
public:
    ComposedPlatform(OsServices& os, DesktopServices& desktop) : m_os(os), m_desktop(desktop) {}

    [[nodiscard]] char pathSeparator() const override { return m_os.pathSeparator(); }
    [[nodiscard]] std::string executablePath() override { return m_os.executablePath(); }
    [[nodiscard]] bool fileExists(const std::string& path) override { return m_os.fileExists(path); }
    [[nodiscard]] std::string readProfileString(const std::string& path, const std::string& section,
                                                const std::string& key,
                                                const std::string& defaultValue) override
    {
        return m_os.readProfileString(path, section, key, defaultValue);
    }
    void shellOpen(const std::string& file, const std::string& parameters) override
    {
        m_os.shellOpen(file, parameters);
    }
    [[nodiscard]] bool windowExists(const std::string& title) override
    {
        return m_os.windowExists(title);
    }

    void messageBox(const std::string& text, const std::string& caption) override
    {
        m_desktop.messageBox(text, caption);
    }
    void hideMainWindow() override { m_desktop.hideMainWindow(); }
    void showMainWindow() override { m_desktop.showMainWindow(); }
    void setTimerEnabled(bool enabled) override { m_desktop.setTimerEnabled(enabled); }

private:
    OsServices& m_os;
    DesktopServices& m_desktop;
};

} // namespace platform
