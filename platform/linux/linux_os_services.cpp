#include "platform/linux/linux_os_services.h"

#include <sys/stat.h>
#include <unistd.h>

#include "platform/command_line.h"
#include "platform/linux/process_launch.h"
#include "platform/linux/x11_window_finder.h"
#include "platform/profile_string.h"

namespace platform {

namespace {

bool isExecutableFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

} // namespace

LinuxOsServices::LinuxOsServices() = default;
LinuxOsServices::~LinuxOsServices() = default;

std::string LinuxOsServices::executablePath()
{
    std::string path(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
        if (length < 0)
            return {};
        if (static_cast<std::size_t>(length) < path.size()) {
            path.resize(static_cast<std::size_t>(length));
            return path;
        }
        path.resize(path.size() * 2);
    }
}

bool LinuxOsServices::fileExists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string LinuxOsServices::readProfileString(const std::string& path, const std::string& section,
                                               const std::string& key,
                                               const std::string& defaultValue)
{
    return ReadProfileString(path, section, key, defaultValue);
}

void LinuxOsServices::shellOpen(const std::string& file, const std::string& parameters)
{
    if (isExecutableFile(file)) {
        (void)startDetached(file, splitCommandLine(parameters));
        return;
    }
    // Documents, directories and addresses go to the desktop's opener, which takes no
    // parameters of ours.
    (void)startDetached("xdg-open", {file}, /*searchPath=*/true);
}

bool LinuxOsServices::windowExists(const std::string& title)
{
    if (!m_windows)
        m_windows = std::make_unique<X11WindowFinder>();
    return m_windows->windowExists(title);
}

} // namespace platform
