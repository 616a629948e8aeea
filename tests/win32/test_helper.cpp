// A stand-in component for the tests under wine.
//   test_helper                     writes how it was started to "<its own path>.record"
//   test_helper window TITLE        holds a top-level window with that title until it is closed
// Records are written whole and then renamed into place, so a reader never sees half of one.
#include <windows.h>

#include <fstream>
#include <string>

#include "launcher/suite_info.h"
#include "platform/startup_show_state.h"
#include "platform/win32/win32_os_services.h"

namespace {

std::string ownPath()
{
    return platform::Win32OsServices().executablePath();
}

void writeRecord(const std::string& text)
{
    const std::string path = ownPath() + ".record";
    const std::string partial = path + ".partial";
    {
        std::ofstream out(partial, std::ios::binary);
        out << text;
    }
    MoveFileExA(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

const char* showStateName(platform::StartupShowState state)
{
    switch (state) {
    case platform::StartupShowState::Maximized:
        return "Maximized";
    case platform::StartupShowState::Minimized:
        return "Minimized";
    case platform::StartupShowState::Normal:
        break;
    }
    return "Normal";
}

// Where the common controls of this process come from: the side-by-side assembly of version 6
// only through the manifest, the system directory's old ones otherwise.
std::string commonControlsPath()
{
    HMODULE module = LoadLibraryA("comctl32.dll");
    char path[MAX_PATH * 4] = {};
    if (module != nullptr) {
        GetModuleFileNameA(module, path, sizeof path);
        FreeLibrary(module);
    }
    return path;
}

int recordStart()
{
    platform::Win32OsServices os;
    const launcher::StartupValues values = launcher::ReadStartupValues(os);
    char directory[MAX_PATH * 4] = {};
    GetCurrentDirectoryA(sizeof directory, directory);

    std::string text;
    const auto line = [&text](const std::string& key, const std::string& value) {
        text += key + '\t' + value + '\n';
    };
    line("commandLine", GetCommandLineA());
    line("workingDirectory", directory);
    line("executablePath", os.executablePath());
    line("installDirectory", values.suite.installDirectory);
    line("helpFile", values.suite.helpFile);
    line("caption", values.caption);
    line("showState", showStateName(platform::startupShowState()));
    line("argumentCount", std::to_string(__argc - 1));
    for (int i = 1; i < __argc; ++i) {
        line("argument" + std::to_string(i), __argv[i]);
    }
    line("commonControls", commonControlsPath());
    const DPI_AWARENESS awareness =
        GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext());
    line("dpiAwareness", std::to_string(static_cast<int>(awareness)));
    writeRecord(text);
    return 0;
}

int holdWindow(const char* title)
{
    HWND window = CreateWindowExA(0, "STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 200, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr) {
        return 1;
    }
    writeRecord("window\tready\n");
    // A STATIC window is destroyed by WM_CLOSE; the loop ends when no window of ours is left.
    MSG message;
    while (IsWindow(window) && GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

} // namespace

int main()
{
    if (__argc == 3 && std::string(__argv[1]) == "window") {
        return holdWindow(__argv[2]);
    }
    return recordStart();
}
