# launcher_check_pe32(FILE SUBSYSTEM): fails unless FILE is a PE32 image for Intel 80386 and, for
# an .exe, runs in SUBSYSTEM (gui or console): a GUI program built as a console one opens a
# console window beside it, and the other way round loses its output.

# launcher_read_le(FILE OFFSET SIZE OUT): the little-endian number of SIZE bytes at OFFSET.
function(launcher_read_le file offset size out)
    file(READ "${file}" hex OFFSET ${offset} LIMIT ${size} HEX)
    set(value 0)
    math(EXPR last "${size} - 1")
    foreach(index RANGE ${last} 0 -1)
        math(EXPR at "${index} * 2")
        string(SUBSTRING "${hex}" ${at} 2 byte)
        math(EXPR value "(${value} << 8) + 0x${byte}")
    endforeach()
    set(${out} ${value} PARENT_SCOPE)
endfunction()

function(launcher_check_pe32 file subsystem)
    file(READ "${file}" mz LIMIT 2 HEX)
    if(NOT mz STREQUAL "4d5a")
        message(FATAL_ERROR "${file} is not a Windows program")
    endif()
    launcher_read_le("${file}" 60 4 header)
    file(READ "${file}" signature OFFSET ${header} LIMIT 4 HEX)
    math(EXPR machine_at "${header} + 4")
    math(EXPR magic_at "${header} + 24")
    math(EXPR subsystem_at "${header} + 92")
    launcher_read_le("${file}" ${machine_at} 2 machine)
    launcher_read_le("${file}" ${magic_at} 2 magic)
    launcher_read_le("${file}" ${subsystem_at} 2 found)
    # IMAGE_FILE_MACHINE_I386, IMAGE_NT_OPTIONAL_HDR32_MAGIC.
    if(NOT signature STREQUAL "50450000" OR NOT machine EQUAL 0x14c OR NOT magic EQUAL 0x10b)
        message(FATAL_ERROR "${file} is not PE32 for Intel 80386 (machine ${machine}, "
                            "optional header ${magic})")
    endif()
    # IMAGE_SUBSYSTEM_WINDOWS_GUI 2, _CUI 3.
    if(file MATCHES "\\.exe$")
        if(subsystem STREQUAL "gui")
            set(expected 2)
        else()
            set(expected 3)
        endif()
        if(NOT found EQUAL expected)
            message(FATAL_ERROR "${file} runs in subsystem ${found}, not ${subsystem} (${expected})")
        endif()
    endif()
endfunction()
