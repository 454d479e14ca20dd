// Points Aspell's home directory (personal word lists, replacements) at a temporary directory
// for the duration of a test, in the plain C locale.
#ifndef MODULES_SPELLER_TESTS_ZTSPELLHOME_H_
#define MODULES_SPELLER_TESTS_ZTSPELLHOME_H_

#include <gtest/gtest.h>

#include <cstdlib>

#include "modules/speller/ZTSpeller.h"
#include "testing/ztTempDir.h"

class ztSpellHome : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(m_home.path().empty());
    setenv("HOME", m_home.path().c_str(), 1);
    unsetenv("ASPELL_CONF");
    // The engine's words are UTF-8 whatever the locale of the process.
    setenv("LANG", "C", 1);
    unsetenv("LC_ALL");
    unsetenv("LC_CTYPE");
  }

  // The fixture's speller, ready for lang.
  ZTSpeller& Ready(const char* lang) {
    EXPECT_EQ(m_speller.GetReadyWithLang(nullptr, lang), 0);
    return m_speller;
  }

  ztTempDir m_home;
  ZTSpeller m_speller;
};

#endif  // MODULES_SPELLER_TESTS_ZTSPELLHOME_H_
