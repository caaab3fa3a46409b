# Tests of the host layer's COM, text-conversion, resource, start-up and message-box family.

# What the layer does without any embedded resources, and the parts it is built from.
launcher_add_test(platform_com_text_tests
    bstr_test.cpp
    com_apartment_test.cpp
    command_line_test.cpp
    guid_text_test.cpp
    manifest_classes_test.cpp
    message_box_test.cpp
    resource_image_test.cpp
    text_conversion_test.cpp
    thread_locale_test.cpp
    LIBS platform_host_internals
)
# A program started through platform_entry that reports what it was handed.
add_executable(platform_command_line_probe command_line_probe.cpp)
target_link_libraries(platform_command_line_probe PRIVATE platform_entry platform launcher_options)
add_dependencies(platform_com_text_tests platform_command_line_probe)
target_compile_definitions(platform_com_text_tests PRIVATE
    COMMAND_LINE_PROBE="$<TARGET_FILE:platform_command_line_probe>")

# Lookups and activation over resources of the tests' own: string tables in several
# languages and a manifest whose classes the test component libraries serve. The manifest
# and the header that names its classes are configured from one table of ids.
include(${CMAKE_CURRENT_LIST_DIR}/test_component_ids.cmake)
set(test_ids_dir ${CMAKE_CURRENT_BINARY_DIR}/test_ids)
while(test_component_ids)
    list(POP_FRONT test_component_ids name id)
    set(${name} ${id})
    launcher_guid_initializer(${name}_INITIALIZER ${id})
endwhile()
string(TOLOWER ${CLSID_TestAnswerLowerCase} CLSID_TestAnswerLowerCase_LOWER)
configure_file(test_component_ids.h.in ${test_ids_dir}/test_component_ids.h @ONLY)
configure_file(platform_test.manifest.in ${test_ids_dir}/platform_test.manifest @ONLY)
launcher_add_resources(platform_test_resources platform_test.rc
    INCLUDE_DIRECTORIES ${test_ids_dir}
    DEPENDS ${test_ids_dir}/platform_test.manifest)

# Component libraries keep the manifest's file names on the host too.
add_library(platform_test_component MODULE test_component/answer_component.cpp)
add_library(platform_test_no_export MODULE test_component/no_export_library.cpp)
foreach(component platform_test_component platform_test_no_export)
    launcher_component_library(${component}
        EXPORTS ${CMAKE_CURRENT_LIST_DIR}/test_component/exports.map)
    target_include_directories(${component} PRIVATE ${test_ids_dir})
    target_link_libraries(${component} PRIVATE platform launcher_options)
endforeach()

launcher_add_test(platform_resource_tests
    com_activation_test.cpp
    resource_lookup_test.cpp
    LIBS platform platform_test_resources ${CMAKE_DL_LIBS}
)
add_dependencies(platform_resource_tests platform_test_component platform_test_no_export)
target_include_directories(platform_resource_tests PRIVATE ${test_ids_dir})
target_compile_definitions(platform_resource_tests PRIVATE
    TEST_COMPONENT_FILE="$<TARGET_FILE:platform_test_component>")

# The launcher's own string table and manifest, as the build embeds them.
find_package(pugixml REQUIRED)
launcher_add_test(platform_launcher_resources_tests
    launcher_resources_test.cpp
    LIBS platform_host_internals launcher_contract launcher_resources pugixml::pugixml
)
target_compile_definitions(platform_launcher_resources_tests PRIVATE
    "LAUNCHER_APPRUN_LIBRARY=\"${LAUNCHER_APPRUN_LIBRARY}\"")
