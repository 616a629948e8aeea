# The Win32 backend, added to the platform target of a Windows build.
target_sources(platform PRIVATE ${CMAKE_CURRENT_LIST_DIR}/win32_os_services.cpp)
target_link_libraries(platform PRIVATE shell32 user32 kernel32 ole32)
