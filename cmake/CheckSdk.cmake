cmake_minimum_required(VERSION 3.20)
# Installs the build into BUILD/sdk-check, then configures and builds tests/sdk and examples/c-host
# against that SDK alone (its own find_package, its own toolchain run). Run as a test:
#   cmake -DBUILD=<build tree> -DSOURCE=<repository> -DTOOLCHAIN=<toolchain file> -P CheckSdk.cmake

# Runs each step (a command line as a list, the steps separated by "--next--"); any failure ends the check.
function(run_steps what)
    set(step "")
    foreach(word IN LISTS ARGN ITEMS --next--)
        if(word STREQUAL "--next--")
            execute_process(COMMAND ${step} RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
            if(failed)
                message(FATAL_ERROR "${step} failed ${what}:\n${output}")
            endif()
            set(step "")
        else()
            list(APPEND step "${word}")
        endif()
    endforeach()
endfunction()

set(sdk ${BUILD}/sdk-check/install)
set(consumer ${BUILD}/sdk-check/consumer)
file(REMOVE_RECURSE ${BUILD}/sdk-check)
run_steps("against the installed SDK"
          ${CMAKE_COMMAND} --install ${BUILD} --prefix ${sdk} --next--
          ${CMAKE_COMMAND} -S ${SOURCE}/tests/sdk -B ${consumer} -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN}
              -DCMAKE_PREFIX_PATH=${sdk} -DOBR_SDK_BIN=${sdk}/bin --next--
          ${CMAKE_COMMAND} --build ${consumer} --next--
          ${CMAKE_COMMAND} -S ${SOURCE}/examples/c-host -B ${BUILD}/sdk-check/c-host -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN}
              -DCMAKE_PREFIX_PATH=${sdk} -DOBR_SDK_BIN=${sdk}/bin --next--
          ${CMAKE_COMMAND} --build ${BUILD}/sdk-check/c-host)
foreach(file bin/objbrowser.dll bin/framework.dll bin/qvx_ctrl.dll bin/qvx_util.dll bin/objbrowser_probe.exe
             bin/samplehost.exe lib/libobjbrowser.dll.a include/objbrowser/browser/CBrowserDlg.h
             lib/cmake/ObjBrowser/ObjBrowserConfig.cmake bin/sdk_consumer.exe bin/c_host.exe)
    if(NOT EXISTS ${sdk}/${file})
        message(FATAL_ERROR "The SDK lacks ${file}")
    endif()
endforeach()
message(STATUS "The SDK installs whole and a host builds against it alone")

# The release archive of this build, unpacked: the C example builds against it alone.
set(archive ${BUILD}/sdk-check/archive)
execute_process(COMMAND ${CMAKE_COMMAND} -DBUILD=${BUILD} -DSOURCE=${SOURCE} -DPLATFORM=check
                        -DDIST=${archive} -P ${SOURCE}/cmake/Package.cmake
                RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(failed)
    message(FATAL_ERROR "The release archive failed:\n${output}")
endif()
file(GLOB zip ${archive}/objbrowser-*-check.zip)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${zip} WORKING_DIRECTORY ${archive} RESULT_VARIABLE failed)
file(GLOB unpacked LIST_DIRECTORIES true ${archive}/objbrowser-*-check)
if(failed OR NOT unpacked)
    message(FATAL_ERROR "The release archive does not unpack")
endif()
foreach(file README.md CHANGES.md bin/objbrowser.dll include/objbrowser/objbrowser.h examples/c-host/main.c)
    if(NOT EXISTS ${unpacked}/${file})
        message(FATAL_ERROR "The release archive lacks ${file}")
    endif()
endforeach()
run_steps("against the release archive"
          ${CMAKE_COMMAND} -S ${unpacked}/examples/c-host -B ${archive}/c-host -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN}
              -DCMAKE_PREFIX_PATH=${unpacked} --next--
          ${CMAKE_COMMAND} --build ${archive}/c-host)
message(STATUS "The release archive unpacks whole and the C example builds against it")
