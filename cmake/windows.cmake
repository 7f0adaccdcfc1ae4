# Windows, Qt services and the program. Each folder lists its sources in its
# own sources.cmake, appending to VYR_WINDOWS_SOURCES.
set(VYR_WINDOWS_SOURCES)
foreach(part ui main_window editor about query)
  include(${CMAKE_CURRENT_SOURCE_DIR}/${part}/sources.cmake)
endforeach()
add_library(vyr_windows STATIC ${VYR_WINDOWS_SOURCES})
target_link_libraries(vyr_windows PUBLIC vyr_core Qt6::Widgets Qt6::PrintSupport)
target_include_directories(vyr_windows PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
include(${CMAKE_CURRENT_SOURCE_DIR}/app/app.cmake)
