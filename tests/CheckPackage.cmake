# Lists the release ZIP and compares its contents with what a user must find in it.
execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${ZIP}
                OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cannot read ${ZIP}")
endif()
string(REPLACE "\n" ";" entries "${listing}")
list(FILTER entries EXCLUDE REGEX "/$|^$")
list(SORT entries)
set(expected
    "Glyphmere-3.5/Donate with PayPal.exe"
    "Glyphmere-3.5/Install Fonts.htm"
    "Glyphmere-3.5/License Agreement.rtf"
    "Glyphmere-3.5/ReadMe.txt"
    "Glyphmere-3.5/glyphmere.exe")
if(NOT entries STREQUAL expected)
    message(FATAL_ERROR "the package holds\n  ${entries}\nbut should hold\n  ${expected}")
endif()
message(STATUS "1 passed, 0 failed: the package holds the program, its documents and the read-me")
