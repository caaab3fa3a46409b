# The product as users get it: one ZIP per Windows build, NvLinkLauncher-<version>-win32.zip,
# holding the executable and what must lie beside it. The
# host build stands in for Windows during development and packages nothing.
if(NOT WIN32)
    return()
endif()

# The files that resources/ configures.
get_directory_property(shared_manifest DIRECTORY ${PROJECT_SOURCE_DIR}/resources
                       DEFINITION LAUNCHER_SHARED_MANIFEST)
get_directory_property(package_note DIRECTORY ${PROJECT_SOURCE_DIR}/resources
                       DEFINITION LAUNCHER_PACKAGE_NOTE)

# A stripping install (the package's) stamps the program's PE header anew: with the release's
# moment (LauncherReproducible), not the time of the install.
install(CODE "set(ENV{SOURCE_DATE_EPOCH} ${LAUNCHER_SOURCE_DATE_EPOCH})" COMPONENT product)
install(TARGETS NvLinkLauncher RUNTIME DESTINATION . COMPONENT product)
install(FILES ${shared_manifest} ${package_note} DESTINATION . COMPONENT product)
# Every DLL the executable and the component libraries need beyond the system's: log4cxx, with
# APR, APR-util and expat linked in, and the toolchain's C++ run-time they all share
# (LauncherLog4cxx).
install(FILES ${LAUNCHER_RUNTIME_DLL_COPIES} DESTINATION . COMPONENT product)

set(CPACK_PACKAGE_NAME NvLinkLauncher)
# The licence texts of what the package redistributes, in licenses/<package>/, and the notices
# at the top that say which DLL each covers (LauncherLicences, from third_party/packages.cmake).
include(LauncherLicences)
install(FILES ${LAUNCHER_NOTICES_FILE} DESTINATION . COMPONENT product)
install(DIRECTORY ${LAUNCHER_LICENCE_DIR}/ DESTINATION licenses COMPONENT product)

set(CPACK_PACKAGE_VENDOR Norvale)
set(CPACK_GENERATOR ZIP)
# Only the product's install rules: whatever else a subproject installs stays out.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};product;/")
# Everything lies in one folder named like the ZIP: unpacked anywhere, the files stay together
# and land beside nothing else.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
# Users run the program; its debug information stays with the build.
set(CPACK_STRIP_FILES ON)
# The same bytes from every build of a commit: entries sorted, dated the release's moment,
# without owner (cmake/reproducible_zip.py).
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(CPACK_LAUNCHER_PYTHON ${Python3_EXECUTABLE})
set(CPACK_LAUNCHER_SOURCE_DATE_EPOCH ${LAUNCHER_SOURCE_DATE_EPOCH})
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/LauncherReproducibleZip.cmake)
# Beside the ZIP, once made: SHA256SUMS and the SPDX document of every file in it. Last of the
# post-build scripts: it hashes the ZIP as it ships.
list(APPEND CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/ReleaseManifest.cmake)
set(CPACK_LAUNCHER_RELEASE_FACTS ${LAUNCHER_RELEASE_FACTS})
# Signed with Authenticode when a code-signing certificate is given.
include(LauncherSigning)
include(CPack)
