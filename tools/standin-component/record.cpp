#include "record.h"

#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace standin {

namespace {

void addField(std::string& block, std::string_view name, std::string_view value)
{
    block += name;
    block += ' ';
    for (const char c : value) {
        if (c == '\\')
            block += "\\\\";
        else if (c == '\n')
            block += "\\n";
        else
            block += c;
    }
    block += '\n';
}

} // namespace

void appendRecord(const std::string& path, const std::string& title,
                  const std::vector<std::string>& arguments)
{
    std::string block = "start\n";
    addField(block, "pid", std::to_string(::getpid()));
    addField(block, "title", title);
    std::error_code error;
    addField(block, "cwd", std::filesystem::current_path(error).string());
    for (const std::string& argument : arguments)
        addField(block, "arg", argument);
    block += "end\n";

    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    (void)!::write(fd, block.data(), block.size());
    ::close(fd);
}

} // namespace standin
