# LAUNCHER_COMMIT_ID: the commit the build is made from, its hash shortened to 12 digits, or
# "unknown" outside a git checkout (an exported source tree). LAUNCHER_COMMIT_YEAR: the year
# of that commit, so that a rebuild of the same commit years later says the same; outside git,
# the year of SOURCE_DATE_EPOCH or of today. Read at configure time; a new commit or checkout
# configures again.
find_package(Git QUIET)
set(LAUNCHER_COMMIT_ID unknown)
set(LAUNCHER_COMMIT_YEAR "")
if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --short=12 HEAD
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    RESULT_VARIABLE status OUTPUT_VARIABLE commit ERROR_QUIET
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(status EQUAL 0 AND commit MATCHES "^[0-9a-f]+$")
        set(LAUNCHER_COMMIT_ID ${commit})
        execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%cd --date=format:%Y HEAD
                        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                        OUTPUT_VARIABLE LAUNCHER_COMMIT_YEAR ERROR_QUIET
                        OUTPUT_STRIP_TRAILING_WHITESPACE)
        # HEAD's log changes with every commit and checkout of this working tree.
        execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --path-format=absolute
                                --git-path logs/HEAD
                        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                        OUTPUT_VARIABLE head_log ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(EXISTS "${head_log}")
            set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${head_log})
        endif()
    endif()
endif()
if(NOT LAUNCHER_COMMIT_YEAR MATCHES "^[0-9][0-9][0-9][0-9]$")
    string(TIMESTAMP LAUNCHER_COMMIT_YEAR "%Y" UTC)
endif()
