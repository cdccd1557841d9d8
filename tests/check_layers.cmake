# Fails when a folder of the program includes a header from a folder above it.
# Run as: cmake -DROOT=<source folder> -P check_layers.cmake
#
# The folders from the bottom layer to the top; each may include only itself and the
# folders listed before it. The files at the root (main.cpp) stand above them all.
set(layers
    product
    platform/text
    platform/encoding
    platform/program
    platform/registry
    engine
    phone
    settings
    html
    update
    platform/qt
    ui/widgets
    ui/dialogs
    ui/window
    cli
    tools
)

# The layer index of a path inside the source folder, in `out`; -1 when it is in no layer.
function(layer_of path out)
    set(found -1)
    set(index 0)
    foreach(layer IN LISTS layers)
        if(path MATCHES "^${layer}/")
            set(found ${index})
        endif()
        math(EXPR index "${index} + 1")
    endforeach()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

list(LENGTH layers top)
set(failures "")
foreach(layer IN LISTS layers)
    file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/${layer}/*.h ${ROOT}/${layer}/*.cpp)
    list(APPEND all_sources ${sources})
endforeach()
list(APPEND all_sources main.cpp)

foreach(source IN LISTS all_sources)
    layer_of(${source} own)
    if(own EQUAL -1)
        set(own ${top})
    endif()
    file(STRINGS ${ROOT}/${source} includes REGEX "^#include \"[^\"]+/[^\"]+\"")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
        layer_of(${header} used)
        if(used EQUAL -1 OR used GREATER own)
            list(APPEND failures "${source} includes ${header}")
        endif()
    endforeach()
endforeach()

if(failures)
    list(JOIN failures "\n  " message)
    message(FATAL_ERROR "Includes that point up or out of the layers:\n  ${message}")
endif()
list(LENGTH all_sources count)
message(STATUS "${count} files include only their own layer and the layers below it")
