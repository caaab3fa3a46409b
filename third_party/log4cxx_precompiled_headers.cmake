# Included into log4cxx's own build (CMAKE_PROJECT_INCLUDE): the standard headers nearly every
# one of its sources includes, compiled once. A third off each build of it, on every target;
# the library's code and options are as released.
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL target_precompile_headers log4cxx PRIVATE
    <algorithm> <functional> <map> <memory> <mutex> <sstream> <string> <vector>)
