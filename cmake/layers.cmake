# Each core folder is a static library that sees only the folders below it: its include path
# is a folder of its own in the build tree holding a link to its sources and nothing else, and
# it gets the folders below it by linking their libraries. An include that climbs a layer
# finds no file and fails to build.
#
#   vatro_layer(NAME FOLDERS folder... [DEPENDS layer...])
#
# NAME is the folder's name; sources are the .cpp files of FOLDERS (relative to the source
# tree). A layer with no .cpp file is headers only.
set(VATRO_LAYERS_DIR ${CMAKE_BINARY_DIR}/layers)
set(VATRO_CORE_LAYERS)

function(vatro_layer name)
    cmake_parse_arguments(PARSE_ARGV 1 layer "" "" "FOLDERS;DEPENDS")
    set(include_dir ${VATRO_LAYERS_DIR}/${name})
    file(MAKE_DIRECTORY ${include_dir})
    if(NOT EXISTS ${include_dir}/${name})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${name} ${include_dir}/${name} SYMBOLIC)
    endif()
    set(sources)
    foreach(folder ${layer_FOLDERS})
        file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
        list(APPEND sources ${found})
    endforeach()
    set(target vatro_${name})
    list(TRANSFORM layer_DEPENDS PREPEND vatro_)
    if(sources)
        add_library(${target} STATIC ${sources})
        target_include_directories(${target} PUBLIC ${include_dir})
        target_link_libraries(${target} PUBLIC ${layer_DEPENDS} PRIVATE vatro_warnings)
    else()
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${include_dir})
        target_link_libraries(${target} INTERFACE ${layer_DEPENDS})
    endif()
    set(VATRO_CORE_LAYERS ${VATRO_CORE_LAYERS} ${target} PARENT_SCOPE)
endfunction()
