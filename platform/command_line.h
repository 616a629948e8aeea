#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Splits a parameter text into arguments the way the C runtime of a Windows program splits the
// part of its command line after the program name, so a component started here receives what it
// would receive there:
// - blanks and tabs separate arguments; a run of them counts once, and none at either end makes
//   an empty argument;
// - a double quote not preceded by a backslash starts or ends a quoted part, in which blanks and
//   tabs are kept; `"a b"c` is the one argument `a bc`, and `""` alone is an empty argument;
// - inside a quoted part, two double quotes in a row give one literal quote and the part goes
//   on (the rule of the runtimes since 2008; older ones ended the quoted part there);
// - 2n backslashes before a double quote give n backslashes and the quote acts as above;
//   2n+1 backslashes before it give n backslashes and a literal quote; backslashes not followed
//   by a quote stand for themselves;
// - an unterminated quoted part runs to the end of the text.
std::vector<std::string> splitCommandLine(std::string_view parameters);

} // namespace platform
