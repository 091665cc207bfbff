# The release: Shelvix-<version>-win64.zip with the program, its DLLs, the C++ runtime, the
# README and the sample catalogue, all in one folder that runs wherever it is unpacked.
#   cmake --build build --target package
if(NOT TARGET Shelvix)
    return()
endif()

set(SHELVIX_RELEASE_DIR Shelvix-${PROJECT_VERSION}-win64)
install(TARGETS Shelvix framework QVTOOLS201 QVFTOOLS100
        RUNTIME DESTINATION ${SHELVIX_RELEASE_DIR} COMPONENT program
        LIBRARY DESTINATION ${SHELVIX_RELEASE_DIR} COMPONENT program)
install(FILES ${SHELVIX_GCC_RUNTIME_DIR}/libstdc++-6.dll ${SHELVIX_GCC_RUNTIME_DIR}/libgcc_s_seh-1.dll
              /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll
        DESTINATION ${SHELVIX_RELEASE_DIR} COMPONENT program)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${SHELVIX_RELEASE_DIR} COMPONENT program)
install(FILES ${PROJECT_SOURCE_DIR}/samples/reader-catalogue.xml
        DESTINATION ${SHELVIX_RELEASE_DIR}/samples COMPONENT program)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Shelvix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME ${SHELVIX_RELEASE_DIR})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/release)
include(CPack)

# The archive unpacked into an empty folder, checked for DLLs it lacks, and started under Wine
# in a prefix of its own that holds nothing of this build.
if(BUILD_TESTING)
    add_test(NAME ReleasePackage
             COMMAND sh ${PROJECT_SOURCE_DIR}/tests/release/release-check.sh ${CMAKE_BINARY_DIR}
                     ${CMAKE_BINARY_DIR}/release/${SHELVIX_RELEASE_DIR}.zip)
    set_tests_properties(ReleasePackage PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)
endif()
