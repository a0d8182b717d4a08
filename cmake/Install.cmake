# What `cmake --install` puts where (GNU directories under the prefix): the programs, their man
# pages, the desktop entry, the icon, the AppStream metadata, the bash completion, the bridge's
# systemd user unit, and the copyright and changelog a Debian package must carry.
include(GNUInstallDirs)

# `netvane-installable` builds everything installed, so a build of it (scripts/demo makes one)
# is always ready for `cmake --install`.
add_custom_target(netvane-installable)
foreach(program netvane netvane-cli cv7000-sim netvane-nm-bridge)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    add_dependencies(netvane-installable ${program})
  endif()
endforeach()

if(TARGET netvane-man)
  foreach(program netvane netvane-cli cv7000-sim netvane-nm-bridge)
    if(TARGET ${program})
      install(FILES ${PROJECT_BINARY_DIR}/man/${program}.1.gz
              DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
  endforeach()
endif()
if(TARGET netvane-cli)
  install(FILES ${PROJECT_SOURCE_DIR}/data/netvane-cli.bash
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
          RENAME netvane-cli)
endif()
if(TARGET netvane)
  install(FILES ${PROJECT_SOURCE_DIR}/data/com.corvane.Netvane.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/src/gui/images/netvane.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME com.corvane.Netvane.svg)
  install(FILES ${PROJECT_SOURCE_DIR}/data/com.corvane.Netvane.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
if(TARGET netvane-nm-bridge)
  # The unit names the program by its installed path, so it is written at install time from the
  # prefix given then (`cmake --install --prefix`, or the package's /usr), not the configured one.
  set(netvane_unit ${PROJECT_BINARY_DIR}/systemd/netvane-nm-bridge.service)
  install(CODE "
    set(CMAKE_INSTALL_FULL_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
    if(NOT IS_ABSOLUTE \"\${CMAKE_INSTALL_FULL_BINDIR}\")
      set(CMAKE_INSTALL_FULL_BINDIR \"\${CMAKE_INSTALL_PREFIX}/\${CMAKE_INSTALL_FULL_BINDIR}\")
    endif()
    configure_file(\"${PROJECT_SOURCE_DIR}/data/netvane-nm-bridge.service\" \"${netvane_unit}\"
                   @ONLY)")
  # lib/systemd/user, not LIBDIR: systemd reads user units from <prefix>/lib/systemd/user whatever
  # the architecture folder. The wants link enables the unit for every user without a maintainer
  # script; relative, so it holds under any prefix and DESTDIR.
  install(FILES ${netvane_unit} DESTINATION lib/systemd/user)
  file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/systemd/default.target.wants)
  file(CREATE_LINK ../netvane-nm-bridge.service
       ${PROJECT_BINARY_DIR}/systemd/default.target.wants/netvane-nm-bridge.service SYMBOLIC)
  install(FILES ${PROJECT_BINARY_DIR}/systemd/default.target.wants/netvane-nm-bridge.service
          DESTINATION lib/systemd/user/default.target.wants)
  install(FILES ${PROJECT_SOURCE_DIR}/docs/nm-bridge.md
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/netvane)
endif()

# Lower-case folder (GNUInstallDirs' DOCDIR would use the project's capital); the changelog
# compressed with -n so that the package is reproducible.
set(netvane_changelog ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${netvane_changelog}
                   COMMAND sh -c "gzip -9nc < \"$0\" > \"$1\""
                           ${PROJECT_SOURCE_DIR}/data/doc/changelog ${netvane_changelog}
                   DEPENDS ${PROJECT_SOURCE_DIR}/data/doc/changelog
                   VERBATIM)
add_custom_target(netvane-changelog ALL DEPENDS ${netvane_changelog})
install(FILES ${PROJECT_SOURCE_DIR}/data/doc/copyright ${netvane_changelog}
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/netvane)
# The pages the manual pages point a user to: the command line's JSON fields, and the scenario
# format with the simulator's built-in networks and their keys.
install(FILES ${PROJECT_SOURCE_DIR}/docs/cli.md ${PROJECT_SOURCE_DIR}/docs/scenario-format.md
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/netvane)
foreach(generated netvane-man netvane-changelog)
  if(TARGET ${generated})
    add_dependencies(netvane-installable ${generated})
  endif()
endforeach()

