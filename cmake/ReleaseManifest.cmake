# Writes, beside the release ZIP, what identifies it: SHA256SUMS (the ZIP, every file in it and
# the SBOM) and <zip name>.spdx.json, an SPDX 2.3 document listing every file with its hashes,
# package, version, licence and origin. The files are read from the ZIP itself, so what is
# listed is what ships. CPack runs this once it has made the ZIP (CPACK_POST_BUILD_SCRIPTS);
# by hand:
#
#   cmake -DZIP=<zip> -DFACTS=<build>/release-facts.cmake [-DOUTPUT_DIR=<folder>]
#         -P cmake/ReleaseManifest.cmake
#
# The document is the same for the same ZIP: sorted throughout, and its creation time is
# SOURCE_DATE_EPOCH when set, else the time of the source tree's last commit.
cmake_minimum_required(VERSION 3.25)

if(DEFINED CPACK_PACKAGE_FILES)
    # CPack calls this before it copies the ZIP from its staging folder to where it goes.
    list(FILTER CPACK_PACKAGE_FILES INCLUDE REGEX "\\.zip$")
    set(ZIP ${CPACK_PACKAGE_FILES})
    set(FACTS ${CPACK_LAUNCHER_RELEASE_FACTS})
    set(OUTPUT_DIR ${CPACK_PACKAGE_DIRECTORY})
endif()
foreach(variable ZIP FACTS)
    if(NOT DEFINED ${variable} OR "${${variable}}" STREQUAL "")
        message(FATAL_ERROR "${variable} not given")
    endif()
endforeach()
list(LENGTH ZIP zip_count)
if(NOT zip_count EQUAL 1)
    message(FATAL_ERROR "one ZIP expected, not [${ZIP}]")
endif()
if(NOT DEFINED OUTPUT_DIR OR OUTPUT_DIR STREQUAL "")
    cmake_path(GET ZIP PARENT_PATH OUTPUT_DIR)
endif()
include(${FACTS})

cmake_path(GET ZIP FILENAME zip_name)
string(REGEX REPLACE "\\.zip$" "" release_name "${zip_name}")
file(SHA256 ${ZIP} zip_sha256)

# json_string(OUT TEXT...): the TEXTs, joined, as a JSON string, quotes included.
function(json_string out)
    list(JOIN ARGN "" text)
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\\\"" text "${text}")
    string(REPLACE "\n" "\\n" text "${text}")
    string(REPLACE "\t" "\\t" text "${text}")
    set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

# spdx_id(OUT KIND NAME): an SPDX element id, which allows letters, digits, '.' and '-' only.
function(spdx_id out kind name)
    string(REGEX REPLACE "[^A-Za-z0-9.-]" "-" name "${name}")
    set(${out} "SPDXRef-${kind}-${name}" PARENT_SCOPE)
endfunction()

