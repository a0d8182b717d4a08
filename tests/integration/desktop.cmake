# Notifications, the event history and the tray against the simulator and a private session bus.
if(NETVANE_BUILD_GUI)
  netvane_add_test(test_desktop_integration
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DesktopIntegrationTest.cpp
    LIBS netvane_gui netvane_test_support netvane_test_dbus
    LABELS integration)
  set_property(TEST test_desktop_integration APPEND PROPERTY ENVIRONMENT
               "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/unit/gui/lsan.supp")
endif()
