# GoogleTest built from Debian's sources with the cross toolchain, and one
# helper that turns a test executable into a CTest test run through Wine.
enable_testing()

set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(gtarget gtest gtest_main gmock gmock_main)
  target_compile_options(${gtarget} PRIVATE -w)
endforeach()

# The Windows path of a folder of the build, through Wine's Z: drive.
function(veltrune_wine_path out unix_path)
  string(REPLACE "/" "\\" win "${unix_path}")
  set(${out} "Z:${win}" PARENT_SCOPE)
endfunction()

# The simulated firmware saves each instance's values; tests keep theirs in
# the build, never in the user's folder, and every test run starts without
# any (the wipe runs first as the fixture of every test).
set(VELTRUNE_TEST_STATE_DIR ${CMAKE_BINARY_DIR}/test-state)
add_test(NAME test_state_wipe COMMAND ${CMAKE_COMMAND} -E rm -rf ${VELTRUNE_TEST_STATE_DIR})
set_tests_properties(test_state_wipe PROPERTIES FIXTURES_SETUP test_state)

# veltrune_add_test(NAME name SOURCES ... [LIBS ...] [LOCK resource] [TIMEOUT s] [ENV var=value ...])
# The executable goes to testbin/; DLLs of the program are found in bin/
# through WINEPATH. LOCK serialises tests that use machine-wide names
# (mutexes, window classes, pipes) within one wineserver. Each test has a
# firmware instance of its own, named after it.
function(veltrune_add_test)
  cmake_parse_arguments(T "" "NAME;LOCK;TIMEOUT" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE veltrune_options gtest gmock gtest_main test_support ${T_LIBS})
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VELTRUNE_TEST_BIN_DIR})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  veltrune_wine_path(bin_win ${VELTRUNE_BIN_DIR})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  veltrune_wine_path(state_win ${VELTRUNE_TEST_STATE_DIR})
  set(env "WINEPATH=${bin_win}" "FIRMLINK_INSTANCE=${T_NAME}" "FIRMLINK_STATE_DIR=${state_win}" ${T_ENV})
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT} ENVIRONMENT "${env}" FIXTURES_REQUIRED test_state)
  if(T_LOCK)
    set_tests_properties(${T_NAME} PROPERTIES RESOURCE_LOCK ${T_LOCK})
  endif()
endfunction()

# veltrune_test_program(TARGET folder): lays out `folder` as an installed
# program (Veltrune with its libraries and Resource\) once TARGET is built,
# for tests that start the real program.
function(veltrune_test_program target folder)
  add_dependencies(${target} Veltrune picload firmlink_dll skin_resources)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Veltrune> $<TARGET_FILE:picload>
            $<TARGET_FILE:firmlink_dll> ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${VELTRUNE_BIN_DIR}/Resource ${folder}/Resource)
endfunction()
