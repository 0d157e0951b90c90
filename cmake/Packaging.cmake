# Install layout (the usual Linux one, from GNUInstallDirs) and the Debian package (CPack).
#
# Installed, the program finds its delivered language file in share/winorba relative to its own folder
# (WINORBA_DATA_FROM_BINDIR) and keeps every user's settings in the user's configuration folder.

# The contact address the program shows on its status line.
set(WINORBA_MAINTAINER "WinOrba <podpora@winorba.cz>")
set(winorba_docdir ${CMAKE_INSTALL_DATADIR}/doc/winorba)

install(TARGETS WinOrba RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES share/WinOrba.lng DESTINATION ${CMAKE_INSTALL_DATADIR}/winorba)
install(FILES share/${WINORBA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES share/${WINORBA_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES share/${WINORBA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES share/doc/copyright DESTINATION ${winorba_docdir})

# Manual pages and the changelog are installed compressed, as Debian wants them.
function(winorba_gzipped source installed destination)
    set(plain ${CMAKE_CURRENT_BINARY_DIR}/packaging/${installed})
    configure_file(${source} ${plain} @ONLY)
    add_custom_command(OUTPUT ${plain}.gz COMMAND gzip -9 -n -k -f ${plain} DEPENDS ${plain} VERBATIM)
    add_custom_target(gzip_${installed} ALL DEPENDS ${plain}.gz)
    install(FILES ${plain}.gz DESTINATION ${destination})
endfunction()

# The changelog entry is dated when the build is configured (SOURCE_DATE_EPOCH, when set, for a repeatable build).
string(TIMESTAMP WINORBA_PACKAGE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
winorba_gzipped(share/doc/changelog.in changelog ${winorba_docdir})
winorba_gzipped(share/man/WinOrba.1.in WinOrba.1 ${CMAKE_INSTALL_MANDIR}/man1)

# The command also answers to its lower-case name, as the package and the simulator are named, and so
# does its manual page: links made in the build tree and installed as they are.
function(winorba_installed_link name target destination)
    set(link ${CMAKE_CURRENT_BINARY_DIR}/packaging/links/${name})
    file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/packaging/links)
    file(CREATE_LINK ${target} ${link} SYMBOLIC)
    install(FILES ${link} DESTINATION ${destination})
endfunction()
winorba_installed_link(winorba WinOrba ${CMAKE_INSTALL_BINDIR})
winorba_installed_link(winorba.1.gz WinOrba.1.gz ${CMAKE_INSTALL_MANDIR}/man1)

# The device simulator is a target of its own folder when that folder is part of the build.
if(TARGET winorba-devsim)
    winorba_gzipped(share/man/winorba-devsim.1.in winorba-devsim.1 ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME winorba)
set(CPACK_PACKAGE_VENDOR "WinOrba")
set(CPACK_PACKAGE_CONTACT ${WINORBA_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION "WinOrba shows a device data file as a numbered list of records and their
fields, and lets the operator edit, find, save and print it as a two-column
listing. It exchanges files with the device over the serial line and, in
On Line mode, browses, opens and deletes the files on the device itself.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins at run time, where shlibdeps cannot see them,
# and the translations of its own dialogs when a language is chosen.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
include(CPack)

# A sanitizer build is for finding faults, not for shipping: it has no package test.
if(WINORBA_TESTS AND NOT WINORBA_SANITIZE)
    add_subdirectory(tests/package)
endif()
