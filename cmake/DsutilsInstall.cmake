# The CMake package and the pkg-config file of an installed tree.
include(CMakePackageConfigHelpers)

set(DSUTILS_CMAKE_DIR "${CMAKE_INSTALL_LIBDIR}/cmake/dsutils")

install(EXPORT dsutilsTargets NAMESPACE dsutils:: DESTINATION ${DSUTILS_CMAKE_DIR})

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/dsutilsConfig.cmake.in
    ${PROJECT_BINARY_DIR}/dsutilsConfig.cmake INSTALL_DESTINATION ${DSUTILS_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/dsutilsConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/dsutilsConfig.cmake
              ${PROJECT_BINARY_DIR}/dsutilsConfigVersion.cmake
        DESTINATION ${DSUTILS_CMAKE_DIR})

# The .pc file names its prefix relative to itself, so an installed tree can move.
file(RELATIVE_PATH DSUTILS_PC_TO_PREFIX "/prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/prefix")
string(REGEX REPLACE "/$" "" DSUTILS_PC_TO_PREFIX "${DSUTILS_PC_TO_PREFIX}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/dsutils.pc.in ${PROJECT_BINARY_DIR}/dsutils.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/dsutils.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

install(DIRECTORY ${PROJECT_SOURCE_DIR}/content/ DESTINATION ${CMAKE_INSTALL_DATADIR}/dsutils/content
        PATTERN ".keep" EXCLUDE)
