# launcher_component_library(target [EXPORTS version-script]): a component library that COM
# loads by the manifest's file name. On the host it exports its COM entry points and nothing
# else (or what the given script lists), so the layer's names always resolve to the one
# shared platform library of the process.
function(launcher_component_library target)
    cmake_parse_arguments(arg "" "EXPORTS" "" ${ARGN})
    set_target_properties(${target} PROPERTIES PREFIX "" SUFFIX ".dll")
    if(NOT WIN32)
        set(exports ${PROJECT_SOURCE_DIR}/cmake/component_exports.map)
        if(arg_EXPORTS)
            set(exports ${arg_EXPORTS})
        endif()
        target_link_options(${target} PRIVATE "LINKER:--version-script=${exports}"
                                              "LINKER:--no-undefined")
        set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${exports})
    endif()
endfunction()
