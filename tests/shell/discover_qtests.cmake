# One ctest test per QtTest function, as gtest_discover_tests does for GoogleTest: after each
# build the program lists its functions (-functions), and ctest reads that list when it runs.
# Included by tests/CMakeLists.txt; run as a script (cmake -P) by the step after the build.

if(CMAKE_SCRIPT_MODE_FILE)
    # Listing needs an application, and so a platform, but no display.
    set(ENV{QT_QPA_PLATFORM} offscreen)
    set(ENV{ASAN_OPTIONS} detect_leaks=0)
    execute_process(COMMAND "${program}" -functions OUTPUT_VARIABLE functions
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${program} -functions failed: ${result}")
    endif()
    string(REGEX MATCHALL "[A-Za-z_][A-Za-z_0-9]*\\(\\)" functions "${functions}")
    set(tests "")
    foreach(function IN LISTS functions)
        string(REPLACE "()" "" function "${function}")
        string(APPEND tests
               "add_test([=[${prefix}.${function}]=] [=[${program}]=] [=[${function}]=])\n"
               "set_tests_properties([=[${prefix}.${function}]=] PROPERTIES ENVIRONMENT "
               "[=[${environment}]=])\n")
    endforeach()
    file(WRITE "${output}" "${tests}")
    return()
endif()

set(velnix_discover_qtests_script "${CMAKE_CURRENT_LIST_FILE}")

# velnix_discover_qtests(target prefix environment): the tests "<prefix>.<function>", each
# run with the environment given ("NAME=value").
function(velnix_discover_qtests target prefix environment)
    set(list_file "${CMAKE_CURRENT_BINARY_DIR}/${target}_tests.cmake")
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND "${CMAKE_COMMAND}" "-Dprogram=$<TARGET_FILE:${target}>" "-Dprefix=${prefix}"
                "-Denvironment=${environment}" "-Doutput=${list_file}"
                -P "${velnix_discover_qtests_script}"
        BYPRODUCTS "${list_file}"
        VERBATIM)
    # Before the first build there is no list: one test that says so.
    set(include_file "${CMAKE_CURRENT_BINARY_DIR}/${target}_include.cmake")
    file(WRITE "${include_file}"
         "if(EXISTS [=[${list_file}]=])\n"
         "    include([=[${list_file}]=])\n"
         "else()\n"
         "    add_test([=[${prefix}_NOT_BUILT]=] [=[${prefix}_NOT_BUILT]=])\n"
         "endif()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${include_file}")
endfunction()
