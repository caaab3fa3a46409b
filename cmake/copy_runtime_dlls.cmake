# Run by the build (LauncherRuntimeDlls) once every program is linked: checks that each is PE32
# for Intel 80386 with the subsystem it was built for, asks CMake which DLLs they need beyond
# the system's, copies those beside the programs without their debug information, and writes
# their paths, one a line, to LIST. A DLL needed but found nowhere fails the build.
#   cmake -DPROGRAMS=<a;b> -DGUI_PROGRAMS=<a> -DDIRECTORIES=<x;y> -DSYSTEM_DLLS=<regexes>
#         -DOBJDUMP=<tool> -DSTRIP=<tool> -DSOURCE_DATE_EPOCH=<s> -DDESTINATION=<bin>
#         -DLIST=<file> -P copy_runtime_dlls.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/pe_header.cmake)

foreach(program ${PROGRAMS})
    set(subsystem console)
    if(program IN_LIST GUI_PROGRAMS)
        set(subsystem gui)
    endif()
    launcher_check_pe32("${program}" ${subsystem})
endforeach()

# Windows looks beside a program first, and so does CMake: the copies an earlier run left there
# would be found instead of the DLLs they came from. Every DLL there that the build did not
# make is such a copy.
file(GLOB present ${DESTINATION}/*.dll)
foreach(path ${present})
    if(NOT path IN_LIST PROGRAMS)
        file(REMOVE ${path})
    endif()
endforeach()

set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${OBJDUMP})
set(executables ${PROGRAMS})
list(FILTER executables INCLUDE REGEX "\\.exe$")
set(libraries ${PROGRAMS})
list(FILTER libraries INCLUDE REGEX "\\.dll$")
file(GET_RUNTIME_DEPENDENCIES
     EXECUTABLES ${executables}
     LIBRARIES ${libraries}
     DIRECTORIES ${DIRECTORIES}
     PRE_EXCLUDE_REGEXES ${SYSTEM_DLLS}
     RESOLVED_DEPENDENCIES_VAR resolved
     UNRESOLVED_DEPENDENCIES_VAR unresolved
     CONFLICTING_DEPENDENCIES_PREFIX conflicting)
if(unresolved)
    list(JOIN unresolved ", " unresolved)
    list(JOIN DIRECTORIES ", " DIRECTORIES)
    message(FATAL_ERROR "The programs need DLLs that are neither the system's nor found in "
                        "${DIRECTORIES}: ${unresolved}")
endif()
foreach(name ${conflicting_FILENAMES})
    list(JOIN conflicting_${name} ", " paths)
    message(FATAL_ERROR "The programs need ${name}, which lies in more than one place: ${paths}")
endforeach()
# The build's own DLLs (the demo component) are programs, not dependencies to copy.
set(programs_lower ${PROGRAMS})
list(TRANSFORM programs_lower TOLOWER)
set(dlls "")
foreach(path ${resolved})
    string(TOLOWER "${path}" lower)
    if(NOT lower IN_LIST programs_lower)
        list(APPEND dlls ${path})
    endif()
endforeach()
list(SORT dlls)

# The toolchain's DLLs carry their debug information (libstdc++ 21 MB of it), and every DLL its
# symbol table, which no loader reads (1.7 MB in libstdc++ and in log4cxx each): the copies go
# without both, as the stripped executable does. strip stamps the PE header anew: with the
# release's moment, not the time of the build.
set(ENV{SOURCE_DATE_EPOCH} ${SOURCE_DATE_EPOCH})
foreach(path ${dlls})
    cmake_path(GET path FILENAME name)
    file(COPY_FILE ${path} ${DESTINATION}/${name})
    execute_process(COMMAND ${STRIP} --strip-unneeded ${DESTINATION}/${name}
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
list(JOIN dlls "\n" lines)
file(WRITE ${LIST}.new "${lines}\n")
file(COPY_FILE ${LIST}.new ${LIST} ONLY_IF_DIFFERENT)
file(REMOVE ${LIST}.new)
