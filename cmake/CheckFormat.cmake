# Fails when a C++ file of the tree drifts from the repository's .clang-format: run by ctest as
#   cmake -DROOT=<source tree> -DCLANG_FORMAT=<clang-format> -P CheckFormat.cmake
# (`clang-format -i` on the files it names mends them).
# The tree's own folders: not the build trees below build/.
file(GLOB folders LIST_DIRECTORIES true RELATIVE ${ROOT} ${ROOT}/*)
list(FILTER folders EXCLUDE REGEX "^(build|\\..*)$")
set(sources "")
foreach(folder IN LISTS folders)
    if(IS_DIRECTORY ${ROOT}/${folder})
        file(GLOB_RECURSE found RELATIVE ${ROOT} ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.h)
        list(APPEND sources ${found})
    endif()
endforeach()
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources} WORKING_DIRECTORY ${ROOT}
                RESULT_VARIABLE status ERROR_VARIABLE report OUTPUT_QUIET)
if(NOT status EQUAL 0)
    # The report names each drifting line; the files are what matters.
    string(REGEX MATCHALL "[^\n]+:[0-9]+:[0-9]+: error" places "${report}")
    list(TRANSFORM places REPLACE ":[0-9]+:[0-9]+: error$" "")
    list(REMOVE_DUPLICATES places)
    list(JOIN places "\n  " text)
    message(FATAL_ERROR "Files that drift from .clang-format (clang-format -i mends them):\n  ${text}")
endif()
list(LENGTH sources count)
message(STATUS "All ${count} C++ files keep .clang-format")
