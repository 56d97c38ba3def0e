# Where the kiosk goes on a Linux system, included from the top-level
# CMakeLists.txt; tools/package.sh turns the installed tree into a Debian
# package. Debian names commands in lower case: the build tree's "Brindlow"
# is installed as "brindlow".
include(GNUInstallDirs)

install(PROGRAMS $<TARGET_FILE:Brindlow> DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME brindlow)
# The launcher of the menu entry and of the kiosk session, and the set-up of
# a kiosk account, which root runs.
install(PROGRAMS ${CMAKE_CURRENT_LIST_DIR}/brindlow-kiosk DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS ${CMAKE_CURRENT_LIST_DIR}/brindlow-kiosk-setup DESTINATION ${CMAKE_INSTALL_SBINDIR})

install(FILES ${CMAKE_CURRENT_LIST_DIR}/org.ostmere.Brindlow.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/org.ostmere.Brindlow.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The application icon at the sizes of the Windows icon (tools/draw-icons.sh).
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/${size}x${size}/brindlow.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/scalable/brindlow.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

install(FILES ${CMAKE_CURRENT_LIST_DIR}/brindlow.1 ${CMAKE_CURRENT_LIST_DIR}/brindlow-kiosk.1
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/brindlow-kiosk-setup.8 DESTINATION ${CMAKE_INSTALL_MANDIR}/man8)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brindlow)
