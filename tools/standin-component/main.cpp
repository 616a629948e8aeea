// A stand-in for the suite's component programs. Installed under a component's file name, it
// shows a window with that component's watch title, so the start centre sees it as running,
// until the user closes it.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <QApplication>
#include <QFileInfo>
#include <QStringDecoder>

#include "launcher/task_catalogue.h"
#include "record.h"
#include "resources/artwork.h"
#include "standin_window.h"

namespace {

QString fromBytes(std::string_view bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (utf8.hasError())
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return text;
}

std::string baseName(std::string_view path)
{
    const std::size_t slash = path.find_last_of('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

bool sameFileName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The first task that starts this file: its watch title and icon. File names compare as on
// Windows, without regard to letter case.
const launcher::TaskEntry* taskOf(std::string_view fileName)
{
    for (const launcher::TaskEntry& task : launcher::TaskCatalogue::tasks()) {
        if (sameFileName(task.componentFile, fileName))
            return &task;
    }
    return nullptr;
}

// Copies this program into dir under every component file name.
int install(const std::filesystem::path& dir)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error) {
        std::fprintf(stderr, "standin-component: cannot find its own file: %s\n",
                     error.message().c_str());
        return 1;
    }
    fs::create_directories(dir, error);
    std::set<std::string_view> done;
    for (const launcher::TaskEntry& task : launcher::TaskCatalogue::tasks()) {
        if (!done.insert(task.componentFile).second)
            continue;
        const fs::path target = dir / std::string(task.componentFile);
        if (!fs::copy_file(self, target, fs::copy_options::overwrite_existing, error)) {
            std::fprintf(stderr, "standin-component: cannot write %s: %s\n", target.c_str(),
                         error.message().c_str());
            return 1;
        }
        std::printf("%s\n", target.c_str());
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // Kept before QApplication, which takes its own options out of argv.
    const std::vector<std::string> arguments(argv, argv + argc);
    const std::string fileName = baseName(arguments.empty() ? std::string() : arguments[0]);

    const launcher::TaskEntry* task = taskOf(fileName);
    if (task == nullptr && arguments.size() == 3 && arguments[1] == "--install")
        return install(arguments[2]);

    QApplication app(argc, argv);
    if (task == nullptr)
        task = taskOf(QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString());

    const std::string title = task != nullptr ? std::string(task->watchTitle) : fileName;
    if (const char* record = std::getenv("KV_STANDIN_RECORD"); record != nullptr && *record != 0)
        standin::appendRecord(record, title, arguments);

    // The parameter text as the component's command line carried it.
    std::string parameters;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (i > 1)
            parameters += ' ';
        parameters += arguments[i];
    }

    artwork::init();
    auto* window = new standin::StandinWindow(
        fromBytes(title),
        fromBytes(task != nullptr ? task->componentFile : std::string_view(fileName)),
        fromBytes(parameters), task != nullptr ? fromBytes(task->iconName) : QString(),
        task != nullptr);
    window->show();
    return QApplication::exec();
}
