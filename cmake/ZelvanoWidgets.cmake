# The task pane and the hyperlink label for programs outside this tree: each a
# shared library built from the objects of its in-tree static library (which
# the program and the tests keep linking), with an export header and the
# project's version, installed with a CMake package:
#
#   cmake --install BUILD --component ZelvanoWidgets --prefix PREFIX
#
# A plain install (and the Debian package) leaves them out: users of the
# program get no headers or development files.
include(GenerateExportHeader)
include(CMakePackageConfigHelpers)

set(ZELVANO_WIDGETS_COMPONENT ZelvanoWidgets)
set(ZELVANO_WIDGETS_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/ZelvanoWidgets)
set(ZELVANO_WIDGETS_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/ZelvanoWidgets)
# Where Qt looks for form-designer plugins under the same prefix.
set(ZELVANO_DESIGNER_PLUGINDIR ${CMAKE_INSTALL_LIBDIR}/qt6/plugins/designer)

# zelvano_widget_library(STATIC NAME BASE [EMBED static...] [LINK shared...])
# Makes STATIC position-independent with hidden symbols, generates
# NAMEExport.h with the macro ZELVANO_<BASE>_EXPORT beside it, and adds the
# shared library ZelvanoNAME (ZelvanoWidgets::NAME) from STATIC's objects and
# those of the EMBED libraries, linked to the LINK libraries. The library
# exports what carries the macro and nothing else, so that its internals can
# change without a binary change for the programs that link it. Code shared
# by both controls goes into a library of its own, not into each: two copies
# of it in one process would each run the constructors and destructors of
# its globals.
function(zelvano_widget_library static name base)
    cmake_parse_arguments(W "" "" "EMBED;LINK" ${ARGN})
    set_target_properties(${static} ${W_EMBED} PROPERTIES
        POSITION_INDEPENDENT_CODE ON
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON)
    # The objects, embedded ones included, are compiled once for both: as the
    # shared library's own (exporting), and for the programs that link them
    # statically the macro is empty (on Windows it would ask for a DLL).
    foreach(target IN ITEMS ${static} ${W_EMBED})
        target_compile_definitions(${target} PRIVATE ${static}_EXPORTS
                                             INTERFACE ZELVANO_${base}_STATIC_DEFINE)
    endforeach()

    set(shared Zelvano${name})
    set(objects $<TARGET_OBJECTS:${static}>)
    set(includes ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_BINARY_DIR})
    foreach(embedded IN LISTS W_EMBED)
        list(APPEND objects $<TARGET_OBJECTS:${embedded}>)
        list(APPEND includes $<TARGET_PROPERTY:${embedded},SOURCE_DIR>)
    endforeach()
    string(TOLOWER ${name} lower)
    add_library(${shared} SHARED ${objects})
    add_library(ZelvanoWidgets::${name} ALIAS ${shared})
    set_target_properties(${shared} PROPERTIES
        AUTOMOC OFF AUTORCC OFF AUTOUIC OFF
        EXPORT_NAME ${name}
        OUTPUT_NAME zelvano-${lower}
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR}
        # Each finds the others beside it in any prefix: a program's run path
        # does not reach the libraries its libraries need.
        INSTALL_RPATH "$ORIGIN")
    # Generated for the shared library: for a static one the macros are empty.
    set_target_properties(${shared} PROPERTIES DEFINE_SYMBOL ${static}_EXPORTS)
    generate_export_header(${shared} BASE_NAME ZELVANO_${base}
                           EXPORT_FILE_NAME ${CMAKE_CURRENT_BINARY_DIR}/${name}Export.h)
    if(WIN32)
        # Only what carries the export macro; never every symbol, which the
        # linker would otherwise export from a DLL that marks none.
        target_link_options(${shared} PRIVATE LINKER:--exclude-all-symbols)
    endif()
    target_link_libraries(${shared} PUBLIC Qt6::Widgets ${W_LINK})
    target_include_directories(${shared} INTERFACE
        "$<BUILD_INTERFACE:${includes}>"
        $<INSTALL_INTERFACE:${ZELVANO_WIDGETS_INCLUDEDIR}>
        $<INSTALL_INTERFACE:${ZELVANO_WIDGETS_INCLUDEDIR}/model>)
    target_compile_features(${shared} INTERFACE cxx_std_20)
    install(TARGETS ${shared} EXPORT ZelvanoWidgetsTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
            COMPONENT ${ZELVANO_WIDGETS_COMPONENT} EXCLUDE_FROM_ALL
        # On Windows: the DLL and its import library.
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
            COMPONENT ${ZELVANO_WIDGETS_COMPONENT} EXCLUDE_FROM_ALL
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
            COMPONENT ${ZELVANO_WIDGETS_COMPONENT} EXCLUDE_FROM_ALL)
endfunction()

# zelvano_install_widget_headers([ROOM room] FILE...): headers of the installed
# libraries. A ROOM keeps the sub-folder the headers include each other by
# ("model/PaneTypes.h"); it is on the include path too, so that programs go on
# including them by their bare names.
function(zelvano_install_widget_headers)
    cmake_parse_arguments(H "" "ROOM" "" ${ARGN})
    set(destination ${ZELVANO_WIDGETS_INCLUDEDIR})
    if(H_ROOM)
        string(APPEND destination /${H_ROOM})
    endif()
    install(FILES ${H_UNPARSED_ARGUMENTS} DESTINATION ${destination}
        COMPONENT ${ZELVANO_WIDGETS_COMPONENT} EXCLUDE_FROM_ALL)
endfunction()

# The vocabulary from common/ that the controls' headers use.
zelvano_install_widget_headers(
    ${PROJECT_SOURCE_DIR}/common/ColourValue.h
    ${PROJECT_SOURCE_DIR}/common/RuntimeErrors.h
    ${PROJECT_SOURCE_DIR}/common/SystemColours.h
    ${PROJECT_BINARY_DIR}/common/CommonExport.h)

install(EXPORT ZelvanoWidgetsTargets
    NAMESPACE ZelvanoWidgets::
    DESTINATION ${ZELVANO_WIDGETS_CMAKEDIR}
    COMPONENT ${ZELVANO_WIDGETS_COMPONENT} EXCLUDE_FROM_ALL)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/ZelvanoWidgetsConfig.cmake.in
    ${CMAKE_BINARY_DIR}/ZelvanoWidgetsConfig.cmake
    INSTALL_DESTINATION ${ZELVANO_WIDGETS_CMAKEDIR})
# The interface changes with the major version only.
write_basic_package_version_file(${CMAKE_BINARY_DIR}/ZelvanoWidgetsConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/ZelvanoWidgetsConfig.cmake
              ${CMAKE_BINARY_DIR}/ZelvanoWidgetsConfigVersion.cmake
    DESTINATION ${ZELVANO_WIDGETS_CMAKEDIR}
    COMPONENT ${ZELVANO_WIDGETS_COMPONENT} EXCLUDE_FROM_ALL)
