# Every target of ours links netvane_warnings: warnings are errors.
add_library(netvane_warnings INTERFACE)
target_compile_options(netvane_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Werror -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wnull-dereference
  -Wimplicit-fallthrough)
# g++ 12 reports out-of-bounds copies inside std::vector::insert at -O2 and above that cannot
# happen (its bounds analysis loses track of the new capacity); later versions do not.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(netvane_warnings INTERFACE
    $<$<NOT:$<CONFIG:Debug>>:-Wno-array-bounds -Wno-stringop-overflow -Wno-stringop-overread>)
endif()
