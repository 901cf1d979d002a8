# A library that Windows does not count among its known ones is looked for beside the
# program first when the exe imports it: a download folder could hold one of that name.
# Delay-loaded, it is loaded by its first call instead, after wWinMain has limited the
# search to the system folder. Named with the functions the program takes from it and,
# for the 32-bit linker's sake, their argument bytes; a function missing from the list
# fails the link.
function(glyphmere_delay_load target library)
    set(functions ${ARGN})
    if(MSVC)
        target_link_libraries(${target} PRIVATE ${library} delayimp)
        target_link_options(${target} PRIVATE /DELAYLOAD:${library}.dll)
    elseif(MINGW AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        # libmingwex brings the loader that __delayLoadHelper2 needs; dlltool writes the
        # import library that calls it.
        if(CMAKE_SIZEOF_VOID_P EQUAL 8)
            list(TRANSFORM functions REPLACE "@[0-9]+$" "")
        else()
            # The 32-bit ld drops an import stub that no code calls by name, yet the delay
            # table starts from it: each is named as wanted.
            list(TRANSFORM functions PREPEND "LINKER:-u,_" OUTPUT_VARIABLE stubs)
            target_link_options(${target} PRIVATE ${stubs})
        endif()
        list(JOIN functions "\n" exports)
        set(def "${CMAKE_BINARY_DIR}/delayed/${library}.def")
        set(imports "${CMAKE_BINARY_DIR}/delayed/lib${library}-delayed.a")
        file(CONFIGURE OUTPUT "${def}" CONTENT "LIBRARY ${library}.dll\nEXPORTS\n${exports}\n")
        add_custom_command(
            OUTPUT "${imports}"
            COMMAND ${CMAKE_DLLTOOL} --kill-at --input-def "${def}" --output-delaylib "${imports}"
            DEPENDS "${def}"
            COMMENT "Delay-loading ${library}.dll"
            VERBATIM)
        add_custom_target(${library}_delayed DEPENDS "${imports}")
        add_dependencies(${target} ${library}_delayed)
        target_link_libraries(${target} PRIVATE "${imports}")
    else()
        # The clang build, a second compiler's check that is never shipped, imports them:
        # lld does not run the delay-load import libraries that GNU dlltool writes (measured:
        # the program never showed its window).
        target_link_libraries(${target} PRIVATE ${library})
    endif()
endfunction()
