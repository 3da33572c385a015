# The target source_tarball: the source release, source-release/ipview-VERSION.tar.gz in the build
# tree, holding the tracked files of the commit checked out in a folder of that name.
# Only a clone has a commit to make it of; an unpacked source release has none.
if(NOT EXISTS ${PROJECT_SOURCE_DIR}/.git)
    return()
endif()
set(source_release ipview-${IPVIEW_RELEASE_VERSION})
set(tarball_folder ${PROJECT_BINARY_DIR}/source-release) # emptied first: no earlier version's
# The same bytes from every clone of the commit: git takes the entries' times from the commit, and
# these settings, which a user's own configuration may change, fix their modes and line ends;
# gzip stores no name and no time.
add_custom_target(source_tarball
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${tarball_folder}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${tarball_folder}
    COMMAND git -c tar.umask=0022 -c core.autocrlf=false -c core.eol=lf archive --format=tar
            --prefix=${source_release}/ --output=${tarball_folder}/${source_release}.tar HEAD
    COMMAND gzip --best --no-name ${tarball_folder}/${source_release}.tar
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    VERBATIM)
