cmake_minimum_required(VERSION 3.25)
# Builds the component kit's example as a vendor does, from the unpacked kit alone, puts it
# beside the launcher of the unpacked product under the name the manifest declares, runs the
# launcher under a Wine runner and finds the example's own record in the log file.
#
#   cmake -DSDK_PACKAGE=<sdk zip> -DSDK_TOP_FOLDER=<its folder>
#         -DPRODUCT_PACKAGE=<product zip> -DPRODUCT_TOP_FOLDER=<its folder>
#         -DCOMPONENT_NAME=<the manifest's AppRun library> -DWINE_RUN=<wine-run>
#         -DWINE_PREFIX=<prefix> -DFOREIGN_PATHS=<paths the example build must not reach, |-separated>
#         -P build_sdk_example.cmake

foreach(variable SDK_PACKAGE SDK_TOP_FOLDER PRODUCT_PACKAGE PRODUCT_TOP_FOLDER COMPONENT_NAME
                 WINE_RUN WINE_PREFIX FOREIGN_PATHS)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "${variable} not given")
    endif()
endforeach()
foreach(package "${SDK_PACKAGE}" "${PRODUCT_PACKAGE}")
    if(NOT EXISTS "${package}")
        message(FATAL_ERROR "no package ${package}")
    endif()
endforeach()

# A Unix path as Wine's drive Z: shows it.
function(wine_path unix_path out)
    string(REPLACE "/" "\\" path "${unix_path}")
    set(${out} "Z:${path}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND mktemp -d /tmp/nvlink-sdk-XXXXXX
                OUTPUT_VARIABLE scratch OUTPUT_STRIP_TRAILING_WHITESPACE)
file(MAKE_DIRECTORY "${scratch}/kit" "${scratch}/product")
file(ARCHIVE_EXTRACT INPUT "${SDK_PACKAGE}" DESTINATION "${scratch}/kit")
file(ARCHIVE_EXTRACT INPUT "${PRODUCT_PACKAGE}" DESTINATION "${scratch}/product")
set(kit "${scratch}/kit/${SDK_TOP_FOLDER}")
set(product "${scratch}/product/${PRODUCT_TOP_FOLDER}")

# One top folder, holding what a vendor is promised, and not what only the project needs.
file(GLOB top_entries RELATIVE "${scratch}/kit" "${scratch}/kit/*")
if(NOT top_entries STREQUAL SDK_TOP_FOLDER)
    message(FATAL_ERROR "the kit's top level holds [${top_entries}], not ${SDK_TOP_FOLDER}")
endif()
file(GLOB_RECURSE kit_files RELATIVE "${kit}" "${kit}/*")
foreach(name include/launcher/app_run_interface.h include/log4cxx/logger.h
             lib/liblog4cxx.dll.a lib/cmake/NvLinkLauncherSdk/NvLinkLauncherSdkConfig.cmake
             lib/cmake/NvLinkLauncherSdk/NvLinkLauncherSdkConfigVersion.cmake
             cmake/toolchain-mingw-i686.cmake TOOLCHAIN.txt example/CMakeLists.txt
             licenses/log4cxx/LICENSE licenses/log4cxx/NOTICE)
    if(NOT name IN_LIST kit_files)
        message(FATAL_ERROR "the kit holds no ${name}: [${kit_files}]")
    endif()
endforeach()
foreach(name IN LISTS kit_files)
    if(name MATCHES "^include/(platform|log4cxx/private)/|\\.dll$")
        message(FATAL_ERROR "the kit holds ${name}, which is not for vendors")
    endif()
endforeach()

# The kit's package refuses log4cxx to a compiler whose C++ run-time is not the product's:
# here the build machine's own.
execute_process(
    COMMAND ${CMAKE_COMMAND} -S "${kit}/example" -B "${scratch}/native-build" -G Ninja
            "-DNvLinkLauncherSdk_PRODUCT_DIR=${product}"
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(status EQUAL 0 OR NOT output MATCHES "needs the product's C\\+\\+ run-time")
    message(FATAL_ERROR "the kit's package took the native compiler (${status}):\n${output}")
endif()

# The example, configured and built from the kit alone with the kit's toolchain file.
set(build "${scratch}/example-build")
execute_process(
    COMMAND ${CMAKE_COMMAND} -S "${kit}/example" -B "${build}" -G Ninja
            -DCMAKE_BUILD_TYPE=Release
            "-DCMAKE_TOOLCHAIN_FILE=${kit}/cmake/toolchain-mingw-i686.cmake"
            "-DNvLinkLauncherSdk_PRODUCT_DIR=${product}"
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "configuring the kit's example failed:\n${output}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build "${build}"
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "building the kit's example failed:\n${output}")
endif()
# Not a build that found its way back into the project: no path of it in the build's rules.
file(READ "${build}/build.ninja" rules)
file(READ "${build}/CMakeCache.txt" cache)
string(REPLACE "|" ";" foreign_paths "${FOREIGN_PATHS}")
foreach(path IN LISTS foreign_paths)
    string(FIND "${rules}${cache}" "${path}" at)
    if(NOT at EQUAL -1)
        message(FATAL_ERROR "the example's build reaches ${path}")
    endif()
endforeach()
if(NOT EXISTS "${build}/${COMPONENT_NAME}")
    message(FATAL_ERROR "the example built no ${COMPONENT_NAME}")
endif()
file(COPY "${build}/${COMPONENT_NAME}" DESTINATION "${product}")

# Today's log file in the launcher's time zone (wine-run's), found afresh.
set(ENV{TZ} JST-9)
string(TIMESTAMP today "%Y%m%d")
set(log_root "${WINE_PREFIX}/drive_c/users/*/Documents/Norvale/SystemLog")
set(log_file_pattern "${log_root}/NvLinkLauncher/NvLinkLauncher.1.0.0Log_${today}.txt")
file(GLOB old_files "${log_root}/NvLinkLauncher.ini" "${log_file_pattern}")
if(old_files)
    file(REMOVE ${old_files})
endif()

wine_path("${product}/NvLinkLauncher.exe" program)
execute_process(COMMAND "${WINE_RUN}" "${program}" RESULT_VARIABLE exit_code)
# -1 (255 here) would be the launcher's: AppRun could not be created.
if(NOT exit_code STREQUAL "0")
    message(FATAL_ERROR "the launcher with the example component exited with ${exit_code}, not 0")
endif()
file(GLOB log_files "${log_file_pattern}")
set(log_text "")
if(log_files)
    file(READ "${log_files}" log_text)
endif()
string(FIND "${log_text}" "Example component ran: show command 10" at)
if(at EQUAL -1)
    message(FATAL_ERROR "no record of the example component in [${log_files}]: [${log_text}]")
endif()

file(REMOVE_RECURSE "${scratch}")
message(STATUS "${SDK_PACKAGE}: the example built from the kit alone ran and logged")
