#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

#include "platform/command_line.h"

namespace {

struct SplitCase {
    const char* parameters;
    std::vector<std::string> arguments;
};

// Names the case in the test list by its text.
void PrintTo(const SplitCase& c, std::ostream* out)
{
    *out << '[' << c.parameters << ']';
}

class SplitCommandLine : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommandLine, GivesTheArgumentsAWindowsProgramWouldSee)
{
    EXPECT_EQ(platform::splitCommandLine(GetParam().parameters), GetParam().arguments)
        << "parameters: " << GetParam().parameters;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitCommandLine,
    testing::Values(SplitCase{"LaunchComponentApplication Korvalen Vorerer",
                              {"LaunchComponentApplication", "Korvalen", "Vorerer"}},
                    SplitCase{"", {}}, SplitCase{" \t  ", {}}, SplitCase{"  a \t b  ", {"a", "b"}},
                    // Only blank and tab separate.
                    SplitCase{"a\nb\vc", {"a\nb\vc"}}, SplitCase{R"("a b" c)", {"a b", "c"}},
                    SplitCase{R"(a"b c"d e)", {"ab cd", "e"}}, SplitCase{R"("")", {""}},
                    SplitCase{R"(a "" b)", {"a", "", "b"}},
                    SplitCase{R"("unterminated  text)", {"unterminated  text"}},
                    // Backslashes count only before a quote.
                    SplitCase{R"(C:\Suite\ImageBurner.exe)", {R"(C:\Suite\ImageBurner.exe)"}},
                    SplitCase{R"("C:\Program Files\\" next)", {R"(C:\Program Files\)", "next"}},
                    SplitCase{R"(a\\b a\\\\ end\)", {R"(a\\b)", R"(a\\\\)", R"(end\)"}},
                    SplitCase{R"(\"quoted\")", {R"("quoted")"}},
                    SplitCase{R"(a\\"b c")", {R"(a\b c)"}},
                    SplitCase{R"(a\\\"b c)", {R"(a\"b)", "c"}},
                    SplitCase{R"("a\"b" c)", {R"(a"b)", "c"}},
                    // Two quotes inside a quoted part: one literal quote, and the part goes on.
                    SplitCase{R"("a""b c" d)", {R"(a"b c)", "d"}},
                    SplitCase{R"("say ""hi""" x)", {R"(say "hi")", "x"}},
                    // Outside a quoted part they open and close an empty one.
                    SplitCase{R"(a""b c)", {"ab", "c"}}, SplitCase{R"(""" a)", {R"(" a)"}},
                    // Shell syntax is plain text here.
                    SplitCase{"; rm -rf ~ $(reboot) `id` | > &",
                              {";", "rm", "-rf", "~", "$(reboot)", "`id`", "|", ">", "&"}},
                    SplitCase{"\xc3\xa9t\xc3\xa9 \xe9t\xe9", {"\xc3\xa9t\xc3\xa9", "\xe9t\xe9"}}));

} // namespace
