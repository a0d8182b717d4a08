# netvane-cli against the simulator: in-process through Run, and the built program for its exit
# codes. libcrypto's PBKDF2 checks the keys the simulator was sent.
find_package(OpenSSL REQUIRED)
netvane_add_test(test_cli_integration
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/CliIntegrationTest.cpp
  LIBS netvane_cli netvane_profiles netvane_prefs netvane_plist netvane_system netvane_test_support util
       OpenSSL::Crypto
  LABELS integration)
target_compile_definitions(test_cli_integration PRIVATE
                           NETVANE_CLI_PATH="$<TARGET_FILE:netvane-cli>")
add_dependencies(test_cli_integration netvane-cli)
