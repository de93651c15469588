# Packages made by CPack: a Debian package and a .tar.gz archive here; the
# Windows installer's settings are kept ready for a build on Windows.
set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VENDOR "The Tarnwick developers")
set(CPACK_PACKAGE_CONTACT "The Tarnwick developers <tarnwick@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for the world files of a CircleMUD 3.0 zone")
set(CPACK_PACKAGE_DESCRIPTION
    "Tarnwick opens one zone of a CircleMUD 3.0 world - rooms, mobiles, objects, zone reset\ncommands and shops - edits every record in its own window and saves files the server\nloads unchanged. tarnwick-cli checks, re-formats and shows world files.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tarnwick)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/build.*/;/\\\\.git/")

if(WIN32)
  set(CPACK_GENERATOR "NSIS;ZIP")
  set(CPACK_NSIS_DISPLAY_NAME Tarnwick)
  set(CPACK_NSIS_PACKAGE_NAME Tarnwick)
  set(CPACK_NSIS_EXECUTABLES_DIRECTORY bin)
  set(CPACK_PACKAGE_EXECUTABLES tarnwick Tarnwick)
  set(CPACK_NSIS_MUI_ICON ${CMAKE_SOURCE_DIR}/packaging/icons/tarnwick.ico)
else()
  set(CPACK_GENERATOR "DEB;TGZ")
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins at run time, out of sight of dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tarnwick.org/")

include(CPack)
