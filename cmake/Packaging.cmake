# Installation layout, the desktop's files, and the packages (a .deb and the portable
# .tar.gz that "nubopro -i" installs from). scripts/package builds both.
include(GNUInstallDirs)

set(NUBO_APP_ID org.nubopro.NuboPRO)
set(NUBO_RELEASE_DATE 2026-12-10)
set(NUBO_LINUX_FILES ${CMAKE_SOURCE_DIR}/resources/linux)
set(NUBO_ICON_SIZES 16 22 24 32 48 64 128 256)

# PNG sizes of the program and file-type icons, drawn from their SVG files.
add_executable(nubo_render_icons resources/render_icons.cpp)
target_link_libraries(nubo_render_icons PRIVATE Qt6::Gui Qt6::Svg)
set(NUBO_ICON_STAMP ${CMAKE_BINARY_DIR}/icons/rendered.stamp)
add_custom_command(OUTPUT ${NUBO_ICON_STAMP}
  COMMAND nubo_render_icons ${CMAKE_SOURCE_DIR}/resources/nubopro.svg
          ${CMAKE_BINARY_DIR}/icons apps ${NUBO_APP_ID} ${NUBO_ICON_SIZES}
  COMMAND nubo_render_icons ${NUBO_LINUX_FILES}/application-x-nubo-shortcut.svg
          ${CMAKE_BINARY_DIR}/icons mimetypes application-x-nubo-shortcut ${NUBO_ICON_SIZES}
  COMMAND ${CMAKE_COMMAND} -E touch ${NUBO_ICON_STAMP}
  DEPENDS nubo_render_icons ${CMAKE_SOURCE_DIR}/resources/nubopro.svg
          ${NUBO_LINUX_FILES}/application-x-nubo-shortcut.svg
  COMMENT "Rendering the icons' PNG sizes")

# Manual page and changelog compressed as Debian wants them.
set(NUBO_DOC_BUILD ${CMAKE_BINARY_DIR}/doc)
add_custom_command(OUTPUT ${NUBO_DOC_BUILD}/nubopro.1.gz ${NUBO_DOC_BUILD}/nubosx.1.gz
  ${NUBO_DOC_BUILD}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${NUBO_DOC_BUILD}
  COMMAND gzip -9n -c ${NUBO_LINUX_FILES}/nubopro.1 > ${NUBO_DOC_BUILD}/nubopro.1.gz
  COMMAND gzip -9n -c ${NUBO_LINUX_FILES}/nubosx.1 > ${NUBO_DOC_BUILD}/nubosx.1.gz
  COMMAND gzip -9n -c ${NUBO_LINUX_FILES}/changelog > ${NUBO_DOC_BUILD}/changelog.gz
  DEPENDS ${NUBO_LINUX_FILES}/nubopro.1 ${NUBO_LINUX_FILES}/nubosx.1 ${NUBO_LINUX_FILES}/changelog
  COMMENT "Compressing the manual pages and the changelog")
add_custom_target(nubo_desktop_files ALL DEPENDS ${NUBO_ICON_STAMP}
  ${NUBO_DOC_BUILD}/nubopro.1.gz ${NUBO_DOC_BUILD}/nubosx.1.gz ${NUBO_DOC_BUILD}/changelog.gz)
configure_file(${NUBO_LINUX_FILES}/${NUBO_APP_ID}.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/${NUBO_APP_ID}.metainfo.xml @ONLY)

install(TARGETS nubopro nubosx RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS nubosx_library nubopro_window LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/nubopro)
install(DIRECTORY resources/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/nubopro/help)
install(FILES ${NUBO_LINUX_FILES}/${NUBO_APP_ID}.desktop ${NUBO_LINUX_FILES}/nubo-shortcut.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${NUBO_LINUX_FILES}/nubo-shortcut.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${CMAKE_BINARY_DIR}/${NUBO_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES resources/nubopro.svg RENAME ${NUBO_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${NUBO_LINUX_FILES}/application-x-nubo-shortcut.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
  FILES_MATCHING PATTERN "*.png")
install(FILES ${NUBO_DOC_BUILD}/nubopro.1.gz ${NUBO_DOC_BUILD}/nubosx.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The shortcut commands in the file managers that read system-wide actions: a Dolphin
# service menu (on shortcuts, and Upload on any files) and Nemo actions.
install(FILES ${NUBO_LINUX_FILES}/actions/nubosx.desktop
  ${NUBO_LINUX_FILES}/actions/nubosx-upload.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/kio/servicemenus)
install(FILES ${NUBO_LINUX_FILES}/actions/nubosx-paste-download.nemo_action
  ${NUBO_LINUX_FILES}/actions/nubosx-paste-listing.nemo_action
  ${NUBO_LINUX_FILES}/actions/nubosx-properties.nemo_action
  ${NUBO_LINUX_FILES}/actions/nubosx-upload.nemo_action
  DESTINATION ${CMAKE_INSTALL_DATADIR}/nemo/actions)
install(FILES ${NUBO_LINUX_FILES}/copyright ${NUBO_DOC_BUILD}/changelog.gz
  ${NUBO_LINUX_FILES}/ReadMe.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/nubopro)

# Last: an unpacked copy (any prefix but the system's) has its ReadMe at the top, and
# every installation lists the files it ships, so that removing a copy removes those
# and nothing of the user's.
install(CODE "set(NUBO_README \"${NUBO_LINUX_FILES}/ReadMe.txt\")")
install(CODE [[
  set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
  if(NOT CMAKE_INSTALL_PREFIX MATCHES "/usr(/local)?/?$")
    file(INSTALL "${NUBO_README}" DESTINATION "${prefix}")
  endif()
  set(manifest "${prefix}/share/nubopro/manifest.txt")
  set(listed "share/nubopro/manifest.txt\n")
  foreach(installed IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
    file(RELATIVE_PATH relative "${prefix}" "${installed}")
    string(APPEND listed "${relative}\n")
  endforeach()
  file(WRITE "${manifest}" "${listed}")
  message(STATUS "Manifest: ${manifest}")
]])

set(CPACK_PACKAGE_NAME nubopro)
set(CPACK_PACKAGE_VENDOR "The NuboPRO developers")
set(CPACK_PACKAGE_CONTACT "The NuboPRO developers <packages@nubopro.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "FTP client for the desktop and for scripts")
set(CPACK_PACKAGE_DESCRIPTION "Nubo PRO browses an FTP site beside the local folder and moves files
both ways: ASCII, Image or Smart mode, Update-ONLY, resume after a broken
connection; directly or through an FTP proxy, SOCKS4 or SOCKS5, over FTP or
FTP over TLS. It keeps a site list, per-host statistics and the FTP dialogue
in a log, pings and traces routes, opens .nubo shortcut files, and its
command line lets scripts drive it with an exit code that says what worked.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://nubopro.org)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# QtKeychain opens libsecret itself (dlopen), so dpkg-shlibdeps cannot see that the
# keyring's items need it; without it they would take another, older path.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsecret-1-0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "adwaita-icon-theme")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "gnome-keyring | kwalletmanager")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
# The portable archive: one folder named after the version, unpacked anywhere.
set(CPACK_ARCHIVE_FILE_NAME nubopro-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_PACKAGE_FILE_NAME nubopro-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
include(CPack)
