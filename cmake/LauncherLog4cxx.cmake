# log4cxx 1.8.0, built from third_party/ for this target by scripts/setup into the cache prefix
# that ThirdPartyPrefix names. Every build links it; -Dlog4cxx_DIR=<folder holding
# log4cxxConfig.cmake> names another build of the same version.
include(ThirdPartyPrefix)
launcher_third_party_prefix(LAUNCHER_THIRD_PARTY_PREFIX)
# A build folder configured before the key changed remembers the old prefix: forget it, so the
# build links and ships what the current third_party/ makes.
launcher_third_party_cache_root(third_party_cache_root)
if(log4cxx_DIR)
    cmake_path(IS_PREFIX third_party_cache_root "${log4cxx_DIR}" in_cache)
    cmake_path(IS_PREFIX LAUNCHER_THIRD_PARTY_PREFIX "${log4cxx_DIR}" in_prefix)
    if(in_cache AND NOT in_prefix)
        unset(log4cxx_DIR CACHE)
    endif()
endif()

# Only that prefix: a distribution's log4cxx of another version must never be picked up, and the
# cross toolchain's find root would otherwise re-root the path.
find_package(log4cxx 1.8.0...<1.8.1 CONFIG
    PATHS ${LAUNCHER_THIRD_PARTY_PREFIX}/lib/cmake/log4cxx
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT log4cxx_FOUND)
    if(WIN32)
        set(third_party_target mingw-${CMAKE_SYSTEM_PROCESSOR})
    else()
        set(third_party_target host)
    endif()
    message(FATAL_ERROR
        "No log4cxx 1.8.0 for this target in ${LAUNCHER_THIRD_PARTY_PREFIX}. Run scripts/setup, "
        "or scripts/build-third-party ${third_party_target}, which build it from third_party/; "
        "or name another build of it with -Dlog4cxx_DIR=<the folder holding "
        "log4cxxConfig.cmake>.")
endif()
message(STATUS "log4cxx ${log4cxx_VERSION} for ${CMAKE_SYSTEM_NAME}: ${log4cxx_DIR}")

if(NOT WIN32)
    return()
endif()

# Windows: every DLL our programs need beyond the system's. log4cxx's own (APR, APR-util and
# expat are linked into it), and the toolchain's C++ run-time, which the programs and log4cxx
# share: one process, one run-time.
get_target_property(log4cxx_dll log4cxx IMPORTED_LOCATION_RELEASE)
cmake_path(GET log4cxx_dll PARENT_PATH log4cxx_bin)
file(GLOB LAUNCHER_THIRD_PARTY_DLLS ${log4cxx_bin}/*.dll)
list(SORT LAUNCHER_THIRD_PARTY_DLLS)

# i686 MinGW unwinds with DWARF-2 tables, hence libgcc_s_dw2.
set(LAUNCHER_TOOLCHAIN_DLLS "")
foreach(name libstdc++-6.dll libgcc_s_dw2-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${name} is")
    endif()
    list(APPEND LAUNCHER_TOOLCHAIN_DLLS ${path})
endforeach()

set(LAUNCHER_RUNTIME_DLLS ${LAUNCHER_THIRD_PARTY_DLLS} ${LAUNCHER_TOOLCHAIN_DLLS})
set(LAUNCHER_RUNTIME_DLL_NAMES "")
foreach(path ${LAUNCHER_RUNTIME_DLLS})
    cmake_path(GET path FILENAME name)
    list(APPEND LAUNCHER_RUNTIME_DLL_NAMES ${name})
endforeach()

# Beside every program of the build, where the loader looks first; these copies are what ships.
# The toolchain's run-time DLLs carry their debug information (libstdc++ 21 MB of it), and every
# DLL its symbol table, which no loader reads (1.7 MB in libstdc++ and in log4cxx each): the
# copies go without both, as the stripped executable does. strip stamps the PE header anew: with
# the release's moment (LauncherReproducible), not the time of the build.
file(COPY ${LAUNCHER_RUNTIME_DLLS} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
set(LAUNCHER_RUNTIME_DLL_COPIES "")
foreach(name ${LAUNCHER_RUNTIME_DLL_NAMES})
    set(copy ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name})
    execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${LAUNCHER_SOURCE_DATE_EPOCH}
                            ${CMAKE_STRIP} --strip-unneeded ${copy}
                    COMMAND_ERROR_IS_FATAL ANY)
    list(APPEND LAUNCHER_RUNTIME_DLL_COPIES ${copy})
endforeach()
# scripts/check-pe32 holds the programs to exactly this list.
list(JOIN LAUNCHER_RUNTIME_DLL_NAMES "\n" runtime_dll_lines)
file(WRITE ${CMAKE_BINARY_DIR}/runtime-dlls.txt "${runtime_dll_lines}\n")
