# `cpack` (run by scripts/package) turns the install rules into a Debian package under /usr.
# The dependencies come from the binaries through dpkg-shlibdeps, so they follow whatever Qt
# the build found instead of a list kept by hand.

# The changelog's top entry names the packaged version; a version bump without its entry would
# ship a changelog that contradicts the package.
set(netvane_changelog_source ${PROJECT_SOURCE_DIR}/data/doc/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${netvane_changelog_source})
file(STRINGS ${netvane_changelog_source} netvane_changelog_top LIMIT_COUNT 1)
string(FIND "${netvane_changelog_top}" "netvane (${PROJECT_VERSION}) " netvane_changelog_at)
if(NOT netvane_changelog_at EQUAL 0)
  message(FATAL_ERROR "data/doc/changelog: the top entry is not version ${PROJECT_VERSION}")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME netvane)
set(CPACK_PACKAGE_VENDOR "Netvane developers")
set(CPACK_PACKAGE_CONTACT "Netvane developers <netvane@corvane.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories the installer creates follow root's usual mode whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration utility for CV7000 wireless adapters")
# Lines kept under 80 columns; CPack indents them for the control file.
set(CPACK_PACKAGE_DESCRIPTION
    "Netvane configures a CV7000-family wireless adapter: it scans for networks
and joins them (open, WEP and WPA-PSK), keeps named connection profiles,
shows the link status and the frame counters, and sets the advanced radio
settings (wireless mode, rates, radio on or off).

The package also holds netvane-cli, which does the same from a terminal or
a script, and cv7000-sim, a simulated adapter driver so that Netvane runs
without the hardware.")
if(TARGET netvane-nm-bridge)
  string(APPEND CPACK_PACKAGE_DESCRIPTION "

With netvane-nm-bridge, a user service started at every login, Netvane and
netvane-cli also drive the computer's own Wi-Fi adapters through
NetworkManager: scanning, joining open, WEP, WPA-PSK and WPA2-PSK networks,
the link, the counters and the radio switch, with NetworkManager's polkit
rules deciding what each user may do.")
  # Recommended, not required: the window, the command line and the simulator work without them.
  # network-manager is what the bridge drives (it brings the system bus); libpam-systemd starts
  # each user's systemd manager at login, which runs the unit, and registers the login session
  # polkit judges the bridge's calls by. dbus-user-session is not needed: the bridge uses the
  # system bus only. qt6-translations-l10n says Qt's own words (the standard buttons) in the
  # person's language.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "network-manager, libpam-systemd, qt6-translations-l10n")
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.corvane.example/netvane/)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
