# The manual pages from their scdoc sources in docs/, when scdoc is there, into man/ of the build
# folder; the gzip -9n copies (reproducible) are the installed ones. The bridge's page is made even
# when the bridge is not built, so that its source stays valid.
find_program(SCDOC scdoc)
set(NETVANE_MAN_PAGES)
if(SCDOC)
  foreach(page netvane netvane-cli cv7000-sim netvane-nm-bridge)
    set(out ${PROJECT_BINARY_DIR}/man/${page}.1)
    add_custom_command(OUTPUT ${out} ${out}.gz
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
                       COMMAND sh -c "\"$0\" < \"$1\" > \"$2\"" ${SCDOC}
                               ${PROJECT_SOURCE_DIR}/docs/${page}.1.scd ${out}
                       COMMAND gzip -9nkf ${out}
                       DEPENDS ${PROJECT_SOURCE_DIR}/docs/${page}.1.scd
                       VERBATIM)
    list(APPEND NETVANE_MAN_PAGES ${out}.gz)
  endforeach()
  add_custom_target(netvane-man ALL DEPENDS ${NETVANE_MAN_PAGES})
endif()
