# CPack runs this after making the ZIP (CPACK_POST_BUILD_SCRIPTS): the ZIP is rewritten with
# the entries sorted, dated the release's moment and owned by no one, so two builds of one
# commit give the same bytes.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(package MATCHES "\\.zip$")
        execute_process(COMMAND ${CPACK_LAUNCHER_PYTHON}
                                ${CMAKE_CURRENT_LIST_DIR}/reproducible_zip.py
                                ${CPACK_LAUNCHER_SOURCE_DATE_EPOCH} ${package}
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
