# Cross build for 32-bit Windows with mingw-w64:
#   cmake --preset mingw32   (or -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(KV_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
