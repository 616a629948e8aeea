# Configures and builds this source tree for Windows with a mingw-w64 toolchain: the core, the
# Win32 backend and its tests. Run as a CTest fixture:
#   cmake -DSOURCE_DIR=... -DBINARY_DIR=... -DTOOLCHAIN=... -DGENERATOR=... -DWERROR=ON|OFF -P
foreach(name SOURCE_DIR BINARY_DIR TOOLCHAIN GENERATOR WERROR)
  if(NOT DEFINED ${name})
    message(FATAL_ERROR "cross_build.cmake: ${name} is not set")
  endif()
endforeach()

# Release: no debug sections to link into the static executables, the quickest build here.
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BINARY_DIR} -G ${GENERATOR}
    -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DCMAKE_BUILD_TYPE=Release
    -DKV_WITH_QT=OFF -DKV_WERROR=${WERROR} -DBUILD_TESTING=ON
  OUTPUT_QUIET
  COMMAND_ERROR_IS_FATAL ANY)
execute_process(
  COMMAND ${CMAKE_COMMAND} --build ${BINARY_DIR} --target win32_backend_tests
  COMMAND_ERROR_IS_FATAL ANY)
