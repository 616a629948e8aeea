#include "platform/linux/process_launch.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace platform {

namespace {

// Owns the attributes and file actions of one spawn.
class SpawnSetup {
public:
    SpawnSetup()
    {
        m_ok = posix_spawnattr_init(&m_attributes) == 0;
        m_ok = posix_spawn_file_actions_init(&m_actions) == 0 && m_ok;
        if (!m_ok)
            return;

        // Own session: the child is no part of our terminal or process group, and our signals
        // (a Ctrl+C in the terminal we were started from) do not reach it.
        sigset_t none;
        sigset_t all;
        sigemptyset(&none);
        sigfillset(&all);
        m_ok = posix_spawnattr_setflags(&m_attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK |
                                                           POSIX_SPAWN_SETSIGDEF) == 0 &&
               posix_spawnattr_setsigmask(&m_attributes, &none) == 0 &&
               posix_spawnattr_setsigdefault(&m_attributes, &all) == 0;

        m_ok = m_ok &&
               posix_spawn_file_actions_addopen(&m_actions, STDIN_FILENO, "/dev/null", O_RDWR, 0) ==
                   0 &&
               posix_spawn_file_actions_adddup2(&m_actions, STDIN_FILENO, STDOUT_FILENO) == 0 &&
               posix_spawn_file_actions_adddup2(&m_actions, STDIN_FILENO, STDERR_FILENO) == 0 &&
               // Libraries of ours may open descriptors without close-on-exec; none leaks.
               posix_spawn_file_actions_addclosefrom_np(&m_actions, STDERR_FILENO + 1) == 0;
    }
    ~SpawnSetup()
    {
        posix_spawn_file_actions_destroy(&m_actions);
        posix_spawnattr_destroy(&m_attributes);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    [[nodiscard]] bool ok() const { return m_ok; }
    [[nodiscard]] const posix_spawnattr_t* attributes() const { return &m_attributes; }
    [[nodiscard]] const posix_spawn_file_actions_t* actions() const { return &m_actions; }

private:
    posix_spawnattr_t m_attributes{};
    posix_spawn_file_actions_t m_actions{};
    bool m_ok = false;
};

void reap(pid_t pid)
{
    while (waitpid(pid, nullptr, 0) == -1 && errno == EINTR) {
    }
}

} // namespace

bool startDetached(const std::string& path, const std::vector<std::string>& arguments,
                   bool searchPath)
{
    SpawnSetup setup;
    if (!setup.ok())
        return false;

    std::vector<char*> argv;
    argv.reserve(arguments.size() + 2);
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    // posix_spawn starts the child without copying our address space and returns once it has
    // been exec'd, so the caller's thread is held for a moment only.
    pid_t pid = 0;
    const int error = searchPath ? posix_spawnp(&pid, path.c_str(), setup.actions(),
                                                setup.attributes(), argv.data(), environ)
                                 : posix_spawn(&pid, path.c_str(), setup.actions(),
                                               setup.attributes(), argv.data(), environ);
    if (error != 0)
        return false;

    // The child stays ours until it ends; a waiting thread collects it whenever that is, since
    // an orphan cannot rely on the init of a container to reap it.
    try {
        std::thread(reap, pid).detach();
    } catch (const std::system_error&) {
        // Without a thread to spare, the child is left to whoever inherits it when we exit.
    }
    return true;
}

} // namespace platform
