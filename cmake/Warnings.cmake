# Warnings for the C++ of every target of the project, and every warning an error.
set(CMAKE_COMPILE_WARNING_AS_ERROR ON)
add_compile_options(
    "$<$<COMPILE_LANGUAGE:CXX>:-Wall;-Wextra;-Wpedantic;-Wshadow;-Wconversion;-Wnon-virtual-dtor>"
    "$<$<COMPILE_LANGUAGE:CXX>:-Wold-style-cast;-Woverloaded-virtual>")
