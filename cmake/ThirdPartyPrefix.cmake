# Where the third-party libraries built from third_party/ live for the current target.
#
# One prefix per target, outside every build tree so that a later clone on the same machine
# reuses it: ${XDG_CACHE_HOME:-$HOME/.cache}/nvlink-launcher/third-party/<target>-<key>. The key
# changes whenever anything that shapes the binaries changes: the archives, our patches, the
# dependency build itself (CMakeLists.txt and *.cmake there), the toolchain file, or the
# compiler. The superbuild in third_party/
# fills the prefix; the project reads it. Both call this, so they can never disagree.

set(LAUNCHER_THIRD_PARTY_DIR ${CMAKE_CURRENT_LIST_DIR}/../third_party)
cmake_path(NORMAL_PATH LAUNCHER_THIRD_PARTY_DIR)
# The host's third-party build uses this compiler whatever compiler the project uses.
set(LAUNCHER_HOST_THIRD_PARTY_CC gcc)
set(LAUNCHER_HOST_THIRD_PARTY_CXX g++)

function(launcher_third_party_cache_root out)
    if(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
        set(root "$ENV{XDG_CACHE_HOME}")
    elseif(DEFINED ENV{HOME} AND NOT "$ENV{HOME}" STREQUAL "")
        set(root "$ENV{HOME}/.cache")
    else()
        message(FATAL_ERROR "Neither XDG_CACHE_HOME nor HOME is set: no place for the "
                            "third-party libraries")
    endif()
    set(${out} "${root}/nvlink-launcher/third-party" PARENT_SCOPE)
endfunction()

# launcher_third_party_prefix(OUT): the prefix for the compiler of the calling project.
function(launcher_third_party_prefix out)
    set(inputs "")
    file(GLOB archives ${LAUNCHER_THIRD_PARTY_DIR}/*.tar.gz)
    file(GLOB patches ${LAUNCHER_THIRD_PARTY_DIR}/patches/* ${LAUNCHER_THIRD_PARTY_DIR}/*.cmake)
    list(SORT archives)
    list(SORT patches)
    set(toolchain "")
    if(WIN32)
        set(toolchain ${CMAKE_TOOLCHAIN_FILE} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/toolchain-mingw-common.cmake)
    endif()
    foreach(file ${archives} ${patches} ${LAUNCHER_THIRD_PARTY_DIR}/CMakeLists.txt
                 ${CMAKE_CURRENT_FUNCTION_LIST_FILE} ${toolchain})
        file(SHA256 ${file} hash)
        cmake_path(GET file FILENAME name)
        string(APPEND inputs "${name} ${hash}\n")
    endforeach()
    if(WIN32)
        string(APPEND inputs "${CMAKE_CXX_COMPILER_ID} ${CMAKE_CXX_COMPILER_VERSION} "
                             "${CMAKE_CXX_COMPILER}\n")
    else()
        # Every host preset (g++, and clang++ for fuzzing) links the one g++ build: both
        # compilers use libstdc++, so one build serves them all.
        execute_process(COMMAND ${LAUNCHER_HOST_THIRD_PARTY_CXX} -dumpfullversion
                        OUTPUT_VARIABLE version OUTPUT_STRIP_TRAILING_WHITESPACE
                        COMMAND_ERROR_IS_FATAL ANY)
        string(APPEND inputs "${LAUNCHER_HOST_THIRD_PARTY_CXX} ${version}\n")
    endif()
    string(SHA256 key "${inputs}")
    string(SUBSTRING ${key} 0 16 key)

    if(WIN32)
        set(target "mingw-${CMAKE_SYSTEM_PROCESSOR}")
    else()
        string(TOLOWER "${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}" target)
    endif()
    launcher_third_party_cache_root(root)
    set(${out} "${root}/${target}-${key}" PARENT_SCOPE)
endfunction()
