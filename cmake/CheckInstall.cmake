# Installs a build into a fresh prefix and checks the tree an installed program and the desktop
# rely on (the install_tree test):
#   cmake -DBUILD_DIR=<build> -DPREFIX=<prefix> -DDATA_DIR=<source data> -DPROGRAMS=<names>
#         -DDESKTOP_FILE_VALIDATE=<tool> -DUPDATE_MIME_DATABASE=<tool> -P CheckInstall.cmake

set(_failures "")
macro(fail text)
    string(APPEND _failures "\n  ${text}")
endmacro()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _out)
if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${_rc}):\n${_out}")
endif()

# The programs, and their shipped files where they look for them: ../share/tembra from bin.
foreach(_p IN LISTS PROGRAMS)
    if(NOT EXISTS "${PREFIX}/bin/${_p}" OR IS_DIRECTORY "${PREFIX}/bin/${_p}")
        fail("bin/${_p} is not installed")
    endif()
endforeach()
cmake_path(SET _data NORMALIZE "${PREFIX}/bin/../share/tembra")
if(NOT EXISTS "${_data}/MASTER01.LYT")
    fail("share/tembra/MASTER01.LYT is not installed")
endif()
# Every file of the data folder, byte for byte; the desktop files go elsewhere.
file(GLOB _shipped LIST_DIRECTORIES false RELATIVE "${DATA_DIR}" "${DATA_DIR}/*")
foreach(_f IN LISTS _shipped)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${DATA_DIR}/${_f}" "${_data}/${_f}"
                    RESULT_VARIABLE _rc)
    if(NOT _rc EQUAL 0)
        fail("share/tembra/${_f} differs from data/${_f} or is missing")
    endif()
endforeach()
if(EXISTS "${_data}/desktop")
    fail("the desktop files are installed among the shipped files")
endif()

# Each desktop entry is valid and names the MIME type that the type files define for its files.
# The type files are read as the desktop reads them; a file it cannot read leaves no glob behind.
file(REMOVE "${PREFIX}/share/mime/globs2")
execute_process(COMMAND "${UPDATE_MIME_DATABASE}" "${PREFIX}/share/mime"
                RESULT_VARIABLE _rc OUTPUT_VARIABLE _mime_out ERROR_VARIABLE _mime_out)
if(NOT _rc EQUAL 0)
    fail("update-mime-database (${_rc}):\n${_mime_out}")
endif()
set(_all_globs "")
if(EXISTS "${PREFIX}/share/mime/globs2")
    file(STRINGS "${PREFIX}/share/mime/globs2" _all_globs)
endif()
foreach(_pair IN ITEMS "tembra.desktop:tbr" "marquell.desktop:lyt")
    string(REPLACE ":" ";" _pair "${_pair}")
    list(GET _pair 0 _name)
    list(GET _pair 1 _ext)
    set(_entry "${PREFIX}/share/applications/${_name}")
    execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${_entry}"
                    RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _out)
    if(NOT _rc EQUAL 0 OR _out MATCHES "(error|warning):")
        fail("desktop-file-validate ${_entry} (${_rc}):\n${_out}")
    endif()
    file(STRINGS "${_entry}" _mime REGEX "^MimeType=")
    set(_globs "${_all_globs}")
    list(FILTER _globs INCLUDE REGEX ":\\*\\.${_ext}$")
    if(NOT _globs MATCHES "^[0-9]+:([^:]+):\\*\\.${_ext}$")
        fail("no MIME type for *.${_ext} in share/mime/globs2: '${_globs}'\n${_mime_out}")
    else()
        set(_type "${CMAKE_MATCH_1}")
        # file(STRINGS) keeps a ";" of the line as "\;".
        string(REPLACE "\\;" ";" _mime "${_mime}")
        if(NOT _mime MATCHES "^MimeType=(.*;)?${_type};")
            fail("the desktop entry's ${_mime} does not name the type of *.${_ext}, ${_type}")
        endif()
    endif()
endforeach()

# The session bus starts the installed program for a client.
set(_service "${PREFIX}/share/dbus-1/services/org.tembra.Tembra.service")
if(NOT EXISTS "${_service}")
    fail("share/dbus-1/services/org.tembra.Tembra.service is not installed")
else()
    file(STRINGS "${_service}" _exec REGEX "^Exec=")
    file(STRINGS "${_service}" _name REGEX "^Name=")
    if(NOT _name STREQUAL "Name=org.tembra.Tembra" OR
       NOT _exec STREQUAL "Exec=${PREFIX}/bin/tembra /Automation")
        fail("the bus service names ${_name} ${_exec}, not org.tembra.Tembra and ${PREFIX}/bin/tembra")
    endif()
endif()

if(_failures)
    message(FATAL_ERROR "The installed tree in ${PREFIX} is not complete:${_failures}")
endif()
message(STATUS "Installed tree in ${PREFIX} is complete")
