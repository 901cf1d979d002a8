# Unpacks the release ZIP into UNPACKED and checks what a user finds there: the program,
# its documents and the read-me, with both exes built for the ZIP's architecture.
# -DZIP=... -DNAME=<top folder> -DMACHINE=<PE machine, hex> -DUNPACKED=<folder>
file(REMOVE_RECURSE "${UNPACKED}")
file(MAKE_DIRECTORY "${UNPACKED}")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf "${ZIP}" WORKING_DIRECTORY "${UNPACKED}"
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cannot unpack ${ZIP}")
endif()
file(GLOB_RECURSE entries RELATIVE "${UNPACKED}" "${UNPACKED}/*")
list(SORT entries)
set(expected
    "${NAME}/Donate with PayPal.exe"
    "${NAME}/Install Fonts.htm"
    "${NAME}/License Agreement.rtf"
    "${NAME}/ReadMe.txt"
    "${NAME}/glyphmere.exe")
if(NOT entries STREQUAL expected)
    message(FATAL_ERROR "the package holds\n  ${entries}\nbut should hold\n  ${expected}")
endif()

# The machine field follows the "PE\0\0" signature, whose offset is at 0x3C.
function(pe_machine exe out)
    file(READ "${exe}" offset OFFSET 60 LIMIT 4 HEX)
    string(REGEX REPLACE "(..)(..)(..)(..)" "0x\\4\\3\\2\\1" offset "${offset}")
    math(EXPR offset "${offset}")
    file(READ "${exe}" header OFFSET ${offset} LIMIT 6 HEX)
    string(REGEX REPLACE "^50450000(..)(..)$" "\\2\\1" machine "${header}")
    set(${out} "${machine}" PARENT_SCOPE)
endfunction()
foreach(exe glyphmere.exe "Donate with PayPal.exe")
    pe_machine("${UNPACKED}/${NAME}/${exe}" machine)
    if(NOT machine STREQUAL "${MACHINE}")
        message(FATAL_ERROR "${exe} is built for machine ${machine}, not ${MACHINE}")
    endif()
endforeach()
message(STATUS "passed: ${NAME}.zip holds the program, its documents and the read-me, "
               "both exes for machine ${MACHINE}")
