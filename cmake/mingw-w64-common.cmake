# Shared by the mingw-w64 toolchain files; they set KV_MINGW_TRIPLET and the processor first.
set(CMAKE_SYSTEM_NAME Windows)

# The posix thread model gives the full <thread>/<mutex>; it falls back to the default one.
foreach(lang_tool IN ITEMS "C;gcc" "CXX;g++")
  list(GET lang_tool 0 lang)
  list(GET lang_tool 1 tool)
  find_program(CMAKE_${lang}_COMPILER
    NAMES ${KV_MINGW_TRIPLET}-${tool}-posix ${KV_MINGW_TRIPLET}-${tool}
    REQUIRED)
endforeach()
find_program(CMAKE_RC_COMPILER NAMES ${KV_MINGW_TRIPLET}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${KV_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything static, so the executables run anywhere (wine included) without the compiler's DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
