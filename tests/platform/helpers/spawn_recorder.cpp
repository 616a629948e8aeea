// Started by the process tests in place of a component. Writes what it was given and what it
// inherited to the file named by KV_SPAWN_RECORD, then exits, or with the argument "linger"
// stays until it is killed. The file appears whole, by rename, once everything is in it.
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <string>
#include <unistd.h>

int main(int argc, char* argv[])
{
    const char* record = std::getenv("KV_SPAWN_RECORD");
    if (record == nullptr)
        return 2;

    std::string text;
    text += "pid " + std::to_string(getpid()) + "\n";
    text += "ppid " + std::to_string(getppid()) + "\n";
    text += "sid " + std::to_string(getsid(0)) + "\n";
    char cwd[PATH_MAX];
    text += std::string("cwd ") + (getcwd(cwd, sizeof cwd) != nullptr ? cwd : "?") + "\n";
    bool linger = false;
    for (int i = 0; i < argc; ++i) {
        text += std::string("arg ") + argv[i] + "\n";
        linger = linger || (i > 0 && std::strcmp(argv[i], "linger") == 0);
    }
    // Listed before the record is opened, so only inherited descriptors show.
    if (DIR* fds = opendir("/proc/self/fd")) {
        while (const dirent* entry = readdir(fds)) {
            if (entry->d_name[0] == '.' || std::atoi(entry->d_name) == dirfd(fds))
                continue;
            char target[PATH_MAX] = {};
            const std::string link = std::string("/proc/self/fd/") + entry->d_name;
            (void)!readlink(link.c_str(), target, sizeof target - 1);
            text += std::string("fd ") + entry->d_name + " " + target + "\n";
        }
        closedir(fds);
    }

    const std::string part = std::string(record) + ".part";
    std::FILE* file = std::fopen(part.c_str(), "w");
    if (file == nullptr)
        return 3;
    std::fputs(text.c_str(), file);
    std::fclose(file);
    std::rename(part.c_str(), record);

    while (linger)
        pause();
    return 0;
}
