#pragma once

#include <cstdio>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace testsupport {

// The window-making helper as a child process, driven line by line over pipes.
class XHelper {
public:
    explicit XHelper(const char* program)
    {
        int input[2];
        int output[2];
        if (::pipe2(input, O_CLOEXEC) != 0 || ::pipe2(output, O_CLOEXEC) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
        char* argv[] = {const_cast<char*>(program), nullptr};
        if (posix_spawn(&m_pid, program, &actions, nullptr, argv, environ) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(input[0]);
        ::close(output[1]);
        m_to = ::fdopen(input[1], "w");
        m_from = ::fdopen(output[0], "r");
        const std::string greeting = readLine();
        m_ready = greeting.starts_with("ok ");
        if (m_ready)
            m_root = greeting.substr(3);
    }
    ~XHelper()
    {
        if (m_to != nullptr)
            std::fclose(m_to);
        if (m_from != nullptr)
            std::fclose(m_from);
        if (m_pid > 0)
            ::waitpid(m_pid, nullptr, 0);
    }
    XHelper(const XHelper&) = delete;
    XHelper& operator=(const XHelper&) = delete;

    [[nodiscard]] bool ready() const { return m_ready; }
    // The id of the root window, as the answers give window ids.
    [[nodiscard]] const std::string& root() const { return m_root; }

    // Sends one command; the answer after "ok", or the whole line when it is an error.
    std::string send(const std::string& command)
    {
        std::fputs((command + "\n").c_str(), m_to);
        std::fflush(m_to);
        const std::string line = readLine();
        return line.starts_with("ok") ? line.substr(line.size() > 2 ? 3 : 2) : "failed: " + line;
    }

    // A new unmapped window without a name; answers its id.
    std::string create(const std::string& key) { return send("create " + key); }
    // property: net (_NET_WM_NAME) or wm (WM_NAME); type: utf8, string or compound.
    void name(const std::string& key, const std::string& property, const std::string& type,
              const std::string& bytes)
    {
        send("name " + key + " " + property + " " + type + " " + hex(bytes));
    }

    static std::string hex(const std::string& bytes)
    {
        if (bytes.empty())
            return "-";
        std::ostringstream out;
        for (const char c : bytes) {
            char pair[3];
            std::snprintf(pair, sizeof pair, "%02x", static_cast<unsigned char>(c));
            out << pair;
        }
        return out.str();
    }

private:
    std::string readLine()
    {
        std::string line;
        if (m_from == nullptr)
            return line;
        for (int c = std::fgetc(m_from); c != EOF && c != '\n'; c = std::fgetc(m_from))
            line += static_cast<char>(c);
        return line;
    }

    pid_t m_pid = -1;
    std::FILE* m_to = nullptr;
    std::FILE* m_from = nullptr;
    bool m_ready = false;
    std::string m_root;
};

} // namespace testsupport
