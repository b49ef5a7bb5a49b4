cmake_minimum_required(VERSION 3.20)
# Writes the release archive of one build tree, DIST/objbrowser-<version>-<platform>.zip: its
# installed SDK with the C example, README.md and CHANGES.md, in a folder of the same name. Run as a
# script:
#   cmake -DBUILD=<build tree> -DSOURCE=<repository> -DPLATFORM=win64|win32 -DDIST=<folder> -P Package.cmake
file(STRINGS ${SOURCE}/CMakeLists.txt project REGEX "^project\\(ObjectBrowser VERSION")
string(REGEX REPLACE ".*VERSION ([0-9.]+).*" "\\1" version "${project}")
set(name objbrowser-${version}-${PLATFORM})
get_filename_component(folder ${DIST} ABSOLUTE)
set(out ${folder}/${name}.zip)
set(staging ${folder}/${name}.staging)
file(REMOVE_RECURSE ${staging})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${staging}/${name} RESULT_VARIABLE failed
                OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "Installing ${BUILD} failed")
endif()
file(COPY ${SOURCE}/README.md ${SOURCE}/CHANGES.md DESTINATION ${staging}/${name})
file(COPY ${SOURCE}/examples DESTINATION ${staging}/${name})
file(REMOVE ${out})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${out} --format=zip ${name} WORKING_DIRECTORY ${staging}
                RESULT_VARIABLE failed)
file(REMOVE_RECURSE ${staging})
if(failed)
    message(FATAL_ERROR "Writing ${out} failed")
endif()
message(STATUS "Wrote ${out}")
