# netvane --help and --version answer with no display at all: no window system is reached.
# Run with -DNETVANE=<the netvane program> -DVERSION_HEADER=<the header naming the version>.
file(STRINGS ${VERSION_HEADER} version_line REGEX "kNetvaneVersion = \"")
string(REGEX REPLACE ".*kNetvaneVersion = \"([^\"]+)\".*" "\\1" version "${version_line}")

function(run_without_display expect_out)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                          --unset=QT_QPA_PLATFORM ${NETVANE} ${ARGN}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
  if(NOT status EQUAL 0 OR NOT err STREQUAL "")
    message(FATAL_ERROR "netvane ${ARGN}: status ${status}, standard error:\n${err}")
  endif()
  foreach(expected IN LISTS expect_out)
    string(FIND "${out}" "${expected}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "netvane ${ARGN} does not say '${expected}':\n${out}")
    endif()
  endforeach()
endfunction()

run_without_display("Usage: netvane [options];--help;--version;--verbose;--screenshots <dir>"
                    --help)
run_without_display("netvane ${version}\n" --version)
