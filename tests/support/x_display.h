#pragma once

#include <cstdlib>
#include <fstream>
#include <string>

namespace testsupport {

// Points DISPLAY at the test X session when the test runs inside one; returns the display
// name, empty when there is none.
inline std::string useTestDisplay()
{
    if (const char* dir = std::getenv("KV_XSESSION_DIR")) {
        std::ifstream file(std::string(dir) + "/display");
        std::string display;
        if (file >> display) {
            ::setenv("DISPLAY", display.c_str(), 1);
            return display;
        }
    }
    const char* current = std::getenv("DISPLAY");
    return current == nullptr ? std::string() : std::string(current);
}

} // namespace testsupport
