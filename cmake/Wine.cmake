# The Wine prefix of this build tree, the emulator that runs our EXEs in it, and the ctest fixture
# that keeps one Wine session alive for a whole test run.

set(OBR_WINE_DIR ${CMAKE_BINARY_DIR}/wine)
set(OBR_WINE_PREFIX ${OBR_WINE_DIR}/prefix)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine/env.sh.in ${OBR_WINE_DIR}/env.sh @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine/run.in ${OBR_WINE_DIR}/run
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine/session.in ${OBR_WINE_DIR}/session
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE @ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${OBR_WINE_DIR}/run)

set(OBR_WINE_PREFIX_STAMP ${OBR_WINE_DIR}/prefix.ready)
add_custom_command(
    OUTPUT ${OBR_WINE_PREFIX_STAMP}
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/wine/make-prefix.sh ${OBR_WINE_DIR}/env.sh
            ${CMAKE_CURRENT_LIST_DIR}/wine/prefix-settings.reg ${OBR_WINE_PREFIX_STAMP}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/wine/make-prefix.sh ${CMAKE_CURRENT_LIST_DIR}/wine/prefix-settings.reg
    COMMENT "Creating the Wine prefix (about 15 s the first time)"
    VERBATIM)
add_custom_target(wineprefix ALL DEPENDS ${OBR_WINE_PREFIX_STAMP})

# Copies of the prefix at 125, 150 and 200 % display scaling, for the tests of scaling.
set(OBR_WINE_DPIS 120 144 192)
foreach(dpi ${OBR_WINE_DPIS})
    add_custom_command(
        OUTPUT ${OBR_WINE_DIR}/prefix-dpi${dpi}.ready
        COMMAND ${CMAKE_CURRENT_LIST_DIR}/wine/make-dpi-prefix.sh ${OBR_WINE_DIR}/env.sh ${dpi}
                ${OBR_WINE_DIR}/prefix-dpi${dpi}.ready
        DEPENDS ${OBR_WINE_PREFIX_STAMP} ${CMAKE_CURRENT_LIST_DIR}/wine/make-dpi-prefix.sh
        COMMENT "Copying the Wine prefix at ${dpi} dots per inch"
        VERBATIM)
    list(APPEND OBR_WINE_DPI_STAMPS ${OBR_WINE_DIR}/prefix-dpi${dpi}.ready)
endforeach()
add_custom_target(wineprefix_scales ALL DEPENDS ${OBR_WINE_DPI_STAMPS})
# The prefix first, by the target that makes it: a parallel build must not make it twice.
add_dependencies(wineprefix_scales wineprefix)

# Runs the suite's tests of scaling (gtest filter Scaling.*) in each scaled prefix, on a screen of
# its own large enough for its desktop.
function(obr_add_scaling_tests target)
    foreach(dpi ${OBR_WINE_DPIS})
        add_test(NAME Scaling.AtDpi${dpi}
                 COMMAND xvfb-run -a -s "-screen 0 2100x1600x24"
                         env OBR_WINEPREFIX=${OBR_WINE_PREFIX}-dpi${dpi} ${OBR_WINE_DIR}/run
                         $<TARGET_FILE:${target}> --gtest_filter=Scaling.*)
        # Its own Wine session: the copy's server is another than the suite's.
        set_tests_properties(Scaling.AtDpi${dpi} PROPERTIES RESOURCE_LOCK desktop TIMEOUT 300)
    endforeach()
    add_dependencies(${target} wineprefix_scales)
endfunction()

# One Wine session shared by all tests of a ctest run (wine/session.in says why).
function(obr_add_wine_session_fixture)
    add_test(NAME wine_session_start COMMAND ${OBR_WINE_DIR}/session start)
    add_test(NAME wine_session_stop COMMAND ${OBR_WINE_DIR}/session stop)
    set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine_session)
    set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine_session)
endfunction()
