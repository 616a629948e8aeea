#include "platform/os_factory.h"

// The one place that chooses the backend of the target system.
#if defined(_WIN32)
#include "platform/win32/win32_os_services.h"
#else
#include "platform/linux/linux_os_services.h"
#endif

namespace platform {

#if defined(_WIN32)
using Impl = Win32OsServices;
#else
using Impl = LinuxOsServices;
#endif

std::unique_ptr<OsServices> createOsServices()
{
    return std::make_unique<Impl>();
}

} // namespace platform
