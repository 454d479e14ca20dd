#include "modules/hiliter/ZTHiliter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ZTErrors.h"

namespace {

const char kStart[] = "<?ZT W?>";
const char kStop[] = "<?ZT /W?>";

std::string W(const std::string& word) {
  return kStart + word + kStop;
}

std::string Output(ZTHiliter* hiliter) {
  const std::string all(reinterpret_cast<const char*>(hiliter->GetData()), hiliter->GetLength());
  EXPECT_FALSE(all.empty());
  EXPECT_EQ(all.back(), '\0');  // the NUL is part of the output
  return all.substr(0, all.size() - 1);
}

class ZTHiliterTest : public testing::Test {
 protected:
  ZTHiliterTest() {
    EXPECT_EQ(m_pHiliter->SetStartStrings(kStart, "<b>", -1), 0);
    EXPECT_EQ(m_pHiliter->SetStopStrings(kStop, "</b>", -1), 0);
  }
  ~ZTHiliterTest() override { m_pHiliter->Release(); }

  int Filter(const std::string& text, const std::vector<unsigned>& values) {
    EXPECT_EQ(m_pHiliter->SetValues(values.data(), values.size()), 0);
    return m_pHiliter->FilterData(text.c_str(), text.size() + 1);
  }

  ZTHiliter* m_pHiliter = new ZTHiliter();
};

TEST_F(ZTHiliterTest, RemovesMarkersAndWrapsChosenWords) {
  const std::string text = "<p>" + W("un") + " " + W("chat") + " " + W("noir") + ".</p>";
  struct Case {
    std::vector<unsigned> values;
    int rc;
    std::string expected;
  } cases[] = {
      {{}, 0, "<p>un chat noir.</p>"},
      {{0, 2}, 0, "<p><b>un</b> chat <b>noir</b>.</p>"},
      {{1}, 0, "<p>un <b>chat</b> noir.</p>"},
      {{2, 1}, ZT_E_FAILED, "<p>un chat <b>noir</b>.</p>"},  // not ascending
      {{1, 1}, ZT_E_FAILED, "<p>un <b>chat</b> noir.</p>"},  // repeated
      {{2, 3}, ZT_E_FAILED, "<p>un chat <b>noir</b>.</p>"},  // beyond the last word
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Filter(text, c.values), c.rc);
    EXPECT_EQ(Output(m_pHiliter), c.expected);  // complete in every case
  }
}

TEST_F(ZTHiliterTest, TextsWithoutMarkersOrWithBrokenOnes) {
  struct Case {
    std::string text;
    std::vector<unsigned> values;
    int rc;
    std::string expected;
  } cases[] = {
      {"no markers at all", {}, 0, "no markers at all"},
      {"", {}, 0, ""},
      {W("a") + " " + kStart + "b c", {}, 0, "a b c"},  // unclosed: the rest follows
      {W("a") + " " + kStart + "b c", {1}, ZT_E_FAILED, "a <b>b c"},
      {std::string(kStart) + "a" + kStart + "b" + kStop + "c" + kStop,
       {0},
       0,
       std::string("<b>a") + kStart + "b</b>c" + kStop},  // nested: the first stop closes
      {std::string(kStop) + "a" + W("b"), {0}, 0, std::string(kStop) + "a<b>b</b>"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Filter(c.text, c.values), c.rc) << c.text;
    EXPECT_EQ(Output(m_pHiliter), c.expected) << c.text;
  }
}

TEST_F(ZTHiliterTest, NumbersTheMarkup) {
  ASSERT_EQ(m_pHiliter->SetStartStrings(kStart, "<a name=\"w\"></a><i>", 10), 0);
  ASSERT_EQ(m_pHiliter->SetStopStrings(kStop, "</i><!---->", 8), 0);
  std::string text;
  for (int i = 0; i < 13; ++i) text += W("w") + " ";
  ASSERT_EQ(Filter(text, {0, 12}), 0);
  std::string expected = "<a name=\"w0\"></a><i>w</i><!--0--> ";
  for (int i = 1; i < 12; ++i) expected += "w ";
  expected += "<a name=\"w12\"></a><i>w</i><!--12--> ";
  EXPECT_EQ(Output(m_pHiliter), expected);
  // No start markup at all: the chosen word only loses its markers.
  ASSERT_EQ(m_pHiliter->SetStartStrings(kStart, nullptr, 0), 0);
  ASSERT_EQ(Filter(W("x") + W("y"), {1}), 0);
  EXPECT_EQ(Output(m_pHiliter), "xy</i><!--1-->");
  // An offset past the string's end, or before its start, gives no number.
  ASSERT_EQ(m_pHiliter->SetStartStrings(kStart, "<u>", 4), 0);
  ASSERT_EQ(m_pHiliter->SetStopStrings(kStop, "</u>", -7), 0);
  ASSERT_EQ(Filter(W("x"), {0}), 0);
  EXPECT_EQ(Output(m_pHiliter), "<u>x</u>");
}

