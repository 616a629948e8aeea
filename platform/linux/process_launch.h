#pragma once

#include <string>
#include <vector>

namespace platform {

// Starts the program at path with these arguments (argv[0] is the path itself) and returns at
// once. No shell is involved and PATH is not searched unless searchPath is set. The child has
// its own session, stdin/stdout/stderr on /dev/null, no other descriptor of ours, default signal
// handling, and the caller's working directory and environment. A thread of ours waits for it,
// so it never lingers as a zombie. Returns false when it could not be started.
bool startDetached(const std::string& path, const std::vector<std::string>& arguments,
                   bool searchPath = false);

} // namespace platform
