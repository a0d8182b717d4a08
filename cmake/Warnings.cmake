# Every target of ours links netvane_warnings: warnings are errors.
add_library(netvane_warnings INTERFACE)
target_compile_options(netvane_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Werror -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wnull-dereference
  -Wimplicit-fallthrough)
# g++ 12 reports out-of-bounds copies inside std::vector::insert, overlapping copies inside
# std::string concatenation and null dereferences inside library templates (nlohmann-json,
# std::construct_at) at -O2 and above that cannot happen (its analysis loses track of the new
# capacity or of a check made before inlining); later versions do not.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(netvane_warnings INTERFACE
    $<$<NOT:$<CONFIG:Debug>>:-Wno-array-bounds -Wno-stringop-overflow -Wno-stringop-overread
                                     -Wno-restrict -Wno-null-dereference>)
endif()
