# Profiles: the start-up reconnection against the simulator, through the real
# store files and, for start-up, the real composition root.
if(NETVANE_BUILD_GUI)
  netvane_add_test(test_profile_integration
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ProfileIntegrationTest.cpp
    LIBS netvane_gui netvane_profiles netvane_test_support
    LABELS integration)
  set_property(TEST test_profile_integration APPEND PROPERTY ENVIRONMENT
               "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/unit/gui/lsan.supp")
endif()
