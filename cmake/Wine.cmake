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

# Test programs run at build time (test discovery) and so need the prefix first.
function(obr_add_wine_session_fixture)
    add_test(NAME wine_session_start COMMAND ${OBR_WINE_DIR}/session start)
    add_test(NAME wine_session_stop COMMAND ${OBR_WINE_DIR}/session stop)
    set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine_session)
    set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine_session)
endfunction()
