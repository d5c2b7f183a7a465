# What `cmake --install` puts where a Debian system expects it, and the .deb CPack makes of it:
# the versioned shared library with its public headers, a pkg-config file and a CMake package,
# the command with its man pages and bash completion, and the installation folder.
include(CMakePackageConfigHelpers)

install(DIRECTORY include/velloway DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

file(RELATIVE_PATH velloway_prefix_from_pc /root/${CMAKE_INSTALL_LIBDIR}/pkgconfig /root)
configure_file(cmake/install/velloway.pc.in velloway.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/velloway.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

set(velloway_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/velloway)
install(EXPORT velloway-targets NAMESPACE velloway:: DESTINATION ${velloway_cmake_dir})
configure_package_config_file(cmake/install/velloway-config.cmake.in velloway-config.cmake
  INSTALL_DESTINATION ${velloway_cmake_dir})
write_basic_package_version_file(velloway-config-version.cmake COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/velloway-config.cmake
  ${PROJECT_BINARY_DIR}/velloway-config-version.cmake DESTINATION ${velloway_cmake_dir})

install(DIRECTORY share/ DESTINATION ${CMAKE_INSTALL_DATADIR}/velloway)
install(FILES app/completion/velloway
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velloway)
set(CPACK_PACKAGE_CONTACT "Velloway developers <velloway@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Imports a project risk register from a spreadsheet workbook into a project plan")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
