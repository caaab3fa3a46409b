# launcher_add_resources(<name> <rc file> [INCLUDE_DIRECTORIES dir...] [DEPENDS file...])
#
# Compiles a resource script into an object library <name>; an executable that links it
# carries the resources. On Windows it is windres's COFF object, as usual. On the host the
# script is compiled by windres into a .res file that is embedded whole into the object,
# between the symbols HostEmbeddedResourcesBegin and HostEmbeddedResourcesEnd, where the
# platform layer's FindResource and friends read it. DEPENDS names the files the script pulls
# in (included scripts, manifests), as windres reports none.
function(launcher_add_resources name rc_file)
    cmake_parse_arguments(arg "" "" "INCLUDE_DIRECTORIES;DEPENDS" ${ARGN})
    get_filename_component(rc_file ${rc_file} ABSOLUTE)

    if(WIN32)
        add_library(${name} OBJECT ${rc_file})
        target_include_directories(${name} PRIVATE ${arg_INCLUDE_DIRECTORIES})
        set_source_files_properties(${rc_file} PROPERTIES OBJECT_DEPENDS "${arg_DEPENDS}")
        return()
    endif()

    find_program(LAUNCHER_WINDRES
        NAMES i686-w64-mingw32-windres windres
        DOC "windres, to compile resource scripts for the host build"
        REQUIRED)
    set(include_flags "")
    foreach(directory IN LISTS arg_INCLUDE_DIRECTORIES)
        list(APPEND include_flags --include-dir=${directory})
    endforeach()

    set(res_file ${CMAKE_CURRENT_BINARY_DIR}/${name}.res)
    add_custom_command(OUTPUT ${res_file}
        COMMAND ${LAUNCHER_WINDRES} --input-format=rc --output-format=res ${include_flags}
                --input=${rc_file} --output=${res_file}
        DEPENDS ${rc_file} ${arg_DEPENDS}
        COMMENT "Compiling resources ${name}"
        VERBATIM)

    set(embed_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_embedded.cpp)
    set(LAUNCHER_RES_FILE ${res_file})
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/embedded_resources.cpp.in ${embed_file} @ONLY)
    add_library(${name} OBJECT ${embed_file} ${res_file})
    set_source_files_properties(${embed_file} PROPERTIES OBJECT_DEPENDS ${res_file})
endfunction()
