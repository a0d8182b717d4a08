# What `cmake --install` puts where (GNU directories under the prefix): the programs, their man
# pages, the desktop entry, the icon, the AppStream metadata, the bash completion, and the
# copyright and changelog a Debian package must carry.
include(GNUInstallDirs)

foreach(program netvane netvane-cli cv7000-sim)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

if(TARGET netvane-man)
  foreach(program netvane netvane-cli cv7000-sim)
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
