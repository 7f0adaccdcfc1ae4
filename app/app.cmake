# The program `vyr`.
include(GNUInstallDirs)
add_executable(vyr ${CMAKE_CURRENT_SOURCE_DIR}/app/main.cpp)
target_link_libraries(vyr PRIVATE vyr_windows)
# The window icon as raw pixels rendered from the SVG (scripts/icons); the
# SVG and the PNG sizes go to the desktop's icon theme (cmake/install.cmake).
file(GLOB VYR_ICONOS ${CMAKE_CURRENT_SOURCE_DIR}/data/icons/vyr-*.rgba)
qt_add_resources(vyr icono PREFIX "/" BASE ${CMAKE_CURRENT_SOURCE_DIR}/data FILES ${VYR_ICONOS})
install(TARGETS vyr RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
