# The same sources give the same program files wherever they are built: the folder of the source
# tree (and of the build trees inside it) stays out of debug information and file names in code.
add_compile_options("-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=")
if(WIN32)
    # The linker would stamp the program file with the time of the link.
    add_link_options(-Wl,--no-insert-timestamp)
endif()
