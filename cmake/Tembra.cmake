# One library per source folder: every .cpp directly in the folder belongs to it.
#   tembra_library(NAME <target> [QT] [DEPS <targets>...])
# A QT library exists only in a build with the GUI (TEMBRA_GUI); add its folder inside the GUI
# block of src/CMakeLists.txt.
function(tembra_library)
    cmake_parse_arguments(A "QT" "NAME" "DEPS" ${ARGN})
    if(A_QT AND NOT TEMBRA_GUI)
        message(FATAL_ERROR "${A_NAME} is a Qt library, but this build has no GUI "
                            "(TEMBRA_GUI=OFF): add its folder inside the GUI block of "
                            "src/CMakeLists.txt")
    endif()
    file(GLOB _src CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
    file(GLOB _hdr CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
    if(NOT _src)
        # A folder whose sources are still to come: headers only.
        add_library(${A_NAME} INTERFACE)
        target_include_directories(${A_NAME} INTERFACE "${PROJECT_SOURCE_DIR}/src")
        target_link_libraries(${A_NAME} INTERFACE ${A_DEPS})
        return()
    endif()
    add_library(${A_NAME} STATIC ${_src} ${_hdr})
    target_include_directories(${A_NAME} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${A_NAME} PUBLIC ${A_DEPS})
    if(A_QT)
        set_target_properties(${A_NAME} PROPERTIES AUTOMOC ON)
    endif()
endfunction()

# A program (tembra, marquell):
#   tembra_program(NAME <target> SOURCES <files>... DEPS <targets>...)
# It is built into <build>/bin, beside the build folder's share/tembra (a link to data/), and
# installed into <prefix>/bin beside <prefix>/share/tembra: wherever it runs from, it finds its
# shipped files at ../share/tembra (Paths::InstalledDataDir).
function(tembra_program)
    cmake_parse_arguments(A "" "NAME" "SOURCES;DEPS" ${ARGN})
    add_executable(${A_NAME} ${A_SOURCES})
    target_link_libraries(${A_NAME} PRIVATE ${A_DEPS})
    set_target_properties(${A_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${TEMBRA_BUILD_BIN_DIR}")
    install(TARGETS ${A_NAME} RUNTIME DESTINATION "${TEMBRA_INSTALL_BIN_DIR}")
    set_property(GLOBAL APPEND PROPERTY TEMBRA_PROGRAMS ${A_NAME})
endfunction()

# One GoogleTest binary per library: every .cpp directly in the test folder.
#   tembra_test(NAME <binary> DEPS <targets>...)
# Tests read fixtures from the source tree (TEMBRA_SOURCE_DIR) and the shipped files from its
# data/ folder (TEMBRA_DATA_DIR, installed by the test main), wherever the build folder lies.
function(tembra_test)
    cmake_parse_arguments(A "" "NAME" "DEPS" ${ARGN})
    file(GLOB _src CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
    if(NOT _src)
        return()
    endif()
    add_executable(${A_NAME} ${_src})
    target_include_directories(${A_NAME} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
    target_link_libraries(${A_NAME} PRIVATE ${A_DEPS} tembra_testsupport GTest::gtest GTest::gmock)
    target_compile_definitions(${A_NAME} PRIVATE TEMBRA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                                 TEMBRA_DATA_DIR="${TEMBRA_DATA_DIR}")
    add_test(NAME ${A_NAME} COMMAND ${A_NAME})
    set_tests_properties(${A_NAME} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
