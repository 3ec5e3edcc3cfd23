# SPDX-License-Identifier: MIT
# `make package`: a Debian package with CPack. Shared-library dependencies are computed by
# dpkg-shlibdeps; what is loaded at run time instead of linked (QML modules, image and media
# plugins, the zone database) is listed below.

# The package's documentation: copyright and a compressed changelog, as Debian wants them.
set(LUNAFOLD_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/lunafold)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND gzip -n -9 -c ${PROJECT_SOURCE_DIR}/packaging/changelog > ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog)
add_custom_target(lunafold-changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${LUNAFOLD_DOC_DIR})
# Manual pages, compressed.
foreach(page lunafold lunafold-cli lunafold-notifier)
  set(gz ${CMAKE_BINARY_DIR}/packaging/${page}.1.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND gzip -n -9 -c ${PROJECT_SOURCE_DIR}/packaging/man/${page}.1 > ${gz}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/man/${page}.1)
  list(APPEND LUNAFOLD_MAN_PAGES ${gz})
endforeach()
add_custom_target(lunafold-man-pages ALL DEPENDS ${LUNAFOLD_MAN_PAGES})
install(FILES ${LUNAFOLD_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lunafold)
set(CPACK_PACKAGE_VENDOR "The Lunafold developers")
set(CPACK_PACKAGE_CONTACT "The Lunafold developers <hello@lunafold.app>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "moon-phase calendar for phones, tablets and desktops")
set(CPACK_PACKAGE_DESCRIPTION "Lunafold shows the moon for a place and its time zone: a shaded picture of
the moon as it stands in the sky, the lit fraction, today's phase, countdowns
to the next principal phases, moonrise, transit and moonset, and a month
calendar of moons from 1901 to 2099. It notifies before each principal phase,
also while the app is closed. Everything is computed on the device.
.
The package also holds lunafold-cli, the same astronomy from a terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr) # the prefix of the install that CPack runs into its DESTDIR
set(CPACK_SET_DESTDIR ON) # the autostart entry goes to /etc, outside the prefix
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://lunafold.app/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qml6-module-qtquick, qml6-module-qtquick-controls, qml6-module-qtquick-templates, qml6-module-qtquick-layouts, qml6-module-qtquick-shapes, qml6-module-qtquick-window, qml6-module-qtqml-workerscript, qml6-module-qtqml-models, libqt6svg6, qt6-qpa-plugins, tzdata, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, pulseaudio-utils, geoclue-2.0, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

if(LUNAFOLD_BUILD_TESTS)
  add_test(NAME package COMMAND ${PROJECT_SOURCE_DIR}/packaging/check-package.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(package PROPERTIES LABELS package RUN_SERIAL TRUE TIMEOUT 900)
endif()
