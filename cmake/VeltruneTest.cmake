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
  veltrune_add_test_run(NAME ${T_NAME} TARGET ${T_NAME} LOCK "${T_LOCK}" TIMEOUT "${T_TIMEOUT}" ENV ${T_ENV})
endfunction()

# veltrune_add_test_run(NAME name TARGET target [LOCK resource] [TIMEOUT s] [ENV var=value ...] [ARGS ...])
# One run of a test program as a CTest test; a program may be run more than
# once, with other environments (another board, another test filter) or
# other arguments.
function(veltrune_add_test_run)
  cmake_parse_arguments(R "" "NAME;TARGET;LOCK;TIMEOUT" "ENV;ARGS" ${ARGN})
  add_test(NAME ${R_NAME} COMMAND ${R_TARGET} ${R_ARGS})
  veltrune_wine_path(bin_win ${VELTRUNE_BIN_DIR})
  if(NOT R_TIMEOUT)
    set(R_TIMEOUT 120)
  endif()
  veltrune_wine_path(state_win ${VELTRUNE_TEST_STATE_DIR})
  set(env "WINEPATH=${bin_win}" "FIRMLINK_INSTANCE=${R_NAME}" "FIRMLINK_STATE_DIR=${state_win}" ${R_ENV})
  set_tests_properties(${R_NAME} PROPERTIES TIMEOUT ${R_TIMEOUT} ENVIRONMENT "${env}" FIXTURES_REQUIRED test_state)
  if(R_LOCK)
    set_tests_properties(${R_NAME} PROPERTIES RESOURCE_LOCK ${R_LOCK})
  endif()
endfunction()

# veltrune_test_program(TARGET folder): lays out `folder` as an installed
# program (Veltrune with its libraries, Resource\ and the simulated boards)
# before TARGET is built, for tests and tools that run the real program or
# its start-up. The copy runs again whenever one of the program's files is
# rebuilt, so a test never runs against an older library than the build's.
function(veltrune_test_program target folder)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_program.stamp)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Veltrune> $<TARGET_FILE:picload>
            $<TARGET_FILE:firmlink_dll> $<TARGET_FILE:Tunevault> $<TARGET_FILE:velolib_dll> ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${VELTRUNE_BIN_DIR}/Resource ${folder}/Resource
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${VELTRUNE_BIN_DIR}/boards ${folder}/boards
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS Veltrune picload firmlink_dll Tunevault velolib_dll skin_resources firmlink_boards
    COMMENT "Program folder of ${target}")
  add_custom_target(${target}_program DEPENDS ${stamp})
  add_dependencies(${target} ${target}_program)
endfunction()
