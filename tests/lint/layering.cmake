# Dependencies point down the layers (docs/architecture.md). Every folder of src/ is on the list;
# a file may include its own folder and the levels below its own, never a folder on its own
# level or above, and only gui/ includes Qt. tools/ may include only the driver's records and the
# user-client protocol. tools/driverkit is the bottom of tools/: a driver service may include it,
# it includes no service, and no service includes another.
# Run as: cmake -DSRC=<src folder> -DTOOLS=<tools folder> -P layering.cmake
cmake_minimum_required(VERSION 3.25)
set(levels
  "text"
  "state ui platform/system"
  "platform/plist crypto"
  "platform/prefs platform/userclient"
  "driver"
  "keyentry"
  "survey status advanced"
  "profiles"
  "shell"
  "gui cli")
set(tools_may_use driver/Records.h driver/Oids.h platform/userclient/Protocol.h
                  platform/userclient/Registry.h)

# level_<folder> = its place in the list
set(folders "")
set(n 0)
foreach(line ${levels})
  string(REPLACE " " ";" line_folders "${line}")
  foreach(folder ${line_folders})
    set(level_${folder} ${n})
    list(APPEND folders ${folder})
  endforeach()
  math(EXPR n "${n} + 1")
endforeach()
# Longest first, so platform/prefs is not taken for a folder named platform.
list(SORT folders ORDER DESCENDING)

# folder_of(path out): the listed folder `path` lies in, or "" when none.
function(folder_of path out)
  foreach(folder ${folders})
    string(FIND "${path}" "${folder}/" at)
    if(at EQUAL 0)
      set(${out} ${folder} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${out} "" PARENT_SCOPE)
endfunction()

set(bad "")
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*.h ${SRC}/*.cpp)
foreach(f ${files})
  folder_of(${f} mine)
  if(mine STREQUAL "")
    string(APPEND bad "  ${f} is in a folder that is not on the list of layers\n")
    continue()
  endif()
  # Only the window knows Qt.
  if(NOT mine STREQUAL "gui")
    file(STRINGS ${SRC}/${f} qt_includes REGEX "^#include <Q")
    foreach(line ${qt_includes})
      string(APPEND bad "  ${f}: ${line}; only gui/ uses Qt\n")
    endforeach()
  endif()
  file(STRINGS ${SRC}/${f} includes REGEX "^#include \"[^\"]*/")
  foreach(line ${includes})
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" target "${line}")
    folder_of(${target} theirs)
    if(theirs STREQUAL "")
      string(APPEND bad "  ${f} includes ${target}, which is in no listed folder\n")
    elseif(NOT theirs STREQUAL mine AND NOT level_${theirs} LESS level_${mine})
      if(level_${theirs} EQUAL level_${mine})
        string(APPEND bad "  ${f} includes ${target}, on its own level (sideways)\n")
      else()
        string(APPEND bad "  ${f} includes ${target}, a layer above it\n")
      endif()
    endif()
  endforeach()
endforeach()

if(TOOLS)
  set(kit driverkit)
  file(GLOB_RECURSE tool_files RELATIVE ${TOOLS} ${TOOLS}/*.h ${TOOLS}/*.cpp ${TOOLS}/*.in)
  foreach(f ${tool_files})
    string(REGEX REPLACE "/.*" "" tool "${f}")
    file(STRINGS ${TOOLS}/${f} includes REGEX "^#include \"")
    foreach(line ${includes})
      string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" target "${line}")
      string(REGEX REPLACE "/.*" "" head "${target}")
      folder_of(${target} theirs)
      if(NOT theirs STREQUAL "")
        if(NOT target IN_LIST tools_may_use)
          string(APPEND bad "  tools/${f} includes ${target}; tools may use only ${tools_may_use}\n")
        endif()
      elseif(tool STREQUAL kit AND NOT head STREQUAL kit)
        string(APPEND bad "  tools/${f} includes ${target}: ${kit} is the bottom of tools/ and includes no service\n")
      elseif(NOT head STREQUAL kit AND NOT head STREQUAL tool AND IS_DIRECTORY ${TOOLS}/${head})
        string(APPEND bad "  tools/${f} includes ${target}, from another service\n")
      endif()
    endforeach()
  endforeach()
endif()

if(bad)
  message(FATAL_ERROR "includes against the layers:\n${bad}")
endif()
