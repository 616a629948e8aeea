#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/profile_string.h"

namespace testsupport {

// A platform that records every request of the core. Files and windows are whatever the test
// puts in the sets; profile strings come from real files through the portable reader.
class RecordingPlatform final : public platform::Platform {
public:
    struct ShellRequest {
        std::string file;
        std::string parameters;
        bool operator==(const ShellRequest&) const = default;
    };
    struct Box {
        std::string text;
        std::string caption;
        bool operator==(const Box&) const = default;
    };

    char separator = '/';
    std::string exePath = "/opt/suite/launcher";
    std::set<std::string> files;
    std::set<std::string> windows;
    // Titles removed after this many more windowExists calls (for closing mid-tick).
    int closeAfterQueries = -1;

    std::vector<ShellRequest> shellRequests;
    std::vector<Box> boxes;
    std::vector<std::string> queries;
    std::vector<std::string> events; // "hide", "show", "timer on", "timer off"
    bool timerOn = false;
    bool visible = true;

    [[nodiscard]] char pathSeparator() const override { return separator; }
    [[nodiscard]] std::string executablePath() override { return exePath; }
    [[nodiscard]] bool fileExists(const std::string& path) override
    {
        return files.contains(path);
    }
    [[nodiscard]] std::string readProfileString(const std::string& path, const std::string& section,
                                                const std::string& key,
                                                const std::string& defaultValue) override
    {
        return platform::ReadProfileString(path, section, key, defaultValue);
    }
    void shellOpen(const std::string& file, const std::string& parameters) override
    {
        shellRequests.push_back({file, parameters});
    }
    [[nodiscard]] bool windowExists(const std::string& title) override
    {
        queries.push_back(title);
        const bool found = windows.contains(title);
        if (closeAfterQueries >= 0 && closeAfterQueries-- == 0) {
            windows.clear();
        }
        return found;
    }
    void messageBox(const std::string& text, const std::string& caption) override
    {
        boxes.push_back({text, caption});
    }
    void hideMainWindow() override
    {
        events.emplace_back("hide");
        visible = false;
    }
    void showMainWindow() override
    {
        events.emplace_back("show");
        visible = true;
    }
    void setTimerEnabled(bool enabled) override
    {
        events.emplace_back(enabled ? "timer on" : "timer off");
        timerOn = enabled;
    }
};

} // namespace testsupport
