# The installer (MSI) for this architecture, made with wixl (msitools) where it is found.
find_program(WIXL wixl)
if(NOT WIXL)
    message(STATUS "wixl not found: no installer is made")
    return()
endif()

if(GLYPHMERE_ARCH STREQUAL x64)
    set(GLYPHMERE_UPGRADE_CODE 1382FD5B-38F6-44DC-A819-774E0723B00D)
    set(GLYPHMERE_PROGRAM_FILES ProgramFiles64Folder)
    set(GLYPHMERE_WIN64 yes)
else()
    set(GLYPHMERE_UPGRADE_CODE 3E194DB4-CA70-45B3-B1AA-9DBA84012A3B)
    set(GLYPHMERE_PROGRAM_FILES ProgramFilesFolder)
    set(GLYPHMERE_WIN64 no)
endif()
# wixl takes only paths relative to the .wxs file's folder, the programs' own folder; a
# multi-configuration build puts that one level deeper, whatever the configuration.
set(GLYPHMERE_ICON "${CMAKE_SOURCE_DIR}/src/ui/res/program.ico")
if(GLYPHMERE_MULTI_CONFIG)
    file(RELATIVE_PATH GLYPHMERE_SOURCE_FROM_BUILD "${CMAKE_BINARY_DIR}/configuration" "${CMAKE_SOURCE_DIR}")
else()
    file(RELATIVE_PATH GLYPHMERE_SOURCE_FROM_BUILD "${CMAKE_BINARY_DIR}" "${CMAKE_SOURCE_DIR}")
endif()
# Filled in twice: the values known now, then the built files' names.
set(GLYPHMERE_EXE "$<TARGET_FILE_NAME:glyphmere>")
set(GLYPHMERE_DONATE_EXE "$<TARGET_FILE_NAME:donate>")
configure_file("${CMAKE_SOURCE_DIR}/package/glyphmere.wxs.in" "${CMAKE_BINARY_DIR}/glyphmere.wxs.in"
               @ONLY)
file(GENERATE OUTPUT "${GLYPHMERE_OUTPUT_DIR}/glyphmere.wxs" INPUT "${CMAKE_BINARY_DIR}/glyphmere.wxs.in")

set(GLYPHMERE_MSI "${GLYPHMERE_OUTPUT_DIR}/${GLYPHMERE_RELEASE_NAME}.msi")
add_custom_command(
    OUTPUT "${GLYPHMERE_MSI}"
    COMMAND "${WIXL}" -a ${GLYPHMERE_ARCH} -o "${GLYPHMERE_MSI}" "${GLYPHMERE_OUTPUT_DIR}/glyphmere.wxs"
    DEPENDS glyphmere donate ${GLYPHMERE_DOCUMENTS} "${GLYPHMERE_ICON}"
            "${GLYPHMERE_OUTPUT_DIR}/glyphmere.wxs"
    WORKING_DIRECTORY "${GLYPHMERE_OUTPUT_DIR}"
    COMMENT "Making ${GLYPHMERE_RELEASE_NAME}.msi"
    VERBATIM)
add_custom_target(installer ALL DEPENDS "${GLYPHMERE_MSI}")
