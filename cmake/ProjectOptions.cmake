# Compiler settings applied to the project's own targets (not to GoogleTest).
function(obr_project_settings target)
    target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:C,CXX>:-Wall -Wextra -Werror>)
    # Sources are UTF-8; narrow literals are stored in code page 1252, the ANSI text of the module.
    target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:C,CXX>:-finput-charset=UTF-8 -fexec-charset=CP1252>)
    target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
endfunction()

# Gives the DLL or program a version resource: the project's version, the description, and its
# file name.
function(obr_version_info target description)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "SHARED_LIBRARY")
        set(OBR_VERSION_FILE_TYPE VFT_DLL)
        set(OBR_VERSION_FILE ${target}.dll)
    else()
        set(OBR_VERSION_FILE_TYPE VFT_APP)
        set(OBR_VERSION_FILE ${target}.exe)
    endif()
    set(OBR_VERSION_TARGET ${target})
    set(OBR_VERSION_DESCRIPTION "${description}")
    set(rc ${CMAKE_BINARY_DIR}/versioninfo/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/VersionInfo.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()
