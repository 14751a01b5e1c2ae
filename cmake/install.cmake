# What `cmake --install` puts where: the programs, the demo gamebook, the
# desktop entry, the AppStream metadata, the icon, the manual page and the
# Debian documentation files. cmake/package.cmake packs the same tree.
include(GNUInstallDirs)

set(QUARVELIN_VERSION 0.1.0)
set(QUARVELIN_RELEASE_DATE 2026-12-08)
set(QUARVELIN_APP_ID example.quarvelin.Quarvelin)

# Every program the package ships; a new executable is one more name here.
set(QUARVELIN_INSTALLED_PROGRAMS quarvelin)
install(TARGETS ${QUARVELIN_INSTALLED_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The desktop player is started by `quarvelin` (play, shelf, script --gui),
# never from the PATH; it looks for it in ../libexec/quarvelin/.
install(TARGETS quarvelin-desktop RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/quarvelin)

# The demo gamebook, as committed: only its four folders, never what playing
# it in the source tree left behind (save/, setup.ini, listings, temp/).
foreach(folder data grafika obrazky audio)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/demo/${folder}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/quarvelin/demo
          PATTERN temp EXCLUDE)
endforeach()

set(packaging ${CMAKE_SOURCE_DIR}/packaging)
set(generated ${CMAKE_BINARY_DIR}/packaging)
install(FILES ${packaging}/${QUARVELIN_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${packaging}/${QUARVELIN_APP_ID}.metainfo.xml.in
               ${generated}/${QUARVELIN_APP_ID}.metainfo.xml @ONLY)
install(FILES ${generated}/${QUARVELIN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian wants manual pages and changelogs compressed, without a time stamp
# (gzip -n) so that the same source gives the same package.
find_program(GZIP_PROGRAM gzip REQUIRED)
configure_file(${packaging}/quarvelin.1 ${generated}/quarvelin.1 @ONLY)
# The package is Debian-native (its version has no Debian revision), so its
# changelog is changelog.gz.
configure_file(${packaging}/changelog ${generated}/changelog @ONLY)
set(compressed)
foreach(name quarvelin.1 changelog)
  add_custom_command(OUTPUT ${generated}/${name}.gz
    COMMAND ${GZIP_PROGRAM} -9nc ${generated}/${name} > ${generated}/${name}.gz
    DEPENDS ${generated}/${name} VERBATIM)
  list(APPEND compressed ${generated}/${name}.gz)
endforeach()

# The icon is drawn by the demo's asset generator at every size it is
# installed in.
set(QUARVELIN_ICON_SIZES 48 64 128 256)
set(icons)
foreach(size IN LISTS QUARVELIN_ICON_SIZES)
  set(icon ${generated}/icons/${size}/quarvelin.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/icons/${size}
    COMMAND quarvelin_demo_assets --icon ${size} ${icon}
    DEPENDS quarvelin_demo_assets VERBATIM)
  list(APPEND icons ${icon})
  install(FILES ${icon}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(quarvelin_packaging_files ALL DEPENDS ${compressed} ${icons})

install(FILES ${generated}/quarvelin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME quarvelin)
install(FILES ${packaging}/copyright ${generated}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
