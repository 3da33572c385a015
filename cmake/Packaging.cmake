# The release packages CPack makes of the installed files: a Debian package on Linux, a zip on
# Windows. Both take their times from SOURCE_DATE_EPOCH when it is set.
set(CPACK_PACKAGE_NAME ipview)
set(CPACK_PACKAGE_VERSION ${IPVIEW_RELEASE_VERSION})
set(CPACK_PACKAGE_VENDOR Torvale)
set(CPACK_PACKAGE_CONTACT "ipview maintainers <ipview-maintainers@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[
ipview has one window with one text box and one button: a click resolves the
name in the box and replaces it with the host's first IPv4 address in dotted
decimal. An empty name stands for this computer, so the first click shows the
machine's own address.]])

if(WIN32)
    set(CPACK_GENERATOR ZIP)
    # The 32-bit build is the one that ships; the 64-bit one only runs the tests here.
    math(EXPR bits "${CMAKE_SIZEOF_VOID_P} * 8")
    set(CPACK_PACKAGE_FILE_NAME ipview-${CPACK_PACKAGE_VERSION}-win${bits})
else()
    set(CPACK_GENERATOR DEB)
    # Not the Windows program: its linker strips it, and it goes into the zip as the tests ran
    # it (strip would stamp it with a new time).
    set(CPACK_STRIP_FILES ON)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION net)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # A face that has the captions' Chinese always comes along, the Kai look-alike first; the
    # window's Song and Kai look-alikes are recommended, and so is Qt's Wayland platform, a package
    # of its own: without it the program opens on X11 (Xwayland on a Wayland desktop).
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-ukai | fonts-noto-cjk | fonts-wqy-zenhei")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-arphic-uming, fonts-arphic-ukai, qt6-wayland")
    include(${CMAKE_CURRENT_LIST_DIR}/DebianDocuments.cmake)
endif()

include(CPack)
