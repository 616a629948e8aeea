#include "platform/command_line.h"

namespace platform {

namespace {

bool isSeparator(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

std::vector<std::string> splitCommandLine(std::string_view parameters)
{
    std::vector<std::string> arguments;
    std::size_t i = 0;
    const std::size_t end = parameters.size();
    for (;;) {
        while (i < end && isSeparator(parameters[i]))
            ++i;
        if (i == end)
            return arguments;

        std::string argument;
        bool quoted = false;
        while (i < end && (quoted || !isSeparator(parameters[i]))) {
            std::size_t backslashes = 0;
            while (i < end && parameters[i] == '\\') {
                ++backslashes;
                ++i;
            }
            if (i < end && parameters[i] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    argument += '"';
                } else if (quoted && i + 1 < end && parameters[i + 1] == '"') {
                    argument += '"';
                    ++i;
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                argument.append(backslashes, '\\');
                if (i < end && (quoted || !isSeparator(parameters[i]))) {
                    argument += parameters[i];
                    ++i;
                }
            }
        }
        arguments.push_back(std::move(argument));
    }
}

} // namespace platform
