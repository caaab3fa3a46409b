# The licence texts and notices of the DLLs the build resolved (LauncherRuntimeDlls), written by
# cmake/write_licences.cmake whenever that list changes.
#
# In: LAUNCHER_RUNTIME_DLL_LIST, CPACK_PACKAGE_NAME.
# Out: LAUNCHER_LICENCE_DIR, LAUNCHER_NOTICES_FILE, LAUNCHER_RELEASE_FACTS.
set(LAUNCHER_LICENCE_DIR ${CMAKE_BINARY_DIR}/licenses)
set(LAUNCHER_NOTICES_FILE ${CMAKE_BINARY_DIR}/THIRD-PARTY-NOTICES.txt)
set(LAUNCHER_RELEASE_FACTS ${CMAKE_BINARY_DIR}/release-facts.cmake)
add_custom_command(
    OUTPUT ${LAUNCHER_NOTICES_FILE} ${LAUNCHER_RELEASE_FACTS}
    COMMAND ${CMAKE_COMMAND}
            -DRUNTIME_DLL_LIST=${LAUNCHER_RUNTIME_DLL_LIST}
            -DLAUNCHER_THIRD_PARTY_DIR=${LAUNCHER_THIRD_PARTY_DIR}
            -DCPACK_PACKAGE_NAME=${CPACK_PACKAGE_NAME}
            -DPROJECT_VERSION=${PROJECT_VERSION}
            -DPROJECT_SOURCE_DIR=${PROJECT_SOURCE_DIR}
            -DLAUNCHER_LICENCE_DIR=${LAUNCHER_LICENCE_DIR}
            -DLAUNCHER_NOTICES_FILE=${LAUNCHER_NOTICES_FILE}
            -DLAUNCHER_RELEASE_FACTS=${LAUNCHER_RELEASE_FACTS}
            -DLICENCE_ARCHIVES_DIR=${CMAKE_BINARY_DIR}/licence-archives
            -P ${PROJECT_SOURCE_DIR}/cmake/write_licences.cmake
    DEPENDS ${LAUNCHER_RUNTIME_DLL_LIST} ${PROJECT_SOURCE_DIR}/cmake/write_licences.cmake
            ${LAUNCHER_THIRD_PARTY_DIR}/packages.cmake
    COMMENT "Writing the licences and notices of the DLLs the package ships"
    VERBATIM)
add_custom_target(licences ALL DEPENDS ${LAUNCHER_NOTICES_FILE} ${LAUNCHER_RELEASE_FACTS})
