#pragma once

#include <string>

// Everything the launcher core needs from the system. Texts are single-byte strings, passed
// through as they stand; no operation reports an error to the core.
namespace platform {

// Services of the operating system: files, processes, the window list.
class OsServices {
public:
    virtual ~OsServices() = default;

    // The separator of directory paths on this system: '\\' on Windows, '/' elsewhere.
    [[nodiscard]] virtual char pathSeparator() const = 0;

    // Full path of the running executable.
    [[nodiscard]] virtual std::string executablePath() = 0;

    // True only for an existing regular file; a directory, a device or a dangling link is not one.
    [[nodiscard]] virtual bool fileExists(const std::string& path) = 0;

    // The private-profile lookup of Windows: value of key in section of the INI file at the
    // absolute path, or the default; never fails.
    [[nodiscard]] virtual std::string readProfileString(const std::string& path,
                                                        const std::string& section,
                                                        const std::string& key,
                                                        const std::string& defaultValue) = 0;

    // Opens file with the verb "open", the given parameter text, no working directory of its own
    // and the normal show state; returns at once and reports nothing.
    virtual void shellOpen(const std::string& file, const std::string& parameters) = 0;

    // True when a top-level window of any process, visible or hidden, has exactly this title,
    // compared as a whole and without regard to letter case.
    [[nodiscard]] virtual bool windowExists(const std::string& title) = 0;
};

// Services of the desktop session that belong to the launcher's own main window.
class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    // Modal box owned by the main window, information icon and one OK button; returns after OK.
    virtual void messageBox(const std::string& text, const std::string& caption) = 0;

    // Hiding a hidden window does nothing.
    virtual void hideMainWindow() = 0;

    // Shows the main window and brings it to the front.
    virtual void showMainWindow() = 0;

    // The 100 ms timer that drives the watcher on the UI thread. Enabling an enabled timer
    // neither restarts nor doubles it.
    virtual void setTimerEnabled(bool enabled) = 0;
};

// The whole interface the core is given.
class Platform : public OsServices, public DesktopServices {};

} // namespace platform
