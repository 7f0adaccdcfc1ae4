# What `cmake --install` puts beside the programs (each program installs
# itself): the launcher, the menu entry, the icons, the AppStream data, the
# manual pages, the default services list and the package's documents.
include(GNUInstallDirs)
find_program(VYR_GZIP gzip REQUIRED)

set(VYR_FUENTE ${CMAKE_CURRENT_SOURCE_DIR})
set(VYR_SALIDA ${CMAKE_CURRENT_BINARY_DIR}/instalar)

# The launcher finds the default list from its own folder; the manual names
# it where this prefix puts it.
file(RELATIVE_PATH VYR_BIN_A_DATOS ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/vyr)
set(VYR_SERVICIOS ${CMAKE_INSTALL_FULL_DATADIR}/vyr/servicios.vyr)
configure_file(${VYR_FUENTE}/app/vyr-inicio.in ${VYR_SALIDA}/vyr-inicio @ONLY)
install(PROGRAMS ${VYR_SALIDA}/vyr-inicio DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${VYR_FUENTE}/data/servicios.vyr DESTINATION ${CMAKE_INSTALL_DATADIR}/vyr)

install(FILES ${VYR_FUENTE}/data/vyr.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VYR_FUENTE}/data/org.example.vyr.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${VYR_FUENTE}/data/vyr.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(lado 16 24 32 48 64 128)
  install(FILES ${VYR_FUENTE}/data/icons/vyr-${lado}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lado}x${lado}/apps RENAME vyr.png)
endforeach()

# Manual pages and changelog compressed as Debian wants them: gzip -9, no
# name or time stamp inside.
set(VYR_COMPRIMIDOS)
foreach(pagina vyr vyr-convertir)
  configure_file(${VYR_FUENTE}/docs/${pagina}.1.in ${VYR_SALIDA}/${pagina}.1 @ONLY)
endforeach()
configure_file(${VYR_FUENTE}/docs/changelog ${VYR_SALIDA}/changelog COPYONLY)
foreach(f vyr.1 vyr-convertir.1 changelog)
  add_custom_command(OUTPUT ${VYR_SALIDA}/${f}.gz
                     COMMAND ${VYR_GZIP} -9nkf ${f}
                     DEPENDS ${VYR_SALIDA}/${f}
                     WORKING_DIRECTORY ${VYR_SALIDA})
  list(APPEND VYR_COMPRIMIDOS ${VYR_SALIDA}/${f}.gz)
endforeach()
add_custom_target(vyr_documentos ALL DEPENDS ${VYR_COMPRIMIDOS})
# The launcher's page is the program's.
file(CREATE_LINK vyr.1.gz ${VYR_SALIDA}/vyr-inicio.1.gz SYMBOLIC)
install(FILES ${VYR_SALIDA}/vyr.1.gz ${VYR_SALIDA}/vyr-inicio.1.gz ${VYR_SALIDA}/vyr-convertir.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${VYR_SALIDA}/changelog.gz ${VYR_FUENTE}/docs/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