TEST_F(ZTHiliterTest, LongStartMarkupBesideAShortStopSide) {
  // The stop side saves more than the start side adds; an unclosed word still fits.
  ASSERT_EQ(m_pHiliter->SetStartStrings(kStart, "<em class=x>", -1), 0);
  ASSERT_EQ(m_pHiliter->SetStopStrings(kStop, "", -1), 0);
  EXPECT_EQ(Filter(std::string(kStart) + "word", {0}), ZT_E_FAILED);
  EXPECT_EQ(Output(m_pHiliter), "<em class=x>word");
  ASSERT_EQ(m_pHiliter->SetStartStrings(kStart, "<span class=\"hit\">", 13), 0);
  std::string text;
  for (int i = 0; i < 50; ++i) text += kStart;
  std::vector<unsigned> all;
  for (unsigned i = 0; i < 50; ++i) all.push_back(i);
  EXPECT_EQ(Filter(text, all), ZT_E_FAILED);
  EXPECT_EQ(Output(m_pHiliter), "<span class=\"0hit\">" + text.substr(sizeof(kStart) - 1));
}

TEST_F(ZTHiliterTest, HugePositionListsAndOversizedOutputs) {
  std::vector<unsigned> many(1000000);
  for (unsigned i = 0; i < many.size(); ++i) many[i] = i;
  EXPECT_EQ(Filter(W("a") + W("b"), many), ZT_E_FAILED);
  EXPECT_EQ(Output(m_pHiliter), "<b>a</b><b>b</b>");
  const std::string big(1 << 20, 'x');
  ASSERT_EQ(m_pHiliter->SetStartStrings(kStart, big.c_str(), -1), 0);
  std::string text;
  for (int i = 0; i < 5000; ++i) text += W("w");
  EXPECT_EQ(Filter(text, std::vector<unsigned>(many.begin(), many.begin() + 5000)), ZT_E_NOMEM);
}

TEST_F(ZTHiliterTest, RefusesBadArguments) {
  const std::string text = W("a");
  EXPECT_EQ(m_pHiliter->FilterData(text.c_str(), text.size()), ZT_E_FAILED);  // no NUL counted
  EXPECT_EQ(m_pHiliter->FilterData(text.c_str(), text.size() + 2), ZT_E_FAILED);
  EXPECT_EQ(m_pHiliter->FilterData("a\0b", 4), ZT_E_FAILED);
  EXPECT_EQ(m_pHiliter->FilterData(nullptr, 1), ZT_E_FAILED);
  EXPECT_EQ(m_pHiliter->FilterData("", 0), ZT_E_FAILED);
  EXPECT_EQ(m_pHiliter->SetValues(nullptr, 2), ZT_E_FAILED);
  EXPECT_EQ(m_pHiliter->SetValues(nullptr, 0), 0);
  struct Sides {
    const char* startMarker;
    const char* stopMarker;
    const char* stopString;
  } missing[] = {{nullptr, kStop, ""},
                 {kStart, nullptr, ""},
                 {kStart, kStop, nullptr},
                 {"", kStop, ""},
                 {kStart, "", ""}};
  for (const Sides& s : missing) {
    ZTHiliter* hiliter = new ZTHiliter();
    ASSERT_EQ(hiliter->SetStartStrings(s.startMarker, "<b>", -1), 0);
    ASSERT_EQ(hiliter->SetStopStrings(s.stopMarker, s.stopString, -1), 0);
    EXPECT_EQ(hiliter->FilterData(text.c_str(), text.size() + 1), ZT_E_FAILED);
    hiliter->Release();
  }
}

}  // namespace
