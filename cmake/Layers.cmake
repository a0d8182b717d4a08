# netvane_layer(target folder): the target's headers are reachable as "<folder>/Name.h" only from
# the target itself and from what links it. Each target's include root holds just its own
# folder, so an include of a layer the target does not link fails to build.
function(netvane_layer target folder)
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT IS_SYMLINK ${root}/${folder})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()

# netvane_layer_headers(target folder header...): a header-only target exposing just these
# headers of a folder, for a user outside src/ that may see no more of it than that.
function(netvane_layer_headers target folder)
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  file(MAKE_DIRECTORY ${root}/${folder})
  foreach(header ${ARGN})
    if(NOT IS_SYMLINK ${root}/${folder}/${header})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder}/${header} ${root}/${folder}/${header}
           SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${target} INTERFACE ${root})
endfunction()

# netvane_tool_layer(target folder): the same for a folder of tools/, as "<folder>/Name.h".
function(netvane_tool_layer target folder)
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  file(MAKE_DIRECTORY ${root})
  if(NOT IS_SYMLINK ${root}/${folder})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/tools/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
