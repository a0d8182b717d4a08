# The window and the shell against the simulator.
if(NETVANE_BUILD_GUI)
  netvane_add_test(test_shell_integration
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ShellIntegrationTest.cpp
    LIBS netvane_qt netvane_test_support
    LABELS integration)
  set_property(TEST test_shell_integration APPEND PROPERTY ENVIRONMENT
               "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/gui/lsan.supp")
endif()
