# The pictures are drawn from their SVG sources at build time, at an ordinary screen's density
# and at twice it (name@2x), the icon at the sizes title and task bars ask for, as the very
# pixels a window paints: nothing to decode. The game writes nothing to draw faster next time.
qt_add_executable(vatro_render_pictures app/renderpictures.cpp)
target_link_libraries(vatro_render_pictures PRIVATE Qt6::Gui Qt6::Svg vatro_warnings)
set(VATRO_DRAWN_DIR ${CMAKE_CURRENT_BINARY_DIR}/pictures)
file(MAKE_DIRECTORY ${VATRO_DRAWN_DIR})
set(VATRO_DRAWN_FILES)
function(vatro_render_picture name) # then pairs: drawing name, WIDTHxHEIGHT
    set(outputs)
    set(arguments)
    set(rest ${ARGN})
    while(rest)
        list(POP_FRONT rest drawing size)
        list(APPEND outputs ${VATRO_DRAWN_DIR}/${drawing}.pixels)
        list(APPEND arguments ${VATRO_DRAWN_DIR}/${drawing}.pixels ${size})
    endwhile()
    add_custom_command(OUTPUT ${outputs}
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 TSAN_OPTIONS=report_bugs=0
            $<TARGET_FILE:vatro_render_pictures> ${CMAKE_CURRENT_SOURCE_DIR}/assets/${name}.svg
            ${arguments}
        DEPENDS vatro_render_pictures ${CMAKE_CURRENT_SOURCE_DIR}/assets/${name}.svg
        COMMENT "Drawing the picture ${name}" VERBATIM)
    set(VATRO_DRAWN_FILES ${VATRO_DRAWN_FILES} ${outputs} PARENT_SCOPE)
endfunction()
vatro_render_picture(mouse mouse 571x472 mouse@2x 1142x944)
vatro_render_picture(portrait portrait 144x200 portrait@2x 288x400)
vatro_render_picture(hand hand 32x32 hand@2x 64x64)
vatro_render_picture(icon icon-16 16x16 icon-24 24x24 icon-32 32x32 icon-48 48x48
    icon-64 64x64 icon-128 128x128)

# What a start on an ordinary screen shows is carried in the program as it is and used where
# it lies: nothing to unpack before the first frame. The rest is packed with zstd, tighter
# than PNG, and unpacked at the speed of a copy when first shown.
set(VATRO_CARRIED mouse icon-16 icon-24 icon-32 icon-48 icon-64 icon-128)
set(packed)
set(carried)
set(incbins)
set(entries)
set(table)
foreach(file IN LISTS VATRO_DRAWN_FILES)
    get_filename_component(drawing ${file} NAME_WLE)
    if(NOT drawing IN_LIST VATRO_CARRIED)
        list(APPEND packed ${file})
        continue()
    endif()
    list(APPEND carried ${file})
    string(MAKE_C_IDENTIFIER "vatro_drawing_${drawing}" label)
    # Each on a boundary that lets a QImage use its lines in place.
    string(APPEND incbins "    \".balign 64\\n${label}:\\n\"\n"
        "    \".incbin \\\"${file}\\\"\\n${label}_end:\\n\"\n")
    string(APPEND entries "extern \"C\" const unsigned char ${label}[], ${label}_end[];\n")
    list(APPEND table "{\"${drawing}\", ${label}, ${label}_end}")
endforeach()
if(table)
    list(JOIN table ",\n    " table)
    set(table "const CarriedDrawing table[] = {\n    ${table}};\n")
    set(span "table")
else()
    set(span "{}")
endif()
qt_add_resources(vatro_view vatro_pictures PREFIX /pictures BASE ${VATRO_DRAWN_DIR}
    FILES ${packed} OPTIONS --compress-algo zstd --threshold 0)
set(VATRO_CARRIED_SOURCE ${CMAKE_CURRENT_BINARY_DIR}/carrieddrawings.cpp)
file(CONFIGURE OUTPUT ${VATRO_CARRIED_SOURCE} CONTENT [[
// Made by the build (view/pictures.cmake): the drawings carried in the program as they are.
#include "view/carrieddrawings.h"

asm(".pushsection .rodata.vatro_drawings, \"a\", @progbits\n"
@incbins@    ".popsection\n");

@entries@
namespace vatro {

namespace {
@table@} // namespace

const std::span<const CarriedDrawing> carriedDrawings = @span@;

} // namespace vatro
]] @ONLY)
target_sources(vatro_view PRIVATE ${VATRO_CARRIED_SOURCE} ${carried})
# The assembler reads the drawings, which the compiler does not know of.
set_source_files_properties(${VATRO_CARRIED_SOURCE} PROPERTIES OBJECT_DEPENDS "${carried}")
