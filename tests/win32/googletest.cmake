# GoogleTest compiled from its sources for Windows: in a cross build those Debian ships, on
# Windows a checkout given with -DKV_GOOGLETEST_SOURCE=...
set(KV_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for Windows builds")
if(NOT EXISTS ${KV_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${KV_GOOGLETEST_SOURCE}: set KV_GOOGLETEST_SOURCE, "
    "or configure with -DBUILD_TESTING=OFF")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
# Windows has threads of its own; winpthreads would only add a layer.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
# The same C runtime DLL as every other target of an MSVC build.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${KV_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
foreach(library gtest gtest_main)
  if(NOT TARGET GTest::${library})
    add_library(GTest::${library} ALIAS ${library})
  endif()
endforeach()
