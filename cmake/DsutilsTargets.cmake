# Helpers shared by every target of the project.

# The header folder of an installed tree: every public header sits below it in a folder of
# its own (dsutils/, platform/, model/, objectmodel/, mediaengine/).
set(DSUTILS_INSTALL_INCLUDEDIR "${CMAKE_INSTALL_INCLUDEDIR}/dsutils")

# Warnings are errors on every target of ours.
function(dsutils_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror
                           -Wno-missing-field-initializers)
endfunction()

# A static library of the project with the alias dsutils::<export name>.
#   dsutils_library(<target> EXPORT_NAME <name> SOURCES ... )
function(dsutils_library target)
    cmake_parse_arguments(ARG "" "EXPORT_NAME" "SOURCES" ${ARGN})
    add_library(${target} STATIC ${ARG_SOURCES})
    add_library(dsutils::${ARG_EXPORT_NAME} ALIAS ${target})
    set_target_properties(${target} PROPERTIES EXPORT_NAME ${ARG_EXPORT_NAME})
    dsutils_warnings(${target})
    install(TARGETS ${target} EXPORT dsutilsTargets
            ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
            LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
endfunction()

# Installs the headers of one folder into the installed header tree under <subfolder>/.
function(dsutils_install_headers subfolder)
    install(FILES ${ARGN} DESTINATION "${DSUTILS_INSTALL_INCLUDEDIR}/${subfolder}")
endfunction()

# A GoogleTest program registered with CTest under <name>.
#   dsutils_test(<name> SOURCES ... LIBRARIES ...)
# Every test suite is made with it: it gives the suite the include folders below and the
# environment that keeps the tests out of the user's folders.
function(dsutils_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    dsutils_warnings(${name})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gmock
                          GTest::gtest_main)
    # A test reaches the shared test steps ("support/…") and the library's private headers
    # ("foundation/…", "navigation/…"), which nothing outside the library and its tests may.
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/src)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "REELMARK_HOME=${CMAKE_BINARY_DIR}/test-home/${name};REELMARK_CONTENT=${PROJECT_SOURCE_DIR}/content;REELMARK_PLUGINS=${PROJECT_SOURCE_DIR}/content/plugins;ASAN_OPTIONS=detect_leaks=1:abort_on_error=0;UBSAN_OPTIONS=print_stacktrace=1")
endfunction()
