# The protections each program is built with, those its platform expects of it.
if(WIN32)
    # Loaded at a random address (with the relocations that takes, and anywhere in the address
    # space on 64-bit), its data never run as code; the header names the Windows it needs, 7 (6.1).
    add_link_options(-Wl,--dynamicbase -Wl,--nxcompat -Wl,--enable-reloc-section
                     -Wl,--major-subsystem-version,6 -Wl,--minor-subsystem-version,1
                     -Wl,--major-os-version,6 -Wl,--minor-os-version,1)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        add_link_options(-Wl,--high-entropy-va)
    endif()
else()
    # Debian's: checked buffer functions where the compiler optimises (the checks need it), and
    # relocations resolved and made read-only at start-up. Where a distribution's flags choose the
    # level of the checks, theirs stands: a second definition would be a warning, and so an error.
    if(NOT CMAKE_CXX_FLAGS MATCHES _FORTIFY_SOURCE)
        add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    endif()
    add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
