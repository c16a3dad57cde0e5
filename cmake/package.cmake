# Installation as a CMake package and the packages of make package.
#
# The CMake package: lib/cmake/ZEDRA holds ZEDRAConfig.cmake, its version
# file, the imported targets (ZEDRATargets.cmake) and the functions of
# ZEDRAGenerators.cmake, so that find_package(ZEDRA 2.8 CONFIG) works
# against the installation.
include(CMakePackageConfigHelpers)

set(ZEDRA_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/ZEDRA CACHE STRING
    "Where the CMake package of ZEDRA is installed, below the prefix")

configure_package_config_file(
  ${PROJECT_SOURCE_DIR}/cmake/ZEDRAConfig.cmake.in
  ${PROJECT_BINARY_DIR}/ZEDRAConfig.cmake
  INSTALL_DESTINATION ${ZEDRA_INSTALL_CMAKEDIR}
  PATH_VARS ZEDRA_INSTALL_RUNTIMEDIR ZEDRA_INSTALL_TARGETDIR CMAKE_INSTALL_BINDIR)
# 2.8 serves every request for 2.x up to 2.8; the package holds programs and
# sources only, so the pointer size of the project that uses it is of no
# matter.
write_basic_package_version_file(
  ${PROJECT_BINARY_DIR}/ZEDRAConfigVersion.cmake
  VERSION ${PROJECT_VERSION}
  COMPATIBILITY SameMajorVersion
  ARCH_INDEPENDENT)

install(EXPORT ZEDRATargets NAMESPACE ZEDRA:: DESTINATION ${ZEDRA_INSTALL_CMAKEDIR})
install(FILES
  ${PROJECT_BINARY_DIR}/ZEDRAConfig.cmake
  ${PROJECT_BINARY_DIR}/ZEDRAConfigVersion.cmake
  ${PROJECT_SOURCE_DIR}/cmake/ZEDRAGenerators.cmake
  ${PROJECT_SOURCE_DIR}/cmake/ZEDRACheckHeaders.cmake
  DESTINATION ${ZEDRA_INSTALL_CMAKEDIR})

# make package: a Debian package and a tarball of what make install
# installs, below /usr in the Debian package and at the top of the tarball.
set(CPACK_PACKAGE_NAME zedra)
set(CPACK_PACKAGE_VENDOR "ZEDRA")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "compiler-construction toolkit: scanner and parser generators, KAM interpreter and translators")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "sgen and pgen generate C scanners and recursive-descent parsers with"
  "error recovery from specifications; kamrun runs KAM stack-machine code,"
  "k2c, k2s and k2a translate it to C or x86 assembler. With the runtime"
  "sources, the support files of translated programs, the CMake package"
  "and the manual pages.")
set(CPACK_PACKAGE_CONTACT "ZEDRA developers <zedra@example.org>")
set(CPACK_GENERATOR DEB TGZ)
# The package target installs the programs, not the tests and examples:
# make package builds the target zedra_installed first.
set(CMAKE_SKIP_PACKAGE_ALL_DEPENDENCY ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gcc | c-compiler, cmake (>= 3.25)")
find_program(ZEDRA_DPKG_SHLIBDEPS dpkg-shlibdeps)
mark_as_advanced(ZEDRA_DPKG_SHLIBDEPS)
if(ZEDRA_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6")
endif()
include(CPack)
