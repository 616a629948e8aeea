#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <signal.h>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "platform/linux/linux_os_services.h"
#include "platform/linux/process_launch.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

// What the recording helper wrote about one start of it.
struct Record {
    int pid = 0;
    int ppid = 0;
    int sid = 0;
    std::string cwd;
    std::vector<std::string> arguments;
    std::map<int, std::string> descriptors;
};

std::optional<Record> readRecord(const fs::path& path)
{
    std::ifstream file(path);
    if (!file)
        return std::nullopt;
    Record record;
    std::string line;
    while (std::getline(file, line)) {
        const std::size_t blank = line.find(' ');
        const std::string field = line.substr(0, blank);
        const std::string value =
            blank == std::string::npos ? std::string() : line.substr(blank + 1);
        if (field == "pid")
            record.pid = std::stoi(value);
        else if (field == "ppid")
            record.ppid = std::stoi(value);
        else if (field == "sid")
            record.sid = std::stoi(value);
        else if (field == "cwd")
            record.cwd = value;
        else if (field == "arg")
            record.arguments.push_back(value);
        else if (field == "fd")
            record.descriptors[std::stoi(value)] = value.substr(value.find(' ') + 1);
    }
    return record;
}

// Polls, since the started program runs on its own time.
template <typename Condition> bool eventually(Condition condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

bool processGone(int pid)
{
    return !fs::exists("/proc/" + std::to_string(pid));
}

bool anyFileStartingWith(const fs::path& dir, std::string_view prefix)
{
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        if (entry.path().filename().string().starts_with(prefix))
            return true;
    }
    return false;
}

// A directory name that a shell would take apart: quotes, a command separator, two kinds of
// command substitution, and letters beyond ASCII.
const std::string HostileDirectory = "Korvalen \"Vorerer\" 'x'; touch INJECTED-1 $(touch "
                                     "INJECTED-2) `touch INJECTED-3` \xc3\xa9\xc3\xbc";

class ShellOpen : public testing::Test {
protected:
    void SetUp() override
    {
        m_work = m_temp.path() / "work dir";
        m_install = m_temp.path() / HostileDirectory;
        m_bin = m_temp.path() / "bin";
        fs::create_directories(m_work);
        fs::create_directories(m_install);
        fs::create_directories(m_bin);
        fs::copy_file(KV_SPAWN_RECORDER, m_install / "Recorder.exe");
        // Documents go to the first xdg-open on PATH: here another copy of the recorder.
        fs::copy_file(KV_SPAWN_RECORDER, m_bin / "xdg-open");

        m_oldCwd = fs::current_path();
        fs::current_path(m_work);
        const char* path = std::getenv("PATH");
        m_oldPath = path != nullptr ? path : "";
        ::setenv("PATH", (m_bin.string() + ":" + m_oldPath).c_str(), 1);
        ::setenv("KV_SPAWN_RECORD", recordPath().c_str(), 1);
    }
    void TearDown() override
    {
        if (m_record && m_record->pid > 0)
            ::kill(m_record->pid, SIGKILL);
        fs::current_path(m_oldCwd);
        ::setenv("PATH", m_oldPath.c_str(), 1);
        ::unsetenv("KV_SPAWN_RECORD");
        EXPECT_FALSE(anyFileStartingWith(m_temp.path(), "INJECTED")) << "a shell ran";
    }

    [[nodiscard]] fs::path recordPath() const { return m_temp.path() / "record"; }

    // The record of the started program, once it has been written.
    const Record& awaitRecord()
    {
        EXPECT_TRUE(eventually([&] { return fs::exists(recordPath()); })) << "nothing started";
        m_record = readRecord(recordPath());
        if (!m_record)
            m_record = Record{};
        return *m_record;
    }

    testsupport::TempDir m_temp;
    fs::path m_work;
    fs::path m_install;
    fs::path m_bin;
    fs::path m_oldCwd;
    std::string m_oldPath;
    std::optional<Record> m_record;
    platform::LinuxOsServices m_os;
};

TEST_F(ShellOpen, StartsAnExecutableInAHostileDirectoryWithTheParametersSplit)
{
    const fs::path program = m_install / "Recorder.exe";
    m_os.shellOpen(program.string(), "LaunchComponentApplication Korvalen Vorerer");

    const Record& record = awaitRecord();
    EXPECT_EQ(record.arguments,
              (std::vector<std::string>{program.string(), "LaunchComponentApplication", "Korvalen",
                                        "Vorerer"}));
    EXPECT_EQ(record.cwd, m_work.string());
}

