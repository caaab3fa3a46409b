# Windows: every DLL the programs need beyond the system's, as CMake resolves it from the
# programs' imports: log4cxx's and what it needs, and the toolchain's C++ run-time, which the
# programs and log4cxx share (one process, one run-time). The build copies them beside the
# programs, where the loader looks first, and lists them in LAUNCHER_RUNTIME_DLL_LIST for the
# licences and the tests; the package resolves the same set for what it installs.
#
# Out: LAUNCHER_RUNTIME_DLL_DIRECTORIES, LAUNCHER_SYSTEM_DLLS, LAUNCHER_RUNTIME_DLL_LIST.
if(NOT WIN32)
    return()
endif()

# Where a needed DLL may come from: log4cxx's build, and the folders the compiler links its
# run-time from.
get_target_property(log4cxx_dll log4cxx IMPORTED_LOCATION_RELEASE)
cmake_path(GET log4cxx_dll PARENT_PATH log4cxx_bin)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-search-dirs
                OUTPUT_VARIABLE search_dirs COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCH "\nlibraries: =([^\n]*)" unused "\n${search_dirs}")
string(REPLACE ":" ";" toolchain_dirs "${CMAKE_MATCH_1}")
set(LAUNCHER_RUNTIME_DLL_DIRECTORIES ${log4cxx_bin})
foreach(dir ${toolchain_dirs})
    cmake_path(NORMAL_PATH dir)
    string(REGEX REPLACE "/$" "" dir "${dir}")
    list(APPEND LAUNCHER_RUNTIME_DLL_DIRECTORIES ${dir})
endforeach()
list(REMOVE_DUPLICATES LAUNCHER_RUNTIME_DLL_DIRECTORIES)

# What every Windows has in its system folder: never shipped, never looked for. Anything else
# a program needs must be found above.
set(LAUNCHER_SYSTEM_DLLS "^api-ms-" "^ext-ms-")
foreach(name kernel32 user32 gdi32 advapi32 shell32 ole32 oleaut32 msvcrt ws2_32 mswsock rpcrt4)
    list(APPEND LAUNCHER_SYSTEM_DLLS "^${name}\\.dll$")
endforeach()

set(LAUNCHER_RUNTIME_DLL_LIST ${CMAKE_BINARY_DIR}/runtime-dlls.txt)

# launcher_copy_runtime_dlls(): once every program of the build is linked, checks and copies
# (cmake/copy_runtime_dlls.cmake). Called at the end of the top folder, when all are known.
function(launcher_copy_runtime_dlls)
    set(programs "")
    set(gui_programs "")
    set(targets "")
    set(dirs ${PROJECT_SOURCE_DIR})
    while(dirs)
        list(POP_FRONT dirs dir)
        get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
        list(APPEND dirs ${subdirs})
        get_property(dir_targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
        foreach(target ${dir_targets})
            get_target_property(type ${target} TYPE)
            if(type MATCHES "^(EXECUTABLE|SHARED_LIBRARY|MODULE_LIBRARY)$")
                list(APPEND targets ${target})
                list(APPEND programs $<TARGET_FILE:${target}>)
                list(APPEND gui_programs
                     $<$<BOOL:$<TARGET_PROPERTY:${target},WIN32_EXECUTABLE>>:$<TARGET_FILE:${target}>>)
            endif()
        endforeach()
    endwhile()
    set(stamp ${CMAKE_BINARY_DIR}/runtime-dlls.stamp)
    # The list is rewritten only when it changes (restat): the licences follow it, not every
    # relink.
    add_custom_command(
        OUTPUT ${stamp}
        BYPRODUCTS ${LAUNCHER_RUNTIME_DLL_LIST}
        COMMAND ${CMAKE_COMMAND}
                "-DPROGRAMS=${programs}" "-DGUI_PROGRAMS=${gui_programs}"
                "-DDIRECTORIES=${LAUNCHER_RUNTIME_DLL_DIRECTORIES}"
                "-DSYSTEM_DLLS=${LAUNCHER_SYSTEM_DLLS}"
                -DOBJDUMP=${CMAKE_OBJDUMP} -DSTRIP=${CMAKE_STRIP}
                -DSOURCE_DATE_EPOCH=${LAUNCHER_SOURCE_DATE_EPOCH}
                -DDESTINATION=${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
                -DLIST=${LAUNCHER_RUNTIME_DLL_LIST}
                -P ${PROJECT_SOURCE_DIR}/cmake/copy_runtime_dlls.cmake
        COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
        DEPENDS ${targets} ${PROJECT_SOURCE_DIR}/cmake/copy_runtime_dlls.cmake
                ${PROJECT_SOURCE_DIR}/cmake/pe_header.cmake
        COMMENT "Checking the programs and copying the DLLs they need beside them"
        VERBATIM)
    add_custom_target(runtime_dlls ALL DEPENDS ${stamp})
endfunction()
