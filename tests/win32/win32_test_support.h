#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <thread>

namespace win32test {

namespace fs = std::filesystem;

// The directory of this test program: its data and the helper lie next to it.
inline std::string programDirectory()
{
    char path[MAX_PATH * 4] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string full(path, length);
    return full.substr(0, full.rfind('\\') + 1);
}

inline std::string helperPath()
{
    return programDirectory() + "win32_test_helper.exe";
}

// A directory of its own under the Windows temp directory, removed with it.
class TempDir {
public:
    explicit TempDir(const std::string& name = "kv")
    {
        static unsigned counter = 0;
        for (;;) {
            m_path = (fs::temp_directory_path() / (name + '-' + std::to_string(GetCurrentProcessId())
                                                    + '-' + std::to_string(counter++)))
                         .string();
            if (fs::create_directory(m_path)) {
                return;
            }
        }
    }
    ~TempDir()
    {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    TempDir(TempDir&&) = delete;
    TempDir& operator=(TempDir&&) = delete;

    // The path with a trailing backslash.
    [[nodiscard]] std::string path() const { return m_path + '\\'; }

private:
    std::string m_path;
};

inline void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

// A copy of the helper under another name, as a component or a launcher would lie.
inline void placeHelper(const std::string& path)
{
    fs::create_directories(fs::path(path).parent_path());
    fs::copy_file(helperPath(), path, fs::copy_options::overwrite_existing);
}

using Record = std::map<std::string, std::string>;

// Waits for the record the helper at exePath writes, then reads it; empty after the time-out.
inline Record waitForRecord(const std::string& exePath,
                            std::chrono::milliseconds timeout = std::chrono::seconds(30))
{
    const std::string path = exePath + ".record";
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!fs::exists(path)) {
        if (std::chrono::steady_clock::now() > end) {
            return {};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    Record record;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        const auto tab = line.find('\t');
        record[line.substr(0, tab)] = tab == std::string::npos ? "" : line.substr(tab + 1);
    }
    return record;
}

// A started helper process; it is ended and waited for when this goes.
class Process {
public:
    // Starts commandLine; with a show state, passes it the way a shortcut or a caller would.
    explicit Process(const std::string& commandLine, int showWindow = -1)
    {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (showWindow >= 0) {
            startup.dwFlags = STARTF_USESHOWWINDOW;
            startup.wShowWindow = static_cast<WORD>(showWindow);
        }
        std::string mutableLine = commandLine;
        if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &m_info)) {
            throw std::runtime_error("cannot start " + commandLine + ": error "
                                     + std::to_string(GetLastError()));
        }
    }
    ~Process()
    {
        if (WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(m_info.hProcess, 1);
            WaitForSingleObject(m_info.hProcess, 10000);
        }
        CloseHandle(m_info.hThread);
        CloseHandle(m_info.hProcess);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    Process(Process&&) = delete;
    Process& operator=(Process&&) = delete;

    // True when the process ended within the time.
    bool waitForExit(DWORD milliseconds = 30000)
    {
        return WaitForSingleObject(m_info.hProcess, milliseconds) == WAIT_OBJECT_0;
    }

private:
    PROCESS_INFORMATION m_info{};
};

inline std::string quoted(const std::string& path)
{
    return '"' + path + '"';
}

// What follows the program's name on a command line, the way the C runtime finds its end.
inline std::string parameterText(const std::string& commandLine)
{
    std::size_t i = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        const auto close = commandLine.find('"', 1);
        i = close == std::string::npos ? commandLine.size() : close + 1;
    } else {
        while (i < commandLine.size() && commandLine[i] != ' ' && commandLine[i] != '\t') {
            ++i;
        }
    }
    while (i < commandLine.size() && (commandLine[i] == ' ' || commandLine[i] == '\t')) {
        ++i;
    }
    return commandLine.substr(i);
}

} // namespace win32test
