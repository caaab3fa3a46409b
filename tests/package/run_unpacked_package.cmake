cmake_minimum_required(VERSION 3.25)
# Unpacks the product package into a fresh folder outside the build, adds the demo component
# beside the executable as a user adds the real one, and runs the launcher under a Wine runner,
# case by case, each from a fresh unpack. The package must hold exactly what the build that made
# it installs as its product.
#
#   cmake -DPACKAGE=<zip> -DTOP_FOLDER=<folder in the zip> -DBUILD_DIR=<build that made it>
#         -DCOMPONENT_LIBRARY=<dll> -DWINE_RUN=<wine-run> -DWINE_PREFIX=<prefix>
#         -P run_unpacked_package.cmake
#
# Wine hands a shell only the low byte of an exit code: -1 arrives as 255.

# Case table: name | file left out | arguments | exit code | whether AppRun runs.
set(case_names with_shared_manifest without_shared_manifest)
set(with_shared_manifest_left_out "")
set(with_shared_manifest_arguments "--exit-code=7" "二つの 引数")
set(with_shared_manifest_exit 7)
set(with_shared_manifest_runs TRUE)
set(without_shared_manifest_left_out Norvale.Linkage.Shared.manifest)
set(without_shared_manifest_arguments "--exit-code=5")
set(without_shared_manifest_exit 255)
set(without_shared_manifest_runs FALSE)

set(failures "")
function(fail message)
    list(APPEND failures "${case}: ${message}")
    set(failures "${failures}" PARENT_SCOPE)
endfunction()

foreach(variable PACKAGE TOP_FOLDER BUILD_DIR COMPONENT_LIBRARY WINE_RUN WINE_PREFIX)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "${variable} not given")
    endif()
endforeach()
if(NOT EXISTS "${PACKAGE}")
    message(FATAL_ERROR "no package ${PACKAGE}")
endif()

# A Unix path as Wine's drive Z: shows it.
function(wine_path unix_path out)
    string(REPLACE "/" "\\" path "${unix_path}")
    set(${out} "Z:${path}" PARENT_SCOPE)
endfunction()

# How many lines of a file end in CR LF, and how many in a line feed at all. file(READ)
# drops carriage returns, so the bytes are counted.
function(count_line_ends file crlf_out lf_out)
    file(READ "${file}" bytes HEX)
    string(REGEX REPLACE "(..)" "\\1 " bytes "${bytes}")
    string(REGEX MATCHALL "0d 0a " crlf_ends "${bytes}")
    string(REGEX MATCHALL "0a " line_ends "${bytes}")
    list(LENGTH crlf_ends crlf_count)
    list(LENGTH line_ends lf_count)
    set(${crlf_out} ${crlf_count} PARENT_SCOPE)
    set(${lf_out} ${lf_count} PARENT_SCOPE)
endfunction()

# What the build installs as its product, file by file: the listing the package must match.
execute_process(COMMAND mktemp -d /tmp/nvlink-install-XXXXXX
                OUTPUT_VARIABLE installed OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --component product
                        --prefix "${installed}"
                RESULT_VARIABLE install_status OUTPUT_QUIET)
file(GLOB_RECURSE PACKAGE_FILES RELATIVE "${installed}" "${installed}/*")
file(REMOVE_RECURSE "${installed}")
if(NOT install_status EQUAL 0 OR NOT PACKAGE_FILES)
    message(FATAL_ERROR "installing ${BUILD_DIR}'s product failed (${install_status})")
endif()
# Not a listing that merely agrees with itself: the product's own files, the notices and a
# licence text.
foreach(name NvLinkLauncher.exe liblog4cxx.dll THIRD-PARTY-NOTICES.txt licenses/log4cxx/NOTICE)
    if(NOT name IN_LIST PACKAGE_FILES)
        message(FATAL_ERROR "${BUILD_DIR} does not install ${name}: [${PACKAGE_FILES}]")
    endif()
endforeach()

# The configuration that the launcher writes for its base name in the prefix's documents
# folder; the launcher process tests write the same file, so ctest runs them apart.
set(configuration_pattern
    "${WINE_PREFIX}/drive_c/users/*/Documents/Norvale/SystemLog/NvLinkLauncher.ini")
# The run's local date in the launcher's time zone (wine-run's), whoever calls this script:
# from 15:00 UTC on, Japan is a day ahead.
set(ENV{TZ} JST-9)
string(TIMESTAMP today "%Y%m%d")
set(log_file_pattern "${WINE_PREFIX}/drive_c/users/*/Documents/Norvale/SystemLog/NvLinkLauncher/NvLinkLauncher.1.0.0Log_${today}.txt")
# What the demo component logs through log4cxx when it runs.
set(record_marker "AppRun started: show command 10")

