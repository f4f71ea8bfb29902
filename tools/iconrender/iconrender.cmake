# Renders the Tabler SVGs listed in resources/icons/icons.txt into PNGs at build time and
# compiles them into a resource named "images" (Q_INIT_RESOURCE(images)).
# Included by src/gui/CMakeLists.txt; sets TQ420_ICON_RESOURCES to the generated source.
set(TQ420_ICON_MANIFEST ${CMAKE_SOURCE_DIR}/resources/icons/icons.txt)
set(TQ420_ICON_SVG_DIR ${CMAKE_SOURCE_DIR}/resources/icons)
set(TQ420_ICON_OUT_DIR ${CMAKE_CURRENT_BINARY_DIR}/icons)

add_executable(tq420-iconrender ${CMAKE_SOURCE_DIR}/tools/iconrender/main.cpp)
target_link_libraries(tq420-iconrender PRIVATE Qt5::Gui Qt5::Svg)
set_target_properties(tq420-iconrender PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TQ420_ICON_MANIFEST})
file(STRINGS ${TQ420_ICON_MANIFEST} _tq420_icon_lines REGEX "^[^#].*[^ ]")
set(_tq420_icon_pngs)
set(_tq420_icon_svgs)
set(_tq420_icon_qrc "<RCC>\n    <qresource prefix=\"/\">\n")
foreach(_line IN LISTS _tq420_icon_lines)
    string(REGEX REPLACE "[ \t]+" ";" _cols "${_line}")
    list(GET _cols 0 _resource)
    list(GET _cols 1 _svg)
    list(APPEND _tq420_icon_pngs ${TQ420_ICON_OUT_DIR}/${_resource})
    list(APPEND _tq420_icon_svgs ${TQ420_ICON_SVG_DIR}/${_svg})
    string(APPEND _tq420_icon_qrc "        <file>${_resource}</file>\n")
endforeach()
string(APPEND _tq420_icon_qrc "    </qresource>\n</RCC>\n")
file(CONFIGURE OUTPUT ${TQ420_ICON_OUT_DIR}/images.qrc CONTENT "${_tq420_icon_qrc}" @ONLY)

add_custom_command(
    OUTPUT ${_tq420_icon_pngs}
    COMMAND tq420-iconrender ${TQ420_ICON_MANIFEST} ${TQ420_ICON_SVG_DIR} ${TQ420_ICON_OUT_DIR}
    DEPENDS tq420-iconrender ${TQ420_ICON_MANIFEST} ${_tq420_icon_svgs}
    COMMENT "Rendering icons"
    VERBATIM)
qt5_add_resources(TQ420_ICON_RESOURCES ${TQ420_ICON_OUT_DIR}/images.qrc)
set_source_files_properties(${TQ420_ICON_RESOURCES} PROPERTIES SKIP_AUTOGEN ON)
