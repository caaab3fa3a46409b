# GoogleTest for both builds. Host uses Debian's package; the Windows build compiles the
# shipped sources with the cross compiler. Tests are listed when ctest runs, so building
# never needs Wine.
include(GoogleTest)

if(WIN32)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # Only the tests run this code; optimising gtest-all alone took half a minute per build.
    foreach(library gtest gtest_main gmock gmock_main)
        target_compile_options(${library} PRIVATE $<$<CONFIG:RelWithDebInfo,Release,MinSizeRel>:-O0> -g0)
    endforeach()
else()
    find_package(GTest REQUIRED)
endif()

# Under Wine every program sees the prefix's one documents folder, whatever HOME says: tests
# that write the launcher's configuration there hold this lock, or one deletes the file
# another has just had written.
set(LAUNCHER_DOCUMENTS_FOLDER_LOCK wine_documents_folder)

# launcher_add_test(NAME source... [LIBS lib...] [WINE_DLL_OVERRIDES name=order] [ONE_AT_A_TIME]
#                   [WRITES_DOCUMENTS_FOLDER])
# ONE_AT_A_TIME: the program's tests share a file, so ctest never runs two of them at once.
# WRITES_DOCUMENTS_FOLDER: its tests write under the documents folder, which only the Windows
# build shares between tests.
function(launcher_add_test name)
    cmake_parse_arguments(arg "ONE_AT_A_TIME;WRITES_DOCUMENTS_FOLDER" "WINE_DLL_OVERRIDES" "LIBS"
                          ${ARGN})
    add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE ${arg_LIBS} test_support GTest::gtest_main GTest::gmock
                                          launcher_options)
    # Host tests see the locale and time zone of our users' machines, as the Wine runs do.
    set(environment "")
    if(NOT WIN32)
        set(environment ENVIRONMENT "LC_ALL=ja_JP.UTF-8" ENVIRONMENT_MODIFICATION "TZ=set:JST-9")
    elseif(arg_WINE_DLL_OVERRIDES)
        # Read by wine-run: a library of the test's own that must win over Wine's.
        set(environment ENVIRONMENT "LAUNCHER_WINE_DLL_OVERRIDES=${arg_WINE_DLL_OVERRIDES}")
    endif()
    # One lock at most: test discovery keeps only the first of a list. The documents folder's
    # lock also keeps the program's own tests apart.
    set(lock "")
    if(arg_WRITES_DOCUMENTS_FOLDER AND WIN32)
        set(lock RESOURCE_LOCK ${LAUNCHER_DOCUMENTS_FOLDER_LOCK})
    elseif(arg_ONE_AT_A_TIME)
        set(lock RESOURCE_LOCK ${name})
    endif()
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 120
        PROPERTIES TIMEOUT 300 ${environment} ${lock})
endfunction()
