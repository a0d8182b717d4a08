# netvane-cli against netvane-nm-bridge and the NetworkManager double (a private dbus-daemon and
# dbusmock). Only with the bridge built.
if(TARGET netvane-nm-bridge)
  find_package(OpenSSL REQUIRED)
  netvane_add_test(test_nmbridge_cli
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/NmBridgeCliTest.cpp
    LIBS netvane_cli netvane_system netvane_userclient netvane_test_nm OpenSSL::Crypto
    LABELS integration nmbridge)
endif()
