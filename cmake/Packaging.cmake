# The release packages CPack makes of the installed files: a Debian package on Linux, a zip on
# Windows.
set(CPACK_PACKAGE_NAME ipview)
set(CPACK_PACKAGE_VERSION
    ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
set(CPACK_PACKAGE_VENDOR Torvale)
set(CPACK_PACKAGE_CONTACT "ipview maintainers <maintainers@users.noreply.c-seed-e04cf173.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[
ipview has one window with one text box and one button: a click resolves the
name in the box and replaces it with the host's first IPv4 address in dotted
decimal. An empty name stands for this computer, so the first click shows the
machine's own address.]])
set(CPACK_STRIP_FILES ON)

if(WIN32)
    set(CPACK_GENERATOR ZIP)
    # The 32-bit build is the one that ships; the 64-bit one only runs the tests here.
    math(EXPR bits "${CMAKE_SIZEOF_VOID_P} * 8")
    set(CPACK_PACKAGE_FILE_NAME ipview-${CPACK_PACKAGE_VERSION}-win${bits})
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION net)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # A face that has the captions' Chinese always comes along, the Kai look-alike first; the
    # window's Song and Kai look-alikes are recommended.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-ukai | fonts-noto-cjk | fonts-wqy-zenhei")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-arphic-uming, fonts-arphic-ukai")
endif()

include(CPack)
