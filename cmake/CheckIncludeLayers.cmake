cmake_minimum_required(VERSION 3.20)
# Checks that every source of the module includes only from its own layer and the layers below it.
# Run as a test: cmake -DROOT=<repository> -P CheckIncludeLayers.cmake. Includes name their folder
# from the repository root ("typelib/CTLib.h"), so a file's includes show which layers it uses.
#
# Layers, lowest first; the folders of one layer may include each other:
#   framework                                  the window framework
#   host/util, host/ctrl                       the host's libraries
#   module, resources                          the export macro, the module's strings, the COM holders, ids
#   typelib, declaration, catalog              the model: libraries, catalogs, their declarations
#   references                                 the references dialog
#   impl, browser                              the browser dialog and its back-ends
# The sample host, the tests and the benchmark stand above them all.
set(layer_framework framework)
set(layer_host framework host/util host/ctrl)
set(layer_module ${layer_host} module resources)
set(layer_model ${layer_module} typelib declaration catalog)
set(layer_references ${layer_module} references)
set(layer_dialog ${layer_model} references impl browser)

set(allowed_framework ${layer_framework})
set(allowed_host_util ${layer_host})
set(allowed_host_ctrl ${layer_host})
set(allowed_module ${layer_module})
set(allowed_resources resources)
set(allowed_typelib ${layer_model})
set(allowed_declaration ${layer_model})
set(allowed_catalog ${layer_model})
set(allowed_references ${layer_references})
set(allowed_impl ${layer_dialog})
set(allowed_browser ${layer_dialog})

set(violations "")
foreach(folder framework host/util host/ctrl module resources typelib declaration catalog references impl browser)
    string(REPLACE "/" "_" key ${folder})
    file(GLOB sources ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
    foreach(source IN LISTS sources)
        file(STRINGS ${source} includes REGEX "^#[ \t]*include[ \t]+\"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#[ \t]*include[ \t]+\"([^\"]+)\".*" "\\1" included "${line}")
            string(REGEX MATCH "^(host/[a-z]+|[a-z]+)/" prefix "${included}")
            if(NOT prefix)
                list(APPEND violations "${source}: \"${included}\" does not name its folder")
                continue()
            endif()
            string(REGEX REPLACE "/$" "" layer_folder "${prefix}")
            if(NOT layer_folder IN_LIST allowed_${key})
                list(APPEND violations "${source}: ${folder} may not include ${included}")
            endif()
        endforeach()
    endforeach()
endforeach()
if(violations)
    list(JOIN violations "\n" text)
    message(FATAL_ERROR "Includes that break the layering:\n${text}")
endif()
message(STATUS "Every include stays within its layer")
