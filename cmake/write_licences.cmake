# The licence texts of every DLL the package ships, in licenses/<package>/, the notices that say
# which text covers which DLL (THIRD-PARTY-NOTICES.txt), and the facts the release manifest
# reads after CPack (release-facts.cmake). Everything comes from third_party/packages.cmake and,
# for the toolchain's run-time, from the Debian packages that installed it. Run by the build
# (LauncherLicences) whenever the list of DLLs it resolved changes.
#   cmake -DRUNTIME_DLL_LIST=<file> -DLAUNCHER_THIRD_PARTY_DIR=<dir> -DCPACK_PACKAGE_NAME=<name>
#         -DPROJECT_VERSION=<v> -DPROJECT_SOURCE_DIR=<dir> -DLAUNCHER_LICENCE_DIR=<dir>
#         -DLAUNCHER_NOTICES_FILE=<file> -DLAUNCHER_RELEASE_FACTS=<file>
#         -DLICENCE_ARCHIVES_DIR=<dir> -P write_licences.cmake
cmake_minimum_required(VERSION 3.25)
include(${LAUNCHER_THIRD_PARTY_DIR}/packages.cmake)

file(REMOVE_RECURSE ${LAUNCHER_LICENCE_DIR})
file(STRINGS ${RUNTIME_DLL_LIST} runtime_dlls)

# Which package each shipped DLL belongs to: a DLL the table does not name has no known origin
# or licence, and must not ship.
set(packages ${THIRD_PARTY_ARCHIVE_PACKAGES} ${THIRD_PARTY_TOOLCHAIN_PACKAGES})
foreach(path ${runtime_dlls})
    cmake_path(GET path FILENAME name)
    set(owner "")
    foreach(package ${packages})
        if(name IN_LIST THIRD_PARTY_${package}_DLLS)
            set(owner ${package})
        endif()
    endforeach()
    if(NOT owner)
        message(FATAL_ERROR "${name} ships, but third_party/packages.cmake names no package for it")
    endif()
    set(dll_path_${name} ${path})
    set(owner_of_${name} ${owner})
    list(APPEND shipped_dlls_${owner} ${name})
endforeach()
# What is linked into a shipped DLL ships inside it: its texts ship all the same, and the
# notices name it under that DLL. A DLL named there that does not ship is a stale table.
foreach(package ${packages})
    set(dll ${THIRD_PARTY_${package}_LINKED_INTO})
    if(dll)
        if(NOT DEFINED owner_of_${dll})
            message(FATAL_ERROR "third_party/packages.cmake links ${package} into ${dll}, "
                                "which does not ship")
        endif()
        list(APPEND linked_into_${dll} ${package})
    endif()
endforeach()

# The archives' own licence files, unchanged.
foreach(package ${THIRD_PARTY_ARCHIVE_PACKAGES})
    set(top ${THIRD_PARTY_${package}_TOP})
    set(patterns "")
    foreach(name ${THIRD_PARTY_${package}_LICENSE_FILES})
        list(APPEND patterns ${top}/${name})
    endforeach()
    set(extracted ${LICENCE_ARCHIVES_DIR}/${package})
    file(REMOVE_RECURSE ${extracted})
    file(ARCHIVE_EXTRACT INPUT ${LAUNCHER_THIRD_PARTY_DIR}/${THIRD_PARTY_${package}_ARCHIVE}
         DESTINATION ${extracted} PATTERNS ${patterns})
    set(THIRD_PARTY_${package}_TEXTS "")
    foreach(name ${THIRD_PARTY_${package}_LICENSE_FILES})
        if(NOT EXISTS ${extracted}/${top}/${name})
            message(FATAL_ERROR "${THIRD_PARTY_${package}_ARCHIVE} holds no ${top}/${name}")
        endif()
        file(COPY ${extracted}/${top}/${name} DESTINATION ${LAUNCHER_LICENCE_DIR}/${package})
        list(APPEND THIRD_PARTY_${package}_TEXTS ${name})
    endforeach()
endforeach()

