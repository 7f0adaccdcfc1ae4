# The Debian package (scripts/package): whatever `cmake --install` puts, the
# programs stripped, their dependencies computed from the binaries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vyr)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "VYR maintainers <maintainers@users.noreply.c-seed-c94dc4ee.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "database of the radio frequencies one listens to, in Spanish")
# Lines as they stand in the control file, at most 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
"VYR keeps one listener's list of radio frequencies, each with a description,
a service, a mode, the date it was last heard and free observations. Type a
frequency and its record shows at once, or the editor opens to add it; list
the whole list, a frequency range or a text search on screen, on the printer
and into a file; export and import the whole list.

vyr-convertir brings in the lists of other radio programs (Gqrx, SDR++,
CHIRP, EiBi) and writes VYR's list for Gqrx and SDR++.

The program speaks Spanish. The menu entry starts it in ~/VYR.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so no binary names it: the X11/Wayland platform plugin.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The faces fontconfig gives for "Verdana" and "Courier New"; the report
# needs a fixed pitch.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-liberation2")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/paquete)
include(CPack)
