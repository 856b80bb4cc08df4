# The pictures are drawn from their SVG sources at build time, at an ordinary screen's density
# and at twice it (name@2x), the icon at the sizes title and task bars ask for, and carried in
# the program as the very pixels a window paints: nothing to decode but zstd's packing. The
# game writes nothing to draw faster next time.
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
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
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

# zstd packs the pixels tighter than PNG would, and unpacks them at the speed of a copy.
qt_add_resources(vatro_view vatro_pictures PREFIX /pictures BASE ${VATRO_DRAWN_DIR}
    FILES ${VATRO_DRAWN_FILES} OPTIONS --compress-algo zstd --threshold 0)
