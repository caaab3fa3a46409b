# The product as users get it: one ZIP per Windows build, NvLinkLauncher-<version>-win32.zip
# (win64 for the x86-64 build), holding the executable and what must lie beside it. The
# host build stands in for Windows during development and packages nothing.
if(NOT WIN32)
    return()
endif()

# The files that resources/ configures.
get_directory_property(shared_manifest DIRECTORY ${PROJECT_SOURCE_DIR}/resources
                       DEFINITION LAUNCHER_SHARED_MANIFEST)
get_directory_property(package_note DIRECTORY ${PROJECT_SOURCE_DIR}/resources
                       DEFINITION LAUNCHER_PACKAGE_NOTE)

install(TARGETS NvLinkLauncher RUNTIME DESTINATION . COMPONENT product)
install(FILES ${shared_manifest} ${package_note} DESTINATION . COMPONENT product)
# Libraries the executable loads at start (a release's log4cxx); none in a build without them.
install(FILES $<TARGET_RUNTIME_DLLS:NvLinkLauncher> DESTINATION . COMPONENT product)

set(CPACK_PACKAGE_NAME NvLinkLauncher)
set(CPACK_PACKAGE_VENDOR Norvale)
set(CPACK_GENERATOR ZIP)
# Only the product's install rules: whatever else a subproject installs stays out.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};product;/")
# Everything lies in one folder named like the ZIP: unpacked anywhere, the files stay together
# and land beside nothing else.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
# Users run the program; its debug information stays with the build.
set(CPACK_STRIP_FILES ON)
include(CPack)
