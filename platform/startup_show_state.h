#pragma once

namespace platform {

// How whoever started the process asked its first window to be shown.
enum class StartupShowState { Normal, Maximized, Minimized };

// On Windows the show state the process was started with (a shortcut set to "Maximized", a
// caller's STARTUPINFO); elsewhere always Normal.
[[nodiscard]] StartupShowState startupShowState();

} // namespace platform
