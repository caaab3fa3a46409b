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

install(TARGETS NvLinkLauncher RUNTIME DESTINATION . COMPONENT product)
install(FILES ${shared_manifest} ${package_note} DESTINATION . COMPONENT product)
# Every DLL the executable and the component libraries need beyond the system's: log4cxx with
# APR, APR-util and expat, and the toolchain's C++ run-time they all share (LauncherLog4cxx).
install(FILES ${LAUNCHER_RUNTIME_DLL_COPIES} DESTINATION . COMPONENT product)

# The licence and notice texts of what the package redistributes, in licenses/<library>/: the
# third-party ones straight from the pinned archives, the toolchain's run-time ones (GCC's
# run-time library exception, winpthreads) from its Debian packages' copyright files.
set(licence_dir ${CMAKE_BINARY_DIR}/licenses)
file(REMOVE_RECURSE ${licence_dir})
foreach(entry "log4cxx|apache-log4cxx-1.8.0|LICENSE;NOTICE"
              "apr|apr-1.7.4|LICENSE;NOTICE"
              "apr-util|apr-util-1.6.3|LICENSE;NOTICE"
              "expat|expat-2.8.3/expat|COPYING")
    string(REPLACE "|" ";" entry "${entry}")
    list(GET entry 0 library)
    list(GET entry 1 folder)
    list(SUBLIST entry 2 -1 names)
    string(REGEX REPLACE "/.*" "" archive "${folder}")
    set(patterns "")
    foreach(name ${names})
        list(APPEND patterns ${folder}/${name})
    endforeach()
    set(extracted ${CMAKE_BINARY_DIR}/licence-archives/${library})
    file(ARCHIVE_EXTRACT INPUT ${LAUNCHER_THIRD_PARTY_DIR}/${archive}.tar.gz
         DESTINATION ${extracted} PATTERNS ${patterns})
    foreach(name ${names})
        if(NOT EXISTS ${extracted}/${folder}/${name})
            message(FATAL_ERROR "${archive}.tar.gz holds no ${folder}/${name}")
        endif()
        file(COPY ${extracted}/${folder}/${name} DESTINATION ${licence_dir}/${library})
    endforeach()
endforeach()
string(REPLACE "_" "-" debian_arch "${CMAKE_SYSTEM_PROCESSOR}")
foreach(entry "gcc-runtime|gcc-mingw-w64-${debian_arch}-posix-runtime"
              "winpthreads|mingw-w64-${debian_arch}-dev")
    string(REPLACE "|" ";" entry "${entry}")
    list(GET entry 0 library)
    list(GET entry 1 package)
    set(copyright /usr/share/doc/${package}/copyright)
    if(NOT EXISTS ${copyright})
        message(FATAL_ERROR "No ${copyright}: the toolchain's licence texts must ship with its "
                            "run-time DLLs (scripts/setup installs ${package})")
    endif()
    file(COPY ${copyright} DESTINATION ${licence_dir}/${library})
endforeach()
# GCC's run-time library exception is a permission on top of GPL version 3.
file(COPY /usr/share/common-licenses/GPL-3 DESTINATION ${licence_dir}/gcc-runtime)
install(DIRECTORY ${licence_dir}/ DESTINATION licenses COMPONENT product)

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
# Signed with Authenticode when a code-signing certificate is given.
include(LauncherSigning)
include(CPack)