TEST_F(ShellOpen, PassesQuotesBackslashesAndShellSyntaxAsPlainArguments)
{
    const fs::path program = m_install / "Recorder.exe";
    m_os.shellOpen(
        program.string(),
        R"("two words" a\\\"b "C:\Dir\\" ; touch INJECTED-4 $(touch INJECTED-5) `touch INJECTED-6`)");

    const Record& record = awaitRecord();
    EXPECT_EQ(record.arguments,
              (std::vector<std::string>{program.string(), "two words", R"(a\"b)", R"(C:\Dir\)", ";",
                                        "touch", "INJECTED-4", "$(touch", "INJECTED-5)", "`touch",
                                        "INJECTED-6`"}));
}

TEST_F(ShellOpen, DetachesTheChildFromUsAndGivesItNothingOfOurs)
{
    // Descriptors opened the careless way, without close-on-exec.
    const int file = ::open("/dev/zero", O_RDONLY);
    int pipeEnds[2] = {-1, -1};
    ASSERT_EQ(::pipe(pipeEnds), 0);
    ASSERT_GE(file, 0);

    m_os.shellOpen((m_install / "Recorder.exe").string(), "linger");
    const Record& record = awaitRecord();
    ::close(file);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);

    EXPECT_EQ(record.sid, record.pid) << "not the leader of a session of its own";
    EXPECT_EQ(record.descriptors,
              (std::map<int, std::string>{{0, "/dev/null"}, {1, "/dev/null"}, {2, "/dev/null"}}));
    // shellOpen has returned while the program still runs: it did not wait for it.
    EXPECT_FALSE(processGone(record.pid));
    ::kill(record.pid, SIGTERM);
    EXPECT_TRUE(eventually([&] { return processGone(record.pid); })) << "left as a zombie";
}

TEST_F(ShellOpen, ProgramThatExitsAtOnceLeavesNoZombie)
{
    m_os.shellOpen((m_install / "Recorder.exe").string(), "");
    const Record& record = awaitRecord();
    EXPECT_EQ(record.ppid, ::getpid());
    EXPECT_TRUE(eventually([&] { return processGone(record.pid); })) << "left as a zombie";
}

TEST_F(ShellOpen, HandsDocumentsDirectoriesAndAddressesToXdgOpen)
{
    // A document that is also a shell script: it must be opened, never run.
    const fs::path document = m_install / "Korvalen.hlp";
    std::ofstream(document) << "touch INJECTED-7\n";
    const fs::path targets[] = {document, m_install};
    for (const fs::path& target : targets) {
        m_os.shellOpen(target.string(), "ignored parameters");
        EXPECT_EQ(awaitRecord().arguments, (std::vector<std::string>{"xdg-open", target.string()}));
        fs::remove(recordPath());
    }
    m_os.shellOpen("https://www.korvalen.example/", "");
    EXPECT_EQ(awaitRecord().arguments,
              (std::vector<std::string>{"xdg-open", "https://www.korvalen.example/"}));
}

TEST_F(ShellOpen, ExecutableThatIsNoProgramRunsNothing)
{
    // Without a #! line a shell would run this text; the start must fail instead.
    const fs::path fake = m_install / "Fake.exe";
    std::ofstream(fake) << "touch INJECTED-8\n";
    fs::permissions(fake, fs::perms::owner_all);
    EXPECT_FALSE(platform::startDetached(fake.string(), {}));
    m_os.shellOpen(fake.string(), "");
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(fs::exists(recordPath())) << "went to xdg-open";
}

TEST(LinuxOsServices, FileExistsOnlyForRegularFiles)
{
    testsupport::TempDir temp;
    const fs::path dir = temp.path();
    std::ofstream(dir / "file") << "x";
    fs::create_directory(dir / "dir");
    fs::create_symlink(dir / "file", dir / "link");
    fs::create_symlink(dir / "missing", dir / "dangling");
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);

    platform::LinuxOsServices os;
    const std::pair<const char*, bool> cases[] = {{"file", true},  {"link", true},
                                                  {"dir", false},  {"dangling", false},
                                                  {"fifo", false}, {"missing", false}};
    for (const auto& [name, exists] : cases)
        EXPECT_EQ(os.fileExists((dir / name).string()), exists) << name;
}

TEST(LinuxOsServices, ExecutablePathIsThisProgram)
{
    platform::LinuxOsServices os;
    const std::string path = os.executablePath();
    EXPECT_EQ(fs::path(path), fs::canonical("/proc/self/exe"));
    EXPECT_EQ(os.pathSeparator(), '/');
}

} // namespace
