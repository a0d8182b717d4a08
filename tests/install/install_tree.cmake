# Installs the build into a scratch DESTDIR under /usr and checks the tree: every file where it
# belongs, nothing outside the prefix, and the desktop entry and AppStream metadata valid.
# With the bridge, its user unit too: enabled by a relative link, naming the installed program,
# and hardened without what a user manager cannot apply.
# Run with -DBUILD=<build dir> -DSCRATCH=<empty folder> [-DMAN=ON] [-DBRIDGE=ON].
cmake_minimum_required(VERSION 3.25)
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
    usr/share/doc/netvane/cli.md
    usr/share/doc/netvane/copyright
    usr/share/doc/netvane/scenario-format.md
    usr/share/icons/hicolor/scalable/apps/com.corvane.Netvane.svg
    usr/share/metainfo/com.corvane.Netvane.metainfo.xml)
set(unit usr/lib/systemd/user/netvane-nm-bridge.service)
set(wants usr/lib/systemd/user/default.target.wants/netvane-nm-bridge.service)
if(BRIDGE)
  list(APPEND expected usr/bin/netvane-nm-bridge usr/share/doc/netvane/nm-bridge.md ${unit}
                       ${wants})
endif()
if(MAN)
  list(APPEND expected usr/share/man/man1/netvane.1.gz usr/share/man/man1/netvane-cli.1.gz
                       usr/share/man/man1/cv7000-sim.1.gz)
  if(BRIDGE)
    list(APPEND expected usr/share/man/man1/netvane-nm-bridge.1.gz)
  endif()
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

if(BRIDGE)
  # A copied or absolute link would break under DESTDIR or once the unit is edited.
  file(READ_SYMLINK ${SCRATCH}/${wants} target)
  if(NOT target STREQUAL "../netvane-nm-bridge.service")
    message(FATAL_ERROR "${wants} should link to ../netvane-nm-bridge.service, not '${target}'")
  endif()
  file(STRINGS ${SCRATCH}/${unit} lines)
  foreach(needed "ExecStart=/usr/bin/netvane-nm-bridge" "NoNewPrivileges=yes"
                 "WantedBy=default.target")
    if(NOT needed IN_LIST lines)
      message(FATAL_ERROR "${unit} lacks '${needed}'")
    endif()
  endforeach()
  # PrivateTmp= needs a mount namespace, which a user manager gets only from an unprivileged user
  # namespace: where the kernel refuses those, the unit would not start at all.
  list(FILTER lines INCLUDE REGEX "^PrivateTmp=")
  if(lines)
    message(FATAL_ERROR "${unit} sets ${lines}")
  endif()
  # systemd-analyze checks the program exists, so it reads a copy naming the scratch one. It
  # needs a user runtime folder; where it cannot start at all, without naming the unit, it is
  # not usable here and is skipped.
  find_program(SYSTEMD_ANALYZE systemd-analyze)
  if(SYSTEMD_ANALYZE)
    set(runtime ${SCRATCH}/runtime)
    file(MAKE_DIRECTORY ${runtime})
    file(CHMOD ${runtime} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    file(READ ${SCRATCH}/${unit} text)
    string(REPLACE "ExecStart=/usr/" "ExecStart=${SCRATCH}/usr/" text "${text}")
    file(WRITE ${runtime}/netvane-nm-bridge.service "${text}")
    execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_RUNTIME_DIR=${runtime}
                            ${SYSTEMD_ANALYZE} --user verify --man=no
                            ${runtime}/netvane-nm-bridge.service
                    RESULT_VARIABLE verified OUTPUT_VARIABLE said ERROR_VARIABLE said)
    # It exits 0 on unknown keys and bad values, so anything it says about the unit fails.
    if(said MATCHES "netvane-nm-bridge")
      message(FATAL_ERROR "systemd-analyze verify:\n${said}")
    endif()
  endif()
endif()
file(REMOVE_RECURSE ${SCRATCH})
