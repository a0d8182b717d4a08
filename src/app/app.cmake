# The main window controller (plain C++) and, with the window toolkit, the netvane program.
add_library(netvane_controller STATIC
  ${CMAKE_CURRENT_LIST_DIR}/NetvaneController.cpp
)
target_include_directories(netvane_controller PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(netvane_controller
  PUBLIC netvane_ui netvane_driver netvane_state netvane_system
  PRIVATE netvane_warnings)

if(NETVANE_BUILD_GUI)
  add_executable(netvane ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
  target_link_libraries(netvane PRIVATE netvane_qt netvane_warnings)
endif()
