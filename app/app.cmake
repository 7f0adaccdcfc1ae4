# The program `vyr`, its icon and its desktop entry.
include(GNUInstallDirs)
add_executable(vyr ${CMAKE_CURRENT_SOURCE_DIR}/app/main.cpp)
target_link_libraries(vyr PRIVATE vyr_windows)
# The window icon as raw pixels rendered from the SVG (scripts/icons); the
# SVG itself goes to the desktop's icon theme.
file(GLOB VYR_ICONOS ${CMAKE_CURRENT_SOURCE_DIR}/data/icons/vyr-*.rgba)
qt_add_resources(vyr icono PREFIX "/" BASE ${CMAKE_CURRENT_SOURCE_DIR}/data FILES ${VYR_ICONOS})
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/data/vyr.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
install(TARGETS vyr RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/data/vyr.desktop)
  install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/data/vyr.desktop
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
endif()
