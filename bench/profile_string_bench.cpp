#include <array>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

#include "platform/profile_string.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t LargeSize = std::size_t{10} * 1024 * 1024;

// The settings file of an installed suite, as the installer writes it.
const char* const TypicalOptionIni = "[General]\r\n"
                                     "Version=1.8.2\r\n"
                                     "Language=English\r\n"
                                     "InstallDate=2009-03-14\r\n"
                                     "\r\n"
                                     "[Components]\r\n"
                                     "Burner=1\r\n"
                                     "Copier=1\r\n"
                                     "Labeler=0\r\n"
                                     "\r\n"
                                     "[Window]\r\n"
                                     "Left=120\r\n"
                                     "Top=80\r\n";

std::string fillerSection(const std::string& name, std::size_t size)
{
    std::string text = "[" + name + "]\r\n";
    const std::string line = "Entry=" + std::string(90, 'e') + "\r\n";
    while (text.size() < size) {
        text += line;
    }
    return text;
}

// The benchmark files, written once and removed at exit.
class Files {
public:
    Files() : m_dir(fs::temp_directory_path() / ("kv-profile-bench-" + std::to_string(getpid())))
    {
        fs::create_directories(m_dir);
        write(typical(), TypicalOptionIni);
        const std::string general = "[General]\r\nVersion=1.8.2\r\n";
        write(sectionFirst(), general + fillerSection("Other", LargeSize));
        write(sectionLast(), fillerSection("Other", LargeSize) + general);
    }
    ~Files()
    {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }
    Files(const Files&) = delete;
    Files& operator=(const Files&) = delete;
    Files(Files&&) = delete;
    Files& operator=(Files&&) = delete;

    [[nodiscard]] std::string typical() const { return (m_dir / "Option.ini").string(); }
    [[nodiscard]] std::string sectionFirst() const { return (m_dir / "first.ini").string(); }
    [[nodiscard]] std::string sectionLast() const { return (m_dir / "last.ini").string(); }

private:
    static void write(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    fs::path m_dir;
};

const Files& files()
{
    static const Files instance;
    return instance;
}

void readVersion(benchmark::State& state, const std::string& path)
{
    for ([[maybe_unused]] auto _ : state) {
        std::string version = platform::ReadProfileString(path, "General", "Version", "1.8");
        if (version != "1.8.2") {
            state.SkipWithError("wrong version read");
            break;
        }
        benchmark::DoNotOptimize(version);
    }
}

void BM_TypicalOptionIni(benchmark::State& state)
{
    readVersion(state, files().typical());
}
BENCHMARK(BM_TypicalOptionIni);

// What the file system alone costs for the same file: open, one read, close.
void BM_OpenReadCloseBaseline(benchmark::State& state)
{
    const std::string path = files().typical();
    std::array<char, 4096> buffer{};
    for ([[maybe_unused]] auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (file == nullptr) {
            state.SkipWithError("cannot open");
            break;
        }
        benchmark::DoNotOptimize(std::fread(buffer.data(), 1, buffer.size(), file));
        std::fclose(file);
    }
}
BENCHMARK(BM_OpenReadCloseBaseline);

void BM_Large10MbSectionFirst(benchmark::State& state)
{
    readVersion(state, files().sectionFirst());
}
BENCHMARK(BM_Large10MbSectionFirst);

// The worst case: the whole file is read to reach the section.
void BM_Large10MbSectionLast(benchmark::State& state)
{
    readVersion(state, files().sectionLast());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(fs::file_size(files().sectionLast())));
}
BENCHMARK(BM_Large10MbSectionLast)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
