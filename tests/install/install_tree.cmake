# Installs the build into a scratch DESTDIR under /usr and checks the tree: every file where it
# belongs, nothing outside the prefix, and the desktop entry and AppStream metadata valid.
# Run with -DBUILD=<build dir> -DSCRATCH=<empty folder> [-DMAN=ON].
file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${SCRATCH}
                        ${CMAKE_COMMAND} --install ${BUILD} --prefix /usr
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(expected
    usr/bin/cv7000-sim
    usr/bin/netvane
    usr/bin/netvane-cli
    usr/share/applications/com.corvane.Netvane.desktop
    usr/share/bash-completion/completions/netvane-cli
    usr/share/doc/netvane/changelog.gz
    usr/share/doc/netvane/copyright
    usr/share/icons/hicolor/scalable/apps/com.corvane.Netvane.svg
    usr/share/metainfo/com.corvane.Netvane.metainfo.xml)
if(MAN)
  list(APPEND expected usr/share/man/man1/netvane.1.gz usr/share/man/man1/netvane-cli.1.gz
                       usr/share/man/man1/cv7000-sim.1.gz)
endif()
list(SORT expected)
file(GLOB_RECURSE found RELATIVE ${SCRATCH} ${SCRATCH}/*)
list(SORT found)
if(NOT found STREQUAL expected)
  message(FATAL_ERROR "installed tree differs\n  expected: ${expected}\n  found:    ${found}")
endif()

find_program(DESKTOP_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(DESKTOP_VALIDATE)
  execute_process(COMMAND ${DESKTOP_VALIDATE}
                          ${SCRATCH}/usr/share/applications/com.corvane.Netvane.desktop
                  RESULT_VARIABLE valid)
  if(NOT valid EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate refuses the desktop entry")
  endif()
endif()
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net
                          ${SCRATCH}/usr/share/metainfo/com.corvane.Netvane.metainfo.xml
                  RESULT_VARIABLE valid)
  if(NOT valid EQUAL 0)
    message(FATAL_ERROR "appstreamcli refuses the metadata")
  endif()
endif()
file(REMOVE_RECURSE ${SCRATCH})
