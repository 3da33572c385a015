# Warnings for the C++ of every target of the project. They stay warnings in a plain build, so
# that a distribution's newer compiler builds it all the same; the presets, which the project's
# own checks use, make each of them an error (CMAKE_COMPILE_WARNING_AS_ERROR).
add_compile_options(
    "$<$<COMPILE_LANGUAGE:CXX>:-Wall;-Wextra;-Wpedantic;-Wshadow;-Wconversion;-Wnon-virtual-dtor>"
    "$<$<COMPILE_LANGUAGE:CXX>:-Wold-style-cast;-Woverloaded-virtual>")
