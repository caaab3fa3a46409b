# cmake -DFILE=<program> -DSUBSYSTEM=<gui|console> -P check_pe32.cmake: the build's own check
# of one program (cmake/pe_header.cmake), for the tests that hold it to its verdicts.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/pe_header.cmake)
launcher_check_pe32("${FILE}" ${SUBSYSTEM})
message(STATUS "${FILE}: PE32, Intel 80386, ${SUBSYSTEM}")
