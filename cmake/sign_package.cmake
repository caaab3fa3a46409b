# Run by CPack once the package's files are staged in CPACK_TEMPORARY_DIRECTORY: signs every
# executable and DLL there with Authenticode, or says that the package stays unsigned.
# The environment's LAUNCHER_SIGNING_PKCS12 and LAUNCHER_SIGNING_TIMESTAMP_URL, when set, take
# the place of the configured ones (cmake/LauncherSigning.cmake).
foreach(setting PKCS12 TIMESTAMP_URL)
    if(NOT "$ENV{LAUNCHER_SIGNING_${setting}}" STREQUAL "")
        set(CPACK_LAUNCHER_SIGNING_${setting} "$ENV{LAUNCHER_SIGNING_${setting}}")
    endif()
endforeach()

if(CPACK_LAUNCHER_SIGNING_PKCS12 STREQUAL "")
    message(STATUS "Package unsigned: no code-signing certificate (LAUNCHER_SIGNING_PKCS12)")
    return()
endif()
if(NOT EXISTS "${CPACK_LAUNCHER_SIGNING_PKCS12}")
    message(FATAL_ERROR "No code-signing certificate at ${CPACK_LAUNCHER_SIGNING_PKCS12}")
endif()
if(NOT CPACK_LAUNCHER_OSSLSIGNCODE)
    message(FATAL_ERROR "Signing needs osslsigncode (scripts/setup installs it); reconfigure "
                        "once it is installed")
endif()

set(options -pkcs12 "${CPACK_LAUNCHER_SIGNING_PKCS12}" -readpass - -h sha256
            -n "${CPACK_LAUNCHER_SIGNING_DESCRIPTION}")
if(NOT CPACK_LAUNCHER_SIGNING_TIMESTAMP_URL STREQUAL "")
    list(APPEND options -ts "${CPACK_LAUNCHER_SIGNING_TIMESTAMP_URL}")
endif()
# A fixed signing time keeps a signed package reproducible where the rest of it is.
if(NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
    list(APPEND options -time "$ENV{SOURCE_DATE_EPOCH}")
endif()

file(GLOB_RECURSE pe_files LIST_DIRECTORIES false
     "${CPACK_TEMPORARY_DIRECTORY}/*.exe" "${CPACK_TEMPORARY_DIRECTORY}/*.dll")
list(SORT pe_files)
foreach(file IN LISTS pe_files)
    set(signed "${file}.signed")
    file(REMOVE "${signed}")
    # The password reaches osslsigncode on its standard input from the inherited environment,
    # never on a command line that the process list or a log would show.
    execute_process(
        COMMAND sh -c "printf %s \"$LAUNCHER_SIGNING_PASSWORD\" | \"$0\" sign \"$@\""
                ${CPACK_LAUNCHER_OSSLSIGNCODE} ${options} -in "${file}" -out "${signed}"
        RESULT_VARIABLE status
        OUTPUT_VARIABLE output
        ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        file(REMOVE "${signed}")
        message(FATAL_ERROR "Signing ${file} failed:\n${output}")
    endif()
    # The signed copy takes the staged file's mode: the executable stays executable.
    execute_process(COMMAND chmod --reference=${file} ${signed} COMMAND_ERROR_IS_FATAL ANY)
    file(RENAME "${signed}" "${file}")
    file(RELATIVE_PATH name "${CPACK_TEMPORARY_DIRECTORY}" "${file}")
    message(STATUS "Signed ${name}")
endforeach()
