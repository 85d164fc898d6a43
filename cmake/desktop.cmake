# Everything that makes Velmara a desktop application: the icon rendered from
# its SVG, the install layout and the Debian package.
include(GNUInstallDirs)

set(VELMARA_APP_ID org.velmara.Velmara)
set_property(SOURCE src/app/main.cpp APPEND PROPERTY COMPILE_DEFINITIONS VELMARA_APP_ID="${VELMARA_APP_ID}")
set(VELMARA_ICON_SIZES 16 24 32 48 64 128 256)
set(VELMARA_ICON_SVG ${PROJECT_SOURCE_DIR}/data/icons/${VELMARA_APP_ID}.svg)
set(VELMARA_ICON_DIR ${PROJECT_BINARY_DIR}/icons)

add_executable(velmara-icon tools/icon/main.cpp)
velmara_target(velmara-icon)
target_link_libraries(velmara-icon PRIVATE Qt6::Gui Qt6::Svg)

set(velmara_icon_pngs)
foreach(size ${VELMARA_ICON_SIZES})
  list(APPEND velmara_icon_pngs ${VELMARA_ICON_DIR}/${size}/${VELMARA_APP_ID}.png)
endforeach()
add_custom_command(OUTPUT ${velmara_icon_pngs}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:velmara-icon> ${VELMARA_ICON_SVG} ${VELMARA_ICON_DIR} ${VELMARA_ICON_SIZES}
  DEPENDS velmara-icon ${VELMARA_ICON_SVG}
  COMMENT "Rendering the icon")
# The window takes its icon from these, built into the program.
qt_add_resources(velmara velmara_icons PREFIX /icons BASE ${VELMARA_ICON_DIR} FILES ${velmara_icon_pngs})

install(TARGETS velmara RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/${VELMARA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${VELMARA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${VELMARA_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${VELMARA_ICON_SIZES})
  install(FILES ${VELMARA_ICON_DIR}/${size}/${VELMARA_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES data/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmara)

# The manual page and the package's changelog, compressed without a time
# stamp as Debian wants them.
set(velmara_doc ${PROJECT_BINARY_DIR}/doc)
configure_file(data/velmara.6.in ${velmara_doc}/velmara.6 @ONLY)
configure_file(data/changelog.Debian ${velmara_doc}/changelog.Debian COPYONLY)
add_custom_command(OUTPUT ${velmara_doc}/velmara.6.gz ${velmara_doc}/changelog.Debian.gz
  COMMAND gzip -9nkf velmara.6 changelog.Debian
  WORKING_DIRECTORY ${velmara_doc}
  DEPENDS ${velmara_doc}/velmara.6 ${velmara_doc}/changelog.Debian)
add_custom_target(velmara_docs ALL DEPENDS ${velmara_doc}/velmara.6.gz ${velmara_doc}/changelog.Debian.gz)
install(FILES ${velmara_doc}/velmara.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${velmara_doc}/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmara)

# cpack -G DEB (in the build folder) after a build.
set(CPACK_PACKAGE_NAME velmara)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "boat-handling simulator")
set(CPACK_PACKAGE_DESCRIPTION "Velmara is a boat-handling simulator. Pick a cruising area, a boat and a
difficulty, then steer, set and trim the sails, run the engines, anchor,
dock and pick up moorings while wind, weather, tides and other vessels
change around you. A cruise lasts up to five days and is then scored.

The game is in Japanese.")
set(VELMARA_PACKAGE_MAINTAINER "Velmara developers <velmara@example.org>" CACHE STRING
    "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VELMARA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Qt libraries come from the program's own links; the font is loaded by
# name, so no link shows it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
# Without it Qt falls back to X11 (XWayland) on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/deb-games.cmake)
set(CPACK_GENERATOR DEB)
include(CPack)
