# Every target of ours links netvane_warnings: warnings are errors.
add_library(netvane_warnings INTERFACE)
target_compile_options(netvane_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Werror -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wnull-dereference
  -Wimplicit-fallthrough)
