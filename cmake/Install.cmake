# What `cmake --install` puts where: on Windows the program and its read-me side by side; on
# Linux the program, its desktop entry, icons and AppStream metadata in the usual places.
if(WIN32)
    install(TARGETS ipview RUNTIME DESTINATION .)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/README-windows.txt
        DESTINATION . RENAME README.txt)
else()
    include(GNUInstallDirs)
    set(ipview_resources ${PROJECT_SOURCE_DIR}/resources)
    set(ipview_icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

    install(TARGETS ipview RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${ipview_resources}/io.github.ipview.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${ipview_resources}/io.github.ipview.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${ipview_resources}/ipview.png DESTINATION ${ipview_icons}/128x128/apps)
    install(FILES ${ipview_resources}/ipview.svg DESTINATION ${ipview_icons}/scalable/apps)
endif()
