# The cascade simplifier's surrogates come from real modules: the Unicode simplifier, and the
# factory tests' echo module (added by the test itself) for a component that is no simplifier.
zt_add_gtest(core_ztICascadeStringSimplifier_test
             SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/ztICascadeStringSimplifier_test.cpp
             LIBS ztcore zttesting DEPENDS ztunicodesimplifier zttest_echo)
