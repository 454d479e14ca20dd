# Test modules of the factory, each case in a directory of its own under testmodules/ so that
# none ever shadows a real module, and the tests that load them.
set(ZT_TEST_MODULE_DIR ${CMAKE_BINARY_DIR}/testmodules)
set(ZT_TEST_MODULE_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/modules)
set(ZT_TEST_MODULES)

# zt_add_tagged_test_module(<target> <dir> <category> <name> <tag> [KEEP] [zt_add_test_module
# naming options]): one component whose objects carry <tag>.
function(zt_add_tagged_test_module target dir category name tag)
  cmake_parse_arguments(ARG "KEEP" "" "" ${ARGN})
  zt_add_test_module(${target} DIR ${ZT_TEST_MODULE_DIR}/${dir}
                     SOURCES ${ZT_TEST_MODULE_SOURCES}/tagged_module.cpp LIBS ztcore
                     ${ARG_UNPARSED_ARGUMENTS})
  target_compile_definitions(${target} PRIVATE ZT_TEST_CATEGORY="${category}"
                                               ZT_TEST_NAME="${name}" ZT_TEST_TAG="${tag}")
  if(ARG_KEEP)
    target_compile_definitions(${target} PRIVATE ZT_TEST_KEEP)
  endif()
  set(ZT_TEST_MODULES ${ZT_TEST_MODULES} ${target} PARENT_SCOPE)
endfunction()

zt_add_test_module(zttest_echo DIR ${ZT_TEST_MODULE_DIR}/valid
                   SOURCES ${ZT_TEST_MODULE_SOURCES}/echo_module.cpp LIBS ztcore)
zt_add_test_module(zttest_notmodule DIR ${ZT_TEST_MODULE_DIR}/notmodule
                   SOURCES ${ZT_TEST_MODULE_SOURCES}/not_module.cpp LIBS ztcore)
list(APPEND ZT_TEST_MODULES zttest_echo zttest_notmodule)
zt_add_tagged_test_module(zttest_dupa dupa recordset native a)
zt_add_tagged_test_module(zttest_dupb dupb recordset native b)
zt_add_tagged_test_module(zttest_keep keep test keep keep KEEP)
# The name contains "_rtldg.": bound at once with global symbols.
zt_add_tagged_test_module(zttest_rtldg rtldg test rtldg rtldg)
zt_add_tagged_test_module(zttest_upper names test upper upper SUFFIX .SO)
zt_add_tagged_test_module(zttest_dylib names test dylib dylib SUFFIX .dylib)
zt_add_tagged_test_module(zttest_hidden names test hidden hidden PREFIX . SUFFIX .so)

foreach(unit ZTFactory_test ZTMainFactory_test ZTModule_test ztDiskLocator_test)
  set(com_path ${ZT_TEST_MODULE_DIR}/valid)
  if(unit STREQUAL "ZTMainFactory_test")
    # A process value that the engine's own ZT_COM_PATH can be seen to override.
    set(com_path ${ZT_TEST_MODULE_DIR}/dupb)
  endif()
  zt_add_gtest(core_${unit} SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/${unit}.cpp
               LIBS ztcore zttesting ${CMAKE_DL_LIBS} COM_PATH ${com_path}
               DEPENDS ${ZT_TEST_MODULES})
endforeach()
