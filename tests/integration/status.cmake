# The status and advanced pages of the real window against the simulator.
if(NETVANE_BUILD_GUI)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  netvane_add_test(test_status_integration
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/StatusIntegrationTest.cpp
    LIBS netvane_gui netvane_test_support Qt6::Test
    LABELS integration)
  target_compile_definitions(test_status_integration PRIVATE
                             NETVANE_SCENARIOS="${PROJECT_SOURCE_DIR}/tools/cv7000-sim/scenarios")
  set_property(TEST test_status_integration APPEND PROPERTY ENVIRONMENT
               "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/unit/gui/lsan.supp")
endif()
