# What a Debian package must carry beside the program: its copyright file in the machine-readable
# format, with the terms of LICENSE, its changelog, compressed, of a native package, and the
# lintian tags it keeps, each with its reason. Only the package installs them: other distributions
# write their own, so a plain `cmake --install` leaves them out.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(REGEX MATCH "\nCopyright \\(c\\) ([^\n]*)\n\n(.*)" _ "${license}")
set(IPVIEW_COPYRIGHT_HOLDERS ${CMAKE_MATCH_1})
# The format's long field: each line indented by one space, an empty line written as ".".
string(STRIP "${CMAKE_MATCH_2}" terms)
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " IPVIEW_LICENSE_TERMS " ${terms}")

execute_process(COMMAND env LC_ALL=C date --utc --rfc-email --date ${IPVIEW_RELEASE_DATE}
    OUTPUT_VARIABLE IPVIEW_RELEASE_TIME OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

set(debian_documents ${PROJECT_BINARY_DIR}/debian)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/copyright.in ${debian_documents}/copyright
    @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog.in ${debian_documents}/changelog
    @ONLY)
include(${PROJECT_SOURCE_DIR}/cmake/Gzip.cmake)
ipview_gzip(debian_changelog ${debian_documents}/changelog)
add_dependencies(ipview debian_changelog)

install(FILES ${debian_documents}/copyright ${debian_documents}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ipview
    COMPONENT debian EXCLUDE_FROM_ALL)
# The package is what every distribution installs, and then these.
set(CPACK_INSTALL_CMAKE_PROJECTS
    ${PROJECT_BINARY_DIR} ${PROJECT_NAME} ALL /
    ${PROJECT_BINARY_DIR} ${PROJECT_NAME} debian /)
