# What `cmake --install` puts where: on Windows the program, its read-me and its licence side by
# side; on Linux the program, its desktop entry, icons, AppStream metadata and manual page in the
# usual places.
set(ipview_made_resources ${PROJECT_BINARY_DIR}/resources)
# Folders get the same modes whatever the umask of the one who installs or packages.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
if(WIN32)
    install(TARGETS ipview RUNTIME DESTINATION .)
    install(FILES ${ipview_made_resources}/README.txt ${ipview_made_resources}/LICENSE.txt
        DESTINATION .)
else()
    include(GNUInstallDirs)
    set(ipview_resources ${PROJECT_SOURCE_DIR}/resources)
    set(ipview_icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

    install(TARGETS ipview RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${ipview_resources}/io.github.ipview.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${ipview_made_resources}/io.github.ipview.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${ipview_made_resources}/ipview.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    # Building the program is then enough to install it.
    add_dependencies(ipview manual_page)
    install(FILES ${ipview_resources}/ipview.png DESTINATION ${ipview_icons}/128x128/apps)
    install(FILES ${ipview_resources}/ipview.svg DESTINATION ${ipview_icons}/scalable/apps)
endif()
