# The artwork test; included from tests/windows/CMakeLists.txt.
qt_add_executable(artwork_test artwork_test.cpp)
set_target_properties(artwork_test PROPERTIES AUTOMOC ON)
find_package(Qt6 REQUIRED COMPONENTS Test)
target_link_libraries(artwork_test PRIVATE kv::resources kv::launcher Qt6::Test Qt6::Gui kv::options)
add_test(NAME artwork_test COMMAND artwork_test)
set_tests_properties(artwork_test PROPERTIES
  LABELS windows
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
