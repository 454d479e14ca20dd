# Build helpers shared by every directory of the project.

# zt_add_engine_module(<target> SOURCES ... [LIBS ...])
# An engine module is loaded by the factory at run time; it lands in the component directory.
function(zt_add_engine_module target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${target} MODULE ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS})
  set_target_properties(${target} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${ZT_COMPONENT_DIR})
endfunction()

# zt_add_test_module(<target> DIR <dir> SOURCES ... [LIBS ...] [OUTPUT_NAME n] [SUFFIX s])
# A module built only for tests, in a directory of its own so it never shadows a real module.
function(zt_add_test_module target)
  cmake_parse_arguments(ARG "" "DIR;OUTPUT_NAME;SUFFIX;PREFIX" "SOURCES;LIBS" ${ARGN})
  add_library(${target} MODULE ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS})
  set_target_properties(${target} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${ARG_DIR})
  foreach(prop OUTPUT_NAME SUFFIX PREFIX)
    if(DEFINED ARG_${prop})
      set_target_properties(${target} PROPERTIES ${prop} "${ARG_${prop}}")
    endif()
  endforeach()
endfunction()

# zt_add_gtest(<target> SOURCES ... [LIBS ...] [COM_PATH dir] [ENV k=v ...] [DEPENDS t ...])
# Every test case runs in a process of its own: the factory and the environment are
# process-wide and scan once.
function(zt_add_gtest target)
  cmake_parse_arguments(ARG "" "COM_PATH" "SOURCES;LIBS;ENV;DEPENDS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${target} PRIVATE ZT_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                                               ZT_BINARY_DIR="${CMAKE_BINARY_DIR}")
  if(ARG_DEPENDS)
    add_dependencies(${target} ${ARG_DEPENDS})
  endif()
  set(env ${ARG_ENV})
  if(ARG_COM_PATH)
    list(APPEND env "ZT_COM_PATH=${ARG_COM_PATH}")
  else()
    list(APPEND env "ZT_COM_PATH=${ZT_COMPONENT_DIR}")
  endif()
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "${env}")
endfunction()

# zt_add_fuzz(<target> SOURCES ... [LIBS ...])
# With the sanitize build the target is a libFuzzer binary: CTest replays its corpus and runs
# it for a few seconds. Otherwise it is linked with a driver that replays the corpus files.
set(ZT_FUZZ_SECONDS 5 CACHE STRING "Seconds each fuzz target runs in the test suite")
function(zt_add_fuzz target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  set(corpus ${CMAKE_SOURCE_DIR}/fuzz/corpus/${target})
  if(ZT_SANITIZE)
    add_executable(${target} ${ARG_SOURCES})
    target_link_options(${target} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${target} PRIVATE ${ARG_LIBS})
    set(work ${CMAKE_BINARY_DIR}/fuzz-work/${target})
    file(MAKE_DIRECTORY ${work})
    add_test(NAME fuzz.${target}.replay COMMAND ${target} -runs=0 ${corpus})
    add_test(NAME fuzz.${target}.run
             COMMAND ${target} -max_total_time=${ZT_FUZZ_SECONDS} -timeout=10 -rss_limit_mb=2048
                     -artifact_prefix=${work}/ ${work} ${corpus})
    set_tests_properties(fuzz.${target}.run PROPERTIES RUN_SERIAL ON)
  else()
    add_executable(${target} ${ARG_SOURCES} ${CMAKE_SOURCE_DIR}/fuzz/replay_main.cpp)
    target_link_libraries(${target} PRIVATE ${ARG_LIBS})
    add_test(NAME fuzz.${target}.replay COMMAND ${target} ${corpus})
  endif()
  set_tests_properties(fuzz.${target}.replay PROPERTIES ENVIRONMENT "ZT_COM_PATH=${ZT_COMPONENT_DIR}")
endfunction()
