# Prints the name, without extension, of the package a CPack config makes, as CPack reads it:
#   cmake -DCONFIG=<build>/CPackConfig.cmake -P package_file_name.cmake
# For the scripts that pick up what CPack made (scripts/test, scripts/check-reproducible).
include(${CONFIG})
if(NOT CPACK_PACKAGE_FILE_NAME)
    message(FATAL_ERROR "${CONFIG} names no CPACK_PACKAGE_FILE_NAME")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E echo ${CPACK_PACKAGE_FILE_NAME})