# The files as they ship, from a fresh unpack.
string(SHA256 scratch_key "${ZIP}")
set(scratch ${OUTPUT_DIR}/.release-manifest-${scratch_key})
file(REMOVE_RECURSE ${scratch})
file(ARCHIVE_EXTRACT INPUT ${ZIP} DESTINATION ${scratch})
file(GLOB_RECURSE files RELATIVE ${scratch} ${scratch}/*)
list(SORT files)

# Each file's package: a licence text that of its folder under licenses/, a DLL the one the table
# names, anything else the product's own. A DLL also contains the packages linked into it.
set(packages ${THIRD_PARTY_ARCHIVE_PACKAGES} ${THIRD_PARTY_TOOLCHAIN_PACKAGES})
set(sums "${zip_sha256}  ${zip_name}\n")
set(file_entries "")
set(relationships "")
set(used_ids "")
set(linked_packages "")
foreach(file ${files})
    # The path below the ZIP's one top folder.
    string(FIND "${file}" "/" slash)
    math(EXPR after "${slash} + 1")
    string(SUBSTRING "${file}" ${after} -1 inside)
    set(owner product)
    if(inside MATCHES "^licenses/([^/]+)/")
        set(owner ${CMAKE_MATCH_1})
        if(NOT owner IN_LIST packages)
            message(FATAL_ERROR "${file}: licenses/${owner} is no package of the table")
        endif()
    elseif(inside MATCHES "\\.dll$")
        cmake_path(GET inside FILENAME name)
        foreach(package ${packages})
            if(name IN_LIST THIRD_PARTY_${package}_DLLS)
                set(owner ${package})
            endif()
        endforeach()
        if(owner STREQUAL "product")
            message(FATAL_ERROR "${file} ships, but no package of the table names it")
        endif()
    endif()
    file(SHA256 ${scratch}/${file} sha256)
    file(SHA1 ${scratch}/${file} sha1)
    string(APPEND sums "${sha256}  ${file}\n")

    spdx_id(file_id File "${inside}")
    if(file_id IN_LIST used_ids)
        message(FATAL_ERROR "two files make the SPDX id ${file_id}")
    endif()
    list(APPEND used_ids ${file_id})
    if(owner STREQUAL "product")
        set(licence NOASSERTION)
        spdx_id(package_id Package ${PRODUCT_NAME})
    else()
        set(licence ${THIRD_PARTY_${owner}_LICENSE})
        spdx_id(package_id Package ${owner})
    endif()
    json_string(name_json "./${file}")
    json_string(licence_json "${licence}")
    string(APPEND file_entries
           "    {\n"
           "      \"SPDXID\": \"${file_id}\",\n"
           "      \"checksums\": [\n"
           "        {\"algorithm\": \"SHA1\", \"checksumValue\": \"${sha1}\"},\n"
           "        {\"algorithm\": \"SHA256\", \"checksumValue\": \"${sha256}\"}\n"
           "      ],\n"
           "      \"copyrightText\": \"NOASSERTION\",\n"
           "      \"fileName\": ${name_json},\n"
           "      \"licenseConcluded\": ${licence_json}\n"
           "    },\n")
    string(APPEND relationships
           "${package_id}|CONTAINS|${file_id}\n")
    # The libraries linked into a DLL: that file contains their packages.
    if(inside MATCHES "\\.dll$")
        foreach(package ${packages})
            if(name STREQUAL "${THIRD_PARTY_${package}_LINKED_INTO}")
                spdx_id(linked_id Package ${package})
                string(APPEND relationships "${file_id}|CONTAINS|${linked_id}\n")
                list(APPEND linked_packages ${package})
            endif()
        endforeach()
    endif()
endforeach()
foreach(package ${packages})
    if(THIRD_PARTY_${package}_LINKED_INTO AND NOT package IN_LIST linked_packages)
        message(FATAL_ERROR "${package} is linked into ${THIRD_PARTY_${package}_LINKED_INTO}, "
                            "which the ZIP does not hold")
    endif()
endforeach()
file(REMOVE_RECURSE ${scratch})

# The packages: the product, as the ZIP; the archives of third_party/; the toolchain's Debian
# packages.
spdx_id(product_id Package ${PRODUCT_NAME})
set(package_entries "")
json_string(product_name_json "${PRODUCT_NAME}")
json_string(product_version_json "${PRODUCT_VERSION}")
string(APPEND package_entries
       "    {\n"
       "      \"SPDXID\": \"${product_id}\",\n"
       "      \"checksums\": [{\"algorithm\": \"SHA256\", \"checksumValue\": \"${zip_sha256}\"}],\n"
       "      \"copyrightText\": \"NOASSERTION\",\n"
       "      \"downloadLocation\": \"NOASSERTION\",\n"
       "      \"filesAnalyzed\": false,\n"
       "      \"licenseConcluded\": \"NOASSERTION\",\n"
       "      \"licenseDeclared\": \"NOASSERTION\",\n"
       "      \"name\": ${product_name_json},\n"
       "      \"packageFileName\": \"${zip_name}\",\n"
       "      \"primaryPackagePurpose\": \"APPLICATION\",\n"
       "      \"versionInfo\": ${product_version_json}\n"
       "    },\n")
string(APPEND relationships "SPDXRef-DOCUMENT|DESCRIBES|${product_id}\n")
foreach(package ${packages})
    spdx_id(package_id Package ${package})
    string(APPEND relationships "${product_id}|DEPENDS_ON|${package_id}\n")
    json_string(licence_json "${THIRD_PARTY_${package}_LICENSE}")
    json_string(version_json "${THIRD_PARTY_${package}_VERSION}")
    if(package IN_LIST THIRD_PARTY_ARCHIVE_PACKAGES)
        json_string(summary_json "${THIRD_PARTY_${package}_PROJECT}")
        json_string(source_json
            "git archive of tag ${THIRD_PARTY_${package}_TAG}, commit "
            "${THIRD_PARTY_${package}_COMMIT}, as third_party/${THIRD_PARTY_${package}_ARCHIVE}")
        set(location "git+${THIRD_PARTY_${package}_REPOSITORY}@${THIRD_PARTY_${package}_COMMIT}")
        json_string(location_json "${location}")
        string(APPEND package_entries
               "    {\n"
               "      \"SPDXID\": \"${package_id}\",\n"
               "      \"checksums\": [{\"algorithm\": \"SHA256\", \"checksumValue\": "
               "\"${THIRD_PARTY_${package}_SHA256}\"}],\n"
               "      \"copyrightText\": \"NOASSERTION\",\n"
               "      \"downloadLocation\": ${location_json},\n"
               "      \"filesAnalyzed\": false,\n"
               "      \"licenseConcluded\": ${licence_json},\n"
               "      \"licenseDeclared\": ${licence_json},\n"
               "      \"name\": \"${package}\",\n"
               "      \"packageFileName\": \"${THIRD_PARTY_${package}_ARCHIVE}\",\n"
               "      \"primaryPackagePurpose\": \"LIBRARY\",\n"
               "      \"sourceInfo\": ${source_json},\n"
               "      \"summary\": ${summary_json},\n"
               "      \"versionInfo\": ${version_json}\n"
               "    },\n")
    else()
        json_string(summary_json "${THIRD_PARTY_${package}_PROJECT}")
        json_string(source_json
            "Debian package ${THIRD_PARTY_${package}_DEBIAN_PACKAGE} "
            "${THIRD_PARTY_${package}_VERSION} (${THIRD_PARTY_${package}_DEBIAN_ARCH}), built "
            "from Debian source package ${THIRD_PARTY_${package}_DEBIAN_SOURCE} "
            "${THIRD_PARTY_${package}_DEBIAN_SOURCE_VERSION}")
        # A version in a package URL escapes '+'.
        string(REPLACE "+" "%2B" purl_version "${THIRD_PARTY_${package}_VERSION}")
        set(purl "pkg:deb/debian/${THIRD_PARTY_${package}_DEBIAN_PACKAGE}@${purl_version}"
                 "?arch=${THIRD_PARTY_${package}_DEBIAN_ARCH}")
        string(REPLACE ";" "" purl "${purl}")
        string(APPEND package_entries
               "    {\n"
               "      \"SPDXID\": \"${package_id}\",\n"
               "      \"copyrightText\": \"NOASSERTION\",\n"
               "      \"downloadLocation\": \"NOASSERTION\",\n"
               "      \"externalRefs\": [{\"referenceCategory\": \"PACKAGE-MANAGER\", "
               "\"referenceLocator\": \"${purl}\", \"referenceType\": \"purl\"}],\n"
               "      \"filesAnalyzed\": false,\n"
               "      \"licenseConcluded\": ${licence_json},\n"
               "      \"licenseDeclared\": ${licence_json},\n"
               "      \"name\": \"${package}\",\n"
               "      \"primaryPackagePurpose\": \"LIBRARY\",\n"
               "      \"sourceInfo\": ${source_json},\n"
               "      \"summary\": ${summary_json},\n"
               "      \"versionInfo\": ${version_json}\n"
               "    },\n")
    endif()
endforeach()

# Relationships, sorted, as JSON.
string(REGEX REPLACE "\n$" "" relationships "${relationships}")
string(REPLACE "\n" ";" relationships "${relationships}")
list(SORT relationships)
set(relationship_entries "")
foreach(relationship ${relationships})
    string(REPLACE "|" ";" parts "${relationship}")
    list(GET parts 0 from)
    list(GET parts 1 type)
    list(GET parts 2 to)
    string(APPEND relationship_entries
           "    {\"relatedSpdxElement\": \"${to}\", \"relationshipType\": \"${type}\", "
           "\"spdxElementId\": \"${from}\"},\n")
endforeach()
foreach(entries file_entries package_entries relationship_entries)
    string(REGEX REPLACE ",\n$" "\n" ${entries} "${${entries}}")
endforeach()

# The creation time: the release's own, never the clock's.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH} OR "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
    execute_process(COMMAND git -C ${PRODUCT_SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE status ERROR_QUIET)
    if(NOT status EQUAL 0 OR NOT commit_time MATCHES "^[0-9]+$")
        message(FATAL_ERROR "No SOURCE_DATE_EPOCH and no commit time in ${PRODUCT_SOURCE_DIR}: "
                            "the SBOM would carry the clock's time")
    endif()
    # string(TIMESTAMP) reads the variable; CPack runs on after this script.
    set(ENV{SOURCE_DATE_EPOCH} ${commit_time})
    string(TIMESTAMP created "%Y-%m-%dT%H:%M:%SZ" UTC)
    unset(ENV{SOURCE_DATE_EPOCH})
else()
    string(TIMESTAMP created "%Y-%m-%dT%H:%M:%SZ" UTC)
endif()

json_string(release_json "${release_name}")
string(CONCAT document
    "{\n"
    "  \"SPDXID\": \"SPDXRef-DOCUMENT\",\n"
    "  \"creationInfo\": {\n"
    "    \"created\": \"${created}\",\n"
    "    \"creators\": [\"Organization: Norvale\", \"Tool: cmake-${CMAKE_VERSION}\"]\n"
    "  },\n"
    "  \"dataLicense\": \"CC0-1.0\",\n"
    "  \"documentNamespace\": \"https://spdx.org/spdxdocs/${release_name}-${zip_sha256}\",\n"
    "  \"files\": [\n${file_entries}  ],\n"
    "  \"name\": ${release_json},\n"
    "  \"packages\": [\n${package_entries}  ],\n"
    "  \"relationships\": [\n${relationship_entries}  ],\n"
    "  \"spdxVersion\": \"SPDX-2.3\"\n"
    "}\n")
# The document must at least parse.
string(JSON unused ERROR_VARIABLE json_error GET "${document}" spdxVersion)
if(json_error)
    message(FATAL_ERROR "the SPDX document does not parse: ${json_error}")
endif()

set(spdx_document ${OUTPUT_DIR}/${release_name}.spdx.json)
file(WRITE ${spdx_document} "${document}")
file(SHA256 ${spdx_document} spdx_sha256)
string(APPEND sums "${spdx_sha256}  ${release_name}.spdx.json\n")
file(WRITE ${OUTPUT_DIR}/SHA256SUMS "${sums}")
message(STATUS "Release manifest: ${OUTPUT_DIR}/SHA256SUMS, ${spdx_document}")
