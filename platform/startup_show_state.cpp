#include "platform/startup_show_state.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace platform {

StartupShowState startupShowState()
{
#ifdef _WIN32
    STARTUPINFOA info{};
    info.cb = sizeof info;
    GetStartupInfoA(&info);
    if ((info.dwFlags & STARTF_USESHOWWINDOW) == 0) {
        return StartupShowState::Normal;
    }
    switch (info.wShowWindow) {
    case SW_SHOWMAXIMIZED:
        return StartupShowState::Maximized;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
    case SW_FORCEMINIMIZE:
        return StartupShowState::Minimized;
    default:
        return StartupShowState::Normal;
    }
#else
    return StartupShowState::Normal;
#endif
}

} // namespace platform
