# Where the programs and their shipped files lie, in an installed tree and in a build folder.
#
#   <prefix>/bin/tembra, marquell                 tembra_program() (cmake/Tembra.cmake)
#   <prefix>/share/tembra/                        the data/ folder: the standard layout, the
#                                                 seed of the program's own key
#   <prefix>/share/applications/tembra.desktop    the desktop entries: Tembra opens *.tbr,
#   <prefix>/share/applications/marquell.desktop  Marquell opens *.lyt
#   <prefix>/share/mime/packages/tembra.xml       the MIME types of *.tbr and *.lyt
#   <prefix>/share/mime/packages/marquell.xml
#   <prefix>/share/dbus-1/services/org.tembra.Tembra.service
#                                                 the session bus starts <prefix>/bin/tembra
#                                                 /Automation for a client that calls it
#
# A program finds its shipped files at ../share/tembra from its own folder (kDataFromBin in
# src/platform/Paths.cpp); a build folder has the same shape: programs in <build>/bin and
# <build>/share/tembra a link to the source tree's data/.

set(TEMBRA_INSTALL_BIN_DIR "bin")
set(TEMBRA_INSTALL_DATA_DIR "share/tembra")
set(TEMBRA_BUILD_BIN_DIR "${CMAKE_BINARY_DIR}/${TEMBRA_INSTALL_BIN_DIR}")

file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/share")
file(CREATE_LINK "${TEMBRA_DATA_DIR}" "${CMAKE_BINARY_DIR}/${TEMBRA_INSTALL_DATA_DIR}" SYMBOLIC)

install(DIRECTORY "${TEMBRA_DATA_DIR}/" DESTINATION "${TEMBRA_INSTALL_DATA_DIR}"
        PATTERN "desktop" EXCLUDE)
install(FILES "${TEMBRA_DATA_DIR}/desktop/tembra.desktop" "${TEMBRA_DATA_DIR}/desktop/marquell.desktop"
        DESTINATION "share/applications")
install(FILES "${TEMBRA_DATA_DIR}/desktop/tembra.xml" "${TEMBRA_DATA_DIR}/desktop/marquell.xml"
        DESTINATION "share/mime/packages")

# The bus's service file names the installed program, wherever --prefix puts it.
set(TEMBRA_SERVICE_TEMPLATE "${TEMBRA_DATA_DIR}/desktop/org.tembra.Tembra.service.in")
install(CODE "set(_tembra_service_template \"${TEMBRA_SERVICE_TEMPLATE}\")")
install(CODE [[
file(READ "${_tembra_service_template}" _service)
string(REPLACE "@TEMBRA_EXEC@" "${CMAKE_INSTALL_PREFIX}/bin/tembra" _service "${_service}")
set(_service_file "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/dbus-1/services/org.tembra.Tembra.service")
message(STATUS "Installing: ${_service_file}")
file(WRITE "${_service_file}" "${_service}")
]])

# The desktop learns of the new types and their programs only from its caches. Packagers (DESTDIR)
# leave this to the system's own triggers.
install(CODE [[
if("$ENV{DESTDIR}" STREQUAL "")
    find_program(_update_mime update-mime-database)
    find_program(_update_desktop update-desktop-database)
    if(_update_mime)
        # Its note on prefixes outside XDG_DATA_DIRS is shown only with a failure.
        execute_process(COMMAND "${_update_mime}" "${CMAKE_INSTALL_PREFIX}/share/mime"
                        RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _out)
        if(NOT _rc EQUAL 0)
            message(WARNING "update-mime-database failed (${_rc}), *.tbr and *.lyt are not yet known:\n${_out}")
        endif()
    endif()
    if(_update_desktop)
        execute_process(COMMAND "${_update_desktop}" "${CMAKE_INSTALL_PREFIX}/share/applications"
                        RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _out)
        if(NOT _rc EQUAL 0)
            message(WARNING "update-desktop-database failed (${_rc}):\n${_out}")
        endif()
    endif()
endif()
]])
