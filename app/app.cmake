# The program `vyr`, its icon and its desktop entry.
include(GNUInstallDirs)
add_executable(vyr ${CMAKE_CURRENT_SOURCE_DIR}/app/main.cpp)
target_link_libraries(vyr PRIVATE vyr_windows)
set(VYR_ICONO ${CMAKE_CURRENT_SOURCE_DIR}/data/vyr.svg)
if(EXISTS ${VYR_ICONO})
  qt_add_resources(vyr icono PREFIX "/" BASE ${CMAKE_CURRENT_SOURCE_DIR}/data FILES ${VYR_ICONO})
  install(FILES ${VYR_ICONO} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
endif()
install(TARGETS vyr RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/data/vyr.desktop)
  install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/data/vyr.desktop
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
endif()
