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

configure_file(${PROJECT_SOURCE_DIR}/cmake/dsutils.pc.in ${PROJECT_BINARY_DIR}/dsutils.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/dsutils.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
