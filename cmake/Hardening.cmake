# The protections Debian builds its programs with: checked buffer functions where the compiler
# optimises (the checks need it), and relocations resolved and made read-only at start-up.
if(NOT WIN32)
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
