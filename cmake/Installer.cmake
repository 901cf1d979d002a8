# The installer (MSI) for this architecture, made with wixl (msitools) where it is found.
find_program(WIXL wixl)
if(NOT WIXL)
    message(STATUS "wixl not found: no installer is made")
    return()
endif()

# wixl takes only paths relative to the .wxs file's folder, the programs' own folder; a
# multi-configuration build puts that one level deeper, whatever the configuration.
set(GLYPHMERE_ICON "${CMAKE_SOURCE_DIR}/src/ui/res/program.ico")
if(GLYPHMERE_MULTI_CONFIG)
    file(RELATIVE_PATH GLYPHMERE_SOURCE_FROM_BUILD "${CMAKE_BINARY_DIR}/configuration" "${CMAKE_SOURCE_DIR}")
else()
    file(RELATIVE_PATH GLYPHMERE_SOURCE_FROM_BUILD "${CMAKE_BINARY_DIR}" "${CMAKE_SOURCE_DIR}")
endif()
# The settings of one architecture's installer. Each registers its own ProgID under "Open
# with", so that both can be installed side by side and either removed alone.
macro(glyphmere_installer_settings arch)
    set(GLYPHMERE_INSTALLER_ARCH ${arch})
    set(GLYPHMERE_PROGID "Quillwright.Glyphmere.FontFile.${arch}")
    if(${arch} STREQUAL x64)
        set(GLYPHMERE_UPGRADE_CODE 1382FD5B-38F6-44DC-A819-774E0723B00D)
        set(GLYPHMERE_PROGRAM_FILES ProgramFiles64Folder)
        set(GLYPHMERE_WIN64 yes)
    else()
        set(GLYPHMERE_UPGRADE_CODE 3E194DB4-CA70-45B3-B1AA-9DBA84012A3B)
        set(GLYPHMERE_PROGRAM_FILES ProgramFilesFolder)
        set(GLYPHMERE_WIN64 no)
    endif()
endmacro()

# Filled in twice: the values known now, then the built files' names.
set(GLYPHMERE_EXE "$<TARGET_FILE_NAME:glyphmere>")
set(GLYPHMERE_DONATE_EXE "$<TARGET_FILE_NAME:donate>")

# Makes <name>.msi for the architecture; `target` builds it.
function(glyphmere_installer arch name target)
    glyphmere_installer_settings(${arch})
    configure_file("${CMAKE_SOURCE_DIR}/package/glyphmere.wxs.in" "${CMAKE_BINARY_DIR}/${name}.wxs.in"
                   @ONLY)
    file(GENERATE OUTPUT "${GLYPHMERE_OUTPUT_DIR}/${name}.wxs" INPUT "${CMAKE_BINARY_DIR}/${name}.wxs.in")
    set(msi "${GLYPHMERE_OUTPUT_DIR}/${name}.msi")
    add_custom_command(
        OUTPUT "${msi}"
        COMMAND "${WIXL}" -a ${arch} -o "${msi}" "${GLYPHMERE_OUTPUT_DIR}/${name}.wxs"
        DEPENDS glyphmere donate ${GLYPHMERE_DOCUMENTS} "${GLYPHMERE_ICON}"
                "${GLYPHMERE_OUTPUT_DIR}/${name}.wxs"
        WORKING_DIRECTORY "${GLYPHMERE_OUTPUT_DIR}"
        COMMENT "Making ${name}.msi"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS "${msi}")
endfunction()

# For the tests only, never shipped: the other architecture's registration around this
# build's files, to install beside the real one.
if(GLYPHMERE_ARCH STREQUAL x64)
    set(GLYPHMERE_SIBLING_ARCH x86)
else()
    set(GLYPHMERE_SIBLING_ARCH x64)
endif()
set(GLYPHMERE_SIBLING_MSI "sibling-installer-${GLYPHMERE_SIBLING_ARCH}.msi")
glyphmere_installer(${GLYPHMERE_SIBLING_ARCH} sibling-installer-${GLYPHMERE_SIBLING_ARCH}
                    sibling_installer)
glyphmere_installer_settings(${GLYPHMERE_SIBLING_ARCH})
set(GLYPHMERE_SIBLING_PROGID ${GLYPHMERE_PROGID})

glyphmere_installer(${GLYPHMERE_ARCH} ${GLYPHMERE_RELEASE_NAME} installer)
set(GLYPHMERE_MSI "${GLYPHMERE_OUTPUT_DIR}/${GLYPHMERE_RELEASE_NAME}.msi")
glyphmere_installer_settings(${GLYPHMERE_ARCH}) # this build's, for the tests
