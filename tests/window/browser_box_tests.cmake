# The browser box with the system's WebBrowser control, under Wine: to be
# included from this folder's CMakeLists.txt in the Windows build. The
# tests show windows and take the focus, one at a time like the
# end-to-end tests.

# Started by the tests through a URL protocol of their own.
add_executable(command_line_recorder WIN32 ${CMAKE_CURRENT_LIST_DIR}/command_line_recorder.cpp)
target_include_directories(command_line_recorder PRIVATE ${PROJECT_SOURCE_DIR}/tests/e2e)
target_link_options(command_line_recorder PRIVATE -municode)

add_executable(browser_box_tests
  ${CMAKE_CURRENT_LIST_DIR}/browser_box_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bstr_test.cpp
  ${PROJECT_SOURCE_DIR}/tests/e2e/wait.cpp
  ${PROJECT_SOURCE_DIR}/window/browser_box.cpp
  ${PROJECT_SOURCE_DIR}/window/window_class.cpp
  ${PROJECT_SOURCE_DIR}/window/ole_site.cpp
  ${PROJECT_SOURCE_DIR}/window/bstr.cpp)
target_include_directories(browser_box_tests PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests/e2e)
target_compile_definitions(browser_box_tests PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(browser_box_tests PRIVATE
  ${GTEST_MAIN_TARGETS} ole32 oleaut32 uuid user32 gdi32 advapi32)
add_dependencies(browser_box_tests command_line_recorder)
set_target_properties(browser_box_tests PROPERTIES
  CROSSCOMPILING_EMULATOR "bash;${PROJECT_SOURCE_DIR}/tests/e2e/wine-run.sh")
gtest_discover_tests(browser_box_tests
  DISCOVERY_MODE PRE_TEST
  DISCOVERY_TIMEOUT 120
  PROPERTIES RUN_SERIAL TRUE TIMEOUT 300 LABELS window)
