#pragma once

#include <string>

#include "launcher/suite_info.h"
#include "launcher/task_catalogue.h"
#include "platform/platform.h"

namespace launcher {

// Starts components and keeps the main window out of the way while the last launched one has
// its window open. One per run; there is one watch title for the whole program.
class ComponentWatcher {
public:
    enum class State { Idle, Waiting, Watching };

    ComponentWatcher(platform::Platform& platform, const SuiteInfo& suite)
        : m_platform(platform), m_suite(suite)
    {
    }

    // Starts the task's component, or reports it missing and leaves the watch as it was.
    void LaunchComponent(const TaskEntry& task);

    // One 100 ms tick of the timer.
    void tick();

    [[nodiscard]] const std::string& watchTitle() const { return m_watchTitle; }
    [[nodiscard]] bool seen() const { return m_seen; }
    [[nodiscard]] bool running() const { return m_running; }
    [[nodiscard]] State state() const;

    // The parameter text every component is started with.
    [[nodiscard]] std::string parameters() const;

private:
    platform::Platform& m_platform;
    const SuiteInfo& m_suite;
    std::string m_watchTitle;
    bool m_seen = false;
    bool m_running = false;
};

} // namespace launcher
