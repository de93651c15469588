# Where an installed Tarnwick puts its files, and the same layout inside the
# build folder: the programs look for PREFIX/share/tarnwick beside their own
# bin/ folder, so a program run from the build folder finds its lists there.
include(GNUInstallDirs)

set(TARNWICK_APP_ID org.tarnwick.Tarnwick)
# The guide is looked for by this name, whatever the project is called.
set(TARNWICK_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/tarnwick)
file(GLOB TARNWICK_LIST_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*.txt)
# The CircleMUD 3.1 and tbaMUD list sets live in folders of their own below it.
set(TARNWICK_LIST_DIALECTS circle31 tbamud)
foreach(d ${TARNWICK_LIST_DIALECTS})
  file(GLOB TARNWICK_LIST_FILES_${d} CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/${d}/*.txt)
endforeach()
file(GLOB TARNWICK_GUIDE_IMAGES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/images/*.png)

# The build folder's share/: lookup lists and the user guide.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/share/tarnwick ${CMAKE_BINARY_DIR}/share/doc/tarnwick/images)
foreach(f ${TARNWICK_LIST_FILES})
  configure_file(${f} ${CMAKE_BINARY_DIR}/share/tarnwick/ COPYONLY)
endforeach()
foreach(d ${TARNWICK_LIST_DIALECTS})
  # configure_file takes a folder that does not exist yet for a file name.
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/share/tarnwick/${d})
  foreach(f ${TARNWICK_LIST_FILES_${d}})
    configure_file(${f} ${CMAKE_BINARY_DIR}/share/tarnwick/${d}/ COPYONLY)
  endforeach()
endforeach()
if(EXISTS ${CMAKE_SOURCE_DIR}/docs/user-guide.md)
  configure_file(${CMAKE_SOURCE_DIR}/docs/user-guide.md ${CMAKE_BINARY_DIR}/share/doc/tarnwick/ COPYONLY)
endif()
foreach(f ${TARNWICK_GUIDE_IMAGES})
  configure_file(${f} ${CMAKE_BINARY_DIR}/share/doc/tarnwick/images/ COPYONLY)
endforeach()

install(TARGETS tarnwick-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARNWICK_GUI)
  install(TARGETS tarnwick tarnwick-map-png RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${TARNWICK_LIST_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/tarnwick)
foreach(d ${TARNWICK_LIST_DIALECTS})
  install(FILES ${TARNWICK_LIST_FILES_${d}} DESTINATION ${CMAKE_INSTALL_DATADIR}/tarnwick/${d})
endforeach()
install(FILES docs/man/tarnwick.1 docs/man/tarnwick-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/tarnwick-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME tarnwick-cli)
install(FILES docs/user-guide.md README.md DESTINATION ${TARNWICK_DOCDIR})
install(FILES ${TARNWICK_GUIDE_IMAGES} DESTINATION ${TARNWICK_DOCDIR}/images)
install(DIRECTORY examples/ DESTINATION ${TARNWICK_DOCDIR}/examples)

# Desktop integration: menu entry, icons, the project file type, AppStream.
install(FILES packaging/${TARNWICK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${TARNWICK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/${TARNWICK_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${TARNWICK_APP_ID}.xml)
install(FILES packaging/icons/${TARNWICK_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
  install(FILES packaging/icons/${TARNWICK_APP_ID}-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${TARNWICK_APP_ID}.png)
endforeach()
