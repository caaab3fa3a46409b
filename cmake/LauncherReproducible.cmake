# One moment for the whole release, so two builds of the same commit give the same bytes:
# SOURCE_DATE_EPOCH from the environment if given, else the last commit's time, else (a source
# tree outside git) the top CMakeLists.txt's time, which an unpacked source archive keeps.
# LAUNCHER_SOURCE_DATE_EPOCH stamps the programs' PE headers and the package's entries.
if(DEFINED ENV{SOURCE_DATE_EPOCH} AND "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
    set(LAUNCHER_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
    execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE git_status ERROR_QUIET)
    if(git_status EQUAL 0 AND commit_time MATCHES "^[0-9]+$")
        set(LAUNCHER_SOURCE_DATE_EPOCH ${commit_time})
        # A new commit is a new moment: configure again when HEAD moves.
        execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} rev-parse --absolute-git-dir
                        OUTPUT_VARIABLE git_dir OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        if(EXISTS "${git_dir}/logs/HEAD")
            set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${git_dir}/logs/HEAD)
        endif()
    else()
        file(TIMESTAMP ${PROJECT_SOURCE_DIR}/CMakeLists.txt LAUNCHER_SOURCE_DATE_EPOCH "%s" UTC)
    endif()
endif()
message(STATUS "SOURCE_DATE_EPOCH ${LAUNCHER_SOURCE_DATE_EPOCH}")

if(NOT LAUNCHER_REPRODUCIBLE)
    return()
endif()

# No build folder's path in what ships: __FILE__ in log records and the debug information name
# the sources relative to fixed roots. The build folder may lie inside the source folder; GCC
# takes the last map that matches, so it comes second.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=nvlink-launcher
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}=nvlink-launcher-build)
# The linker stamps a PE header with SOURCE_DATE_EPOCH when it is set, else with the time of
# the link.
foreach(language C CXX)
    set(CMAKE_${language}_LINKER_LAUNCHER
        ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${LAUNCHER_SOURCE_DATE_EPOCH})
endforeach()
