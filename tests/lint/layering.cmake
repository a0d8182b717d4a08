# Dependencies point down: a folder may include only from the layers below it (and itself).
# Run as: cmake -DSRC=<src folder> -P layering.cmake
set(pages "survey|profiles|status|advanced")
# folder regex -> include prefixes it must not use
set(rules
  "^state/"                           "^(app|platform|driver|security|${pages}|cli|text)/"
  "^text/"                            "^(app|platform|driver|security|${pages}|cli|state)/"
  "^platform/(ui|system|userclient|prefs)/" "^(app|platform/qt|driver|security|${pages}|cli)/"
  "^(driver|security)/"               "^(app|platform/qt|${pages}|cli)/"
  "^(${pages})/"                      "^(app|platform/qt|cli)/"
  "^app/"                             "^(cli)/"
  "^cli/"                             "^(app|platform/qt)/")
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*.h ${SRC}/*.cpp)
set(bad "")
foreach(f ${files})
  file(STRINGS ${SRC}/${f} includes REGEX "^#include \"")
  set(i 0)
  list(LENGTH rules n)
  while(i LESS n)
    list(GET rules ${i} who)
    math(EXPR j "${i} + 1")
    list(GET rules ${j} banned)
    if(f MATCHES "${who}")
      foreach(line ${includes})
        string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" target "${line}")
        if(target MATCHES "${banned}")
          string(APPEND bad "  ${f} includes ${target}\n")
        endif()
      endforeach()
    endif()
    math(EXPR i "${i} + 2")
  endwhile()
endforeach()
if(bad)
  message(FATAL_ERROR "includes that point up a layer:\n${bad}")
endif()
