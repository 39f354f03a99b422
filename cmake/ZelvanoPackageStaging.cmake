# Run by cpack for the Windows packages once the files are staged and before
# the package is made (CPACK_PRE_BUILD_SCRIPTS). The packages must not depend
# on the order in which the file system lists a folder, nor on when the files
# were built:
# - with SOURCE_DATE_EPOCH set, every staged file and folder takes that time,
#   which the zip and the installer store;
# - the installer installs and removes its files in the order of their names:
#   zelvano-files.nsh beside the staged folder holds the two lists, which
#   NSIS.template.in includes in place of CPack's own, listed as found.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${CPACK_TEMPORARY_DIRECTORY}
     ${CPACK_TEMPORARY_DIRECTORY}/*)
file(GLOB_RECURSE folders LIST_DIRECTORIES true RELATIVE ${CPACK_TEMPORARY_DIRECTORY}
     ${CPACK_TEMPORARY_DIRECTORY}/*)
list(REMOVE_ITEM folders ${files})
list(SORT files)
list(SORT folders)

if("$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
    execute_process(COMMAND touch --no-dereference --date=@$ENV{SOURCE_DATE_EPOCH}
                            ${CPACK_TEMPORARY_DIRECTORY} ${files} ${folders}
                    WORKING_DIRECTORY ${CPACK_TEMPORARY_DIRECTORY}
                    COMMAND_ERROR_IS_FATAL ANY)
endif()

if(NOT CPACK_GENERATOR STREQUAL "NSIS")
    return()
endif()
set(install "!macro ZELVANO_INSTALL_FILES\n")
set(remove "!macro ZELVANO_DELETE_FILES\n")
set(current_folder "-")
foreach(file IN LISTS files)
    cmake_path(GET file PARENT_PATH folder)
    string(REPLACE "/" "\\" windows_file "${file}")
    if(NOT folder STREQUAL current_folder)
        string(REPLACE "/" "\\" windows_folder "\\${folder}")
        if(folder STREQUAL "")
            set(windows_folder "")
        endif()
        string(APPEND install "  SetOutPath \"$INSTDIR${windows_folder}\"\n")
        set(current_folder "${folder}")
    endif()
    string(APPEND install "  File \"\${INST_DIR}\\${windows_file}\"\n")
    string(APPEND remove "  Delete \"$INSTDIR\\${windows_file}\"\n")
endforeach()
string(APPEND install "  SetOutPath \"$INSTDIR\"\n")
# The deepest folders first, each only once it is empty.
list(REVERSE folders)
foreach(folder IN LISTS folders)
    string(REPLACE "/" "\\" windows_folder "${folder}")
    string(APPEND remove "  RMDir \"$INSTDIR\\${windows_folder}\"\n")
endforeach()
file(WRITE ${CPACK_TOPLEVEL_DIRECTORY}/zelvano-files.nsh
     "${install}!macroend\n\n${remove}!macroend\n")
