# Running the build's Windows programs under Wine, and the pieces every executable shares.

# The C++ runtime is linked as DLLs so that all modules share one runtime.
set(SHELVIX_GCC_RUNTIME_DIR /usr/lib/gcc/x86_64-w64-mingw32/12-posix)
foreach(dll ${SHELVIX_GCC_RUNTIME_DIR}/libstdc++-6.dll ${SHELVIX_GCC_RUNTIME_DIR}/libgcc_s_seh-1.dll
            /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll)
    if(NOT EXISTS ${dll})
        message(FATAL_ERROR "MinGW-w64 runtime DLL not found: ${dll}")
    endif()
    file(COPY ${dll} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
endforeach()

# Tests and tools run in a Wine prefix of the build's own, never in ~/.wine.
set(SHELVIX_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "Wine prefix for tests and tools")
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

# The application manifest (UTF-8 active code page, Common Controls 6) for every executable.
set(SHELVIX_MANIFEST ${CMAKE_CURRENT_LIST_DIR}/app.manifest)
configure_file(${CMAKE_CURRENT_LIST_DIR}/manifest.rc.in ${CMAKE_BINARY_DIR}/manifest.rc @ONLY)
function(shelvix_add_manifest target)
    target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/manifest.rc)
    set_property(SOURCE ${CMAKE_BINARY_DIR}/manifest.rc APPEND PROPERTY OBJECT_DEPENDS
                 ${SHELVIX_MANIFEST})
endfunction()

# A GoogleTest executable run by CTest under Wine, one CTest test per executable.
#   shelvix_add_gtest(name SOURCES a.cpp b.cpp LIBS lib1 lib2 [TIMEOUT seconds] [ARGS arg...])
function(shelvix_add_gtest name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;ARGS" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    add_executable(${name} ${T_SOURCES})
    shelvix_add_manifest(${name})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
    target_compile_definitions(${name} PRIVATE
                               SHELVIX_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no ${T_ARGS})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
endfunction()
