# netvane-cli against the simulator: in-process through Run, and the built program for its exit
# codes.
netvane_add_test(test_cli_integration
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/CliIntegrationTest.cpp
  LIBS netvane_cli netvane_profiles netvane_prefs netvane_plist netvane_system netvane_test_support util
  LABELS integration)
target_compile_definitions(test_cli_integration PRIVATE
                           NETVANE_CLI_PATH="$<TARGET_FILE:netvane-cli>")
add_dependencies(test_cli_integration netvane-cli)