foreach(case IN LISTS case_names)
    execute_process(COMMAND mktemp -d /tmp/nvlink-package-XXXXXX
                    OUTPUT_VARIABLE scratch OUTPUT_STRIP_TRAILING_WHITESPACE)
    file(ARCHIVE_EXTRACT INPUT "${PACKAGE}" DESTINATION "${scratch}")

    # Exactly the product's files, all in the one top folder.
    file(GLOB_RECURSE unpacked RELATIVE "${scratch}" "${scratch}/*")
    list(SORT unpacked)
    set(expected "")
    foreach(name IN LISTS PACKAGE_FILES)
        list(APPEND expected "${TOP_FOLDER}/${name}")
    endforeach()
    list(SORT expected)
    if(NOT unpacked STREQUAL expected)
        fail("the package holds [${unpacked}], not [${expected}]")
    endif()

    set(folder "${scratch}/${TOP_FOLDER}")
    # The note is read on Windows: CR LF throughout, and it names the library with AppRun.
    set(note "${folder}/NvLinkLauncher-ReadMe.txt")
    if(EXISTS "${note}")
        count_line_ends("${note}" crlf_count line_count)
        file(STRINGS "${note}" note_lines REGEX "^  [A-Za-z]+\\.dll")
        if(NOT crlf_count EQUAL line_count OR NOT note_lines MATCHES "NvLinkApp\\.dll")
            fail("the note has ${crlf_count} of ${line_count} lines in CR LF and lists [${note_lines}]")
        endif()
    endif()
    file(COPY "${COMPONENT_LIBRARY}" DESTINATION "${folder}")
    foreach(name IN LISTS ${case}_left_out)
        file(REMOVE "${folder}/${name}")
    endforeach()

    # Earlier runs' configurations and today's log files go, so what is found is this run's.
    file(GLOB old_configurations "${configuration_pattern}" "${log_file_pattern}")
    if(old_configurations)
        file(REMOVE ${old_configurations})
    endif()
    wine_path("${folder}/NvLinkLauncher.exe" program)
    wine_path("${scratch}/record.txt" record_file)
    set(ENV{APPRUN_DEMO_RECORD} "${record_file}")
    execute_process(COMMAND "${WINE_RUN}" "${program}" ${${case}_arguments}
                    RESULT_VARIABLE exit_code)
    if(NOT exit_code STREQUAL "${${case}_exit}")
        fail("exit code ${exit_code}, expected ${${case}_exit}")
    endif()

    # What Run received: the whole command line, with the program's path quoted as Wine
    # quotes it.
    if(${case}_runs)
        if(NOT EXISTS "${scratch}/record.txt")
            fail("AppRun never ran")
        else()
            file(STRINGS "${scratch}/record.txt" record ENCODING UTF-8)
            set(expected_command "command=\"${program}\"")
            foreach(argument IN LISTS ${case}_arguments)
                if(argument MATCHES " ")
                    string(APPEND expected_command " \"${argument}\"")
                else()
                    string(APPEND expected_command " ${argument}")
                endif()
            endforeach()
            set(expected_record "${expected_command}" "show=10")
            if(NOT record STREQUAL expected_record)
                fail("AppRun received [${record}], expected [${expected_record}]")
            endif()
        endif()
    elseif(EXISTS "${scratch}/record.txt")
        fail("AppRun ran although it should not have been created")
    endif()

    # Logging is set up before COM in both cases: seven lines, CR LF, the dated log file.
    file(GLOB configurations "${configuration_pattern}")
    list(LENGTH configurations count)
    if(NOT count EQUAL 1)
        fail("${count} generated configurations under the prefix's documents folders")
    else()
        count_line_ends("${configurations}" crlf_count line_count)
        file(STRINGS "${configurations}" lines)
        list(TRANSFORM lines REPLACE "\r$" "")
        list(LENGTH lines count)
        # Line 5 doubles each backslash; the pattern doubles them again.
        set(log_folder [[C:\\\\users\\\\[^\\]+\\\\Documents\\\\Norvale\\\\SystemLog\\\\NvLinkLauncher\\\\]])
        set(file_line "^log4j\\.appender\\.nAppender\\.File = ${log_folder}NvLinkLauncher\\.1\\.0\\.0Log_${today}\\.txt$")
        if(NOT crlf_count EQUAL 7 OR NOT line_count EQUAL 7 OR NOT count EQUAL 7)
            fail("the configuration has ${count} lines, ${crlf_count} of them ending in CR LF, not 7")
        else()
            list(GET lines 0 first)
            list(GET lines 4 fifth)
            if(NOT first STREQUAL "log4j.rootLogger = Info, nAppender")
                fail("the configuration starts with '${first}'")
            endif()
            if(NOT fifth MATCHES "${file_line}")
                fail("the configuration names another log file: '${fifth}'")
            endif()
        endif()
        get_filename_component(configuration_folder "${configurations}" DIRECTORY)
        if(NOT IS_DIRECTORY "${configuration_folder}/NvLinkLauncher")
            fail("the log directory was not made")
        endif()
        # log4cxx, loaded from the unpacked folder, wrote the component's record where line 5
        # says.
        set(log_file
            "${configuration_folder}/NvLinkLauncher/NvLinkLauncher.1.0.0Log_${today}.txt")
        if(${case}_runs)
            set(log_text "")
            if(EXISTS "${log_file}")
                file(READ "${log_file}" log_text)
            endif()
            string(FIND "${log_text}" "${record_marker}" at)
            if(at EQUAL -1)
                fail("no record of this run in ${log_file}: [${log_text}]")
            endif()
        endif()
    endif()

    file(REMOVE_RECURSE "${scratch}")
endforeach()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "The unpacked package did not run as shipped:\n  ${text}")
endif()
message(STATUS "${PACKAGE}: ${case_names} as expected")