# The Debian package that installed each toolchain DLL, and its version.
foreach(package ${THIRD_PARTY_TOOLCHAIN_PACKAGES})
    set(debian_package "")
    foreach(name ${shipped_dlls_${package}})
        file(REAL_PATH ${dll_path_${name}} path)
        execute_process(COMMAND dpkg-query -S ${path} OUTPUT_VARIABLE owner_line
                        OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
        string(REGEX MATCH "^([^:, ]+)(:[^:]+)?: " unused "${owner_line}")
        if(NOT status EQUAL 0 OR NOT CMAKE_MATCH_1)
            message(FATAL_ERROR "dpkg knows no package that installed ${path}: its licence and "
                                "version cannot be told")
        endif()
        if(debian_package AND NOT debian_package STREQUAL CMAKE_MATCH_1)
            message(FATAL_ERROR
                    "${package}'s DLLs come from ${debian_package} and ${CMAKE_MATCH_1}")
        endif()
        set(debian_package ${CMAKE_MATCH_1})
    endforeach()
    set(format "${debian_package}|\${Version}|\${Architecture}|\${source:Package}|"
               "\${source:Version}")
    string(CONCAT format ${format})
    execute_process(
        COMMAND dpkg-query -W -f=${format} ${debian_package}
        OUTPUT_VARIABLE fields OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    string(REPLACE "|" ";" fields "${fields}")
    list(GET fields 0 THIRD_PARTY_${package}_DEBIAN_PACKAGE)
    list(GET fields 1 THIRD_PARTY_${package}_VERSION)
    list(GET fields 2 THIRD_PARTY_${package}_DEBIAN_ARCH)
    list(GET fields 3 THIRD_PARTY_${package}_DEBIAN_SOURCE)
    list(GET fields 4 THIRD_PARTY_${package}_DEBIAN_SOURCE_VERSION)
endforeach()

# launcher_extract_between(TEXT FIRST LAST OUT): TEXT from FIRST up to and including the next
# LAST after it, which must both be there.
function(launcher_extract_between text first last out)
    string(FIND "${text}" "${first}" begin)
    if(begin EQUAL -1)
        message(FATAL_ERROR "no '${first}' in ${copyright}")
    endif()
    string(LENGTH "${first}" first_length)
    math(EXPR after "${begin} + ${first_length}")
    string(SUBSTRING "${text}" ${after} -1 rest)
    string(FIND "${rest}" "${last}" end)
    if(end EQUAL -1)
        message(FATAL_ERROR "no '${last}' after '${first}' in ${copyright}")
    endif()
    string(LENGTH "${last}" last_length)
    math(EXPR length "${end} + ${last_length}")
    string(SUBSTRING "${rest}" 0 ${length} part)
    set(${out} "${first}${part}" PARENT_SCOPE)
endfunction()

# GCC's run-time: the plain GPL version 3 and, as its own text, the run-time library exception
# that Debian's copyright file carries in full.
set(package gcc-runtime)
set(copyright /usr/share/doc/${THIRD_PARTY_${package}_DEBIAN_PACKAGE}/copyright)
file(READ ${copyright} copyright_text)
launcher_extract_between("${copyright_text}" "GCC RUNTIME LIBRARY EXCEPTION\n"
                         "requirements of the license of GCC.\n" exception)
file(WRITE ${LAUNCHER_LICENCE_DIR}/${package}/COPYING.RUNTIME "${exception}")
file(COPY_FILE /usr/share/common-licenses/GPL-3 ${LAUNCHER_LICENCE_DIR}/${package}/COPYING3)
set(THIRD_PARTY_${package}_TEXTS COPYING3 COPYING.RUNTIME)

# winpthreads: its own entries of mingw-w64's copyright file (the tests, which do not ship,
# left out), the licences they name, and mingw-w64's default licence, under which the
# toolchain's start-up code linked into the DLL falls.
set(package winpthreads)
set(copyright /usr/share/doc/${THIRD_PARTY_${package}_DEBIAN_PACKAGE}/copyright)
file(READ ${copyright} copyright_text)
# Every paragraph ends in a blank line, the last one too.
string(APPEND copyright_text "\n\n")
launcher_extract_between("${copyright_text}" "Files: mingw-w64-libraries/winpthreads/*\n"
                         "\n\nFiles: mingw-w64-libraries/winpthreads/tests_pthread/*" entries)
string(REPLACE "\n\nFiles: mingw-w64-libraries/winpthreads/tests_pthread/*" "\n" entries
       "${entries}")
string(REGEX MATCHALL "\nLicense: [^\n]+" names "\n${entries}")
list(TRANSFORM names REPLACE "^\nLicense: " "")
list(REMOVE_DUPLICATES names)
list(SORT names)
set(licence_paragraphs "")
foreach(name ${names})
    # A licence given in full in its entry has no paragraph of its own.
    string(FIND "${copyright_text}" "\n\nLicense: ${name}\n" at)
    if(NOT at EQUAL -1)
        launcher_extract_between("${copyright_text}" "\n\nLicense: ${name}\n" "\n\n" paragraph)
        string(STRIP "${paragraph}" paragraph)
        string(APPEND licence_paragraphs "\n${paragraph}\n")
    endif()
endforeach()
launcher_extract_between("${copyright_text}" "Files: *\n" "\n\n" default_licence)
file(WRITE ${LAUNCHER_LICENCE_DIR}/${package}/COPYING
     "winpthreads, from ${copyright}\n"
     "(Debian's machine-readable copyright format: each entry names files, their copyright "
     "holders and their licence).\n\n"
     "${entries}${licence_paragraphs}\n"
     "The mingw-w64 project's licence for its files that no other entry names:\n\n"
     "${default_licence}")
set(THIRD_PARTY_${package}_TEXTS COPYING)

# launcher_notice(OUT HEADING PACKAGE): the notices' entry for PACKAGE under HEADING.
function(launcher_notice out heading package)
    if(package IN_LIST THIRD_PARTY_ARCHIVE_PACKAGES)
        set(origin "${THIRD_PARTY_${package}_PROJECT} ${THIRD_PARTY_${package}_VERSION}, "
                   "built from its release tag ${THIRD_PARTY_${package}_TAG} "
                   "(${THIRD_PARTY_${package}_REPOSITORY}, commit "
                   "${THIRD_PARTY_${package}_COMMIT})")
    else()
        set(origin "${THIRD_PARTY_${package}_PROJECT}, as the Debian package "
                   "${THIRD_PARTY_${package}_DEBIAN_PACKAGE} "
                   "${THIRD_PARTY_${package}_VERSION} installs it")
    endif()
    set(texts ${THIRD_PARTY_${package}_TEXTS})
    list(TRANSFORM texts PREPEND "licenses\\${package}\\")
    list(JOIN texts "\n             " texts)
    string(CONCAT entry "\n${heading}\n"
                        "  Package:   ${package}\n"
                        "  Origin:    ${origin}\n"
                        "  Licence:   ${THIRD_PARTY_${package}_LICENSE}\n"
                        "  Full text: ${texts}\n")
    set(${out} "${entry}" PARENT_SCOPE)
endfunction()

# THIRD-PARTY-NOTICES.txt: each DLL, its package and licence, and the texts under licenses\;
# after a DLL, each library linked into it.
string(CONCAT notices "${CPACK_PACKAGE_NAME} ${PROJECT_VERSION}: third-party software\n\n"
       "The DLLs beside ${CPACK_PACKAGE_NAME}.exe are third-party libraries, redistributed "
       "under their own licences, some with further libraries linked into them.\nThe full "
       "texts lie in the licenses folder, as listed below.\n")
set(dll_names "")
foreach(package ${packages})
    list(APPEND dll_names ${shipped_dlls_${package}})
endforeach()
list(SORT dll_names)
foreach(name ${dll_names})
    launcher_notice(entry "${name}" ${owner_of_${name}})
    string(APPEND notices "${entry}")
    foreach(package ${linked_into_${name}})
        launcher_notice(entry "${package}, linked into ${name}" ${package})
        string(APPEND notices "${entry}")
    endforeach()
endforeach()
string(REPLACE ";" "" notices "${notices}")
string(REPLACE "\n" "\r\n" notices "${notices}")
file(WRITE ${LAUNCHER_NOTICES_FILE} "${notices}")

# What the release manifest needs beyond the table itself, read after CPack made the ZIP.
string(CONCAT facts "# Written by cmake/write_licences.cmake, read by ReleaseManifest.cmake.\n"
          "set(PRODUCT_NAME \"${CPACK_PACKAGE_NAME}\")\n"
          "set(PRODUCT_VERSION \"${PROJECT_VERSION}\")\n"
          "set(PRODUCT_SOURCE_DIR \"${PROJECT_SOURCE_DIR}\")\n"
          "include(\"${LAUNCHER_THIRD_PARTY_DIR}/packages.cmake\")\n")
foreach(package ${packages})
    foreach(field TEXTS VERSION DEBIAN_PACKAGE DEBIAN_ARCH DEBIAN_SOURCE DEBIAN_SOURCE_VERSION)
        if(DEFINED THIRD_PARTY_${package}_${field})
            string(APPEND facts
                   "set(THIRD_PARTY_${package}_${field} \"${THIRD_PARTY_${package}_${field}}\")\n")
        endif()
    endforeach()
endforeach()
file(WRITE ${LAUNCHER_RELEASE_FACTS} "${facts}")
