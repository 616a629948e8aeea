# One INTERFACE target carries the compile settings every target of ours shares.
add_library(kv_options INTERFACE)
add_library(kv::options ALIAS kv_options)

target_compile_features(kv_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)

if(MSVC)
  target_compile_options(kv_options INTERFACE /W4 /permissive- /utf-8)
else()
  target_compile_options(kv_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
    -Wno-sign-conversion)
endif()

option(KV_WERROR "Treat warnings as errors" OFF)
if(KV_WERROR)
  if(MSVC)
    target_compile_options(kv_options INTERFACE /WX)
  else()
    target_compile_options(kv_options INTERFACE -Werror)
  endif()
endif()

option(KV_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(KV_SANITIZE)
  target_compile_options(kv_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  target_link_options(kv_options INTERFACE -fsanitize=address,undefined)
endif()

target_compile_definitions(kv_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  $<$<BOOL:${WIN32}>:NOMINMAX WIN32_LEAN_AND_MEAN>)
