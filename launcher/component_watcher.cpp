#include "launcher/component_watcher.h"

namespace launcher {

void ComponentWatcher::LaunchComponent(const TaskEntry& task)
{
    const std::string path = m_suite.installDirectory + std::string(task.componentFile);
    if (!m_platform.fileExists(path)) {
        // The box keeps messages flowing, so ticks may run while it is open; nothing of the
        // watch is touched after it returns.
        m_platform.messageBox(std::string(task.missingText) + m_suite.productName,
                              std::string(MissingComponentCaption));
        return;
    }
    m_platform.shellOpen(path, parameters());
    m_watchTitle = task.watchTitle;
    m_running = true;
    m_platform.setTimerEnabled(true);
}

void ComponentWatcher::tick()
{
    if (m_platform.windowExists(m_watchTitle)) {
        m_seen = true;
    }
    if (!m_seen) {
        return;
    }
    // Asked again so that a window closing between the two queries ends the watch now.
    if (m_platform.windowExists(m_watchTitle)) {
        m_platform.hideMainWindow();
        return;
    }
    m_running = false;
    m_platform.setTimerEnabled(false);
    m_seen = false;
    m_platform.showMainWindow();
}

ComponentWatcher::State ComponentWatcher::state() const
{
    if (!m_running) {
        return State::Idle;
    }
    return m_seen ? State::Watching : State::Waiting;
}

std::string ComponentWatcher::parameters() const
{
    return m_suite.launchToken + ' ' + m_suite.productName;
}

} // namespace launcher
