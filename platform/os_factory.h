#pragma once

#include <memory>

#include "platform/platform.h"

namespace platform {

// The OS backend of the system this program was built for.
std::unique_ptr<OsServices> createOsServices();

} // namespace platform
