# The SDK that `cmake --install` lays out: the modules, the probe and the sample host in bin/, the
# import libraries in lib/, the headers a C++ host includes in include/objbrowser/ (by folder, as the
# sources include them: "browser/CBrowserDlg.h"), and the CMake package in lib/cmake/ObjBrowser/,
# whose imported targets ObjBrowser::objbrowser (with the framework and the host libraries it
# stands on) a host links.
include(CMakePackageConfigHelpers)

install(TARGETS objbrowser framework qvx_ctrl qvx_util EXPORT ObjBrowserTargets
        RUNTIME DESTINATION bin ARCHIVE DESTINATION lib)
install(TARGETS objbrowser_probe samplehost RUNTIME DESTINATION bin)
# The sample host's help file, beside it.
install(FILES ${CMAKE_BINARY_DIR}/bin/samplehost.chm DESTINATION bin)

# The exported classes' headers and every header they include, and nothing else.
set(OBR_PUBLIC_HEADERS
    browser/BrowserSettings.h browser/BrowserTypes.h browser/CBrowserDlg.h browser/CBrowserListCtrl.h browser/CModelessBrowserDlg.h
    browser/CSearchPane.h host/ctrl/CKivDialog.h host/ctrl/CRTFBuilder.h host/ctrl/CRichEditCtrlEx.h
    host/ctrl/QvxCtrlApi.h host/util/QvxUtilApi.h host/util/TypeLibraryExtensions.h module/BrowserApi.h
    references/CReferencesDialog.h references/RegisteredTypeLibs.h references/TLVLibId.h
    references/TypeLibProbe.h resources/resource.h)
# The C interface stands at the include folder's root: #include "objbrowser.h".
install(FILES browser/objbrowser.h DESTINATION include/objbrowser)
file(GLOB OBR_FRAMEWORK_HEADERS RELATIVE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/framework/*.h)
foreach(header IN LISTS OBR_PUBLIC_HEADERS OBR_FRAMEWORK_HEADERS)
    get_filename_component(folder ${header} DIRECTORY)
    install(FILES ${header} DESTINATION include/objbrowser/${folder})
endforeach()

install(EXPORT ObjBrowserTargets NAMESPACE ObjBrowser:: DESTINATION lib/cmake/ObjBrowser)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/ObjBrowserConfig.cmake.in
                              ${CMAKE_BINARY_DIR}/ObjBrowserConfig.cmake INSTALL_DESTINATION lib/cmake/ObjBrowser)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/ObjBrowserConfigVersion.cmake COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/ObjBrowserConfig.cmake ${CMAKE_BINARY_DIR}/ObjBrowserConfigVersion.cmake
        DESTINATION lib/cmake/ObjBrowser)
