#include "platform/win32/api/VLVariant.h"

#include <gtest/gtest.h>

namespace {

// An object whose default member answers a fixed value and that counts its references.
class Valued : public VLDispatch {
 public:
  Valued(VLVariant value, bool* destroyed) : m_value(std::move(value)), m_pDestroyed(destroyed) {}
  ~Valued() override { *m_pDestroyed = true; }

  VLStatus Invoke(const std::string& member, std::vector<VLVariant>& args, VLPassing,
                  VLVariant* result) override {
    if (!member.empty()) return vlUnknownMember(member);
    if (!args.empty()) return vlBadArguments(member);
    *result = m_value;
    return VLStatus::Ok();
  }

 private:
  VLVariant m_value;
  bool* m_pDestroyed;
};

TEST(VLVariantTest, ToBool) {
  const struct {
    VLVariant m_value;
    bool m_bConverts;
    bool m_bValue;
  } kCases[] = {
      {VLVariant(), true, false},
      {VLVariant::Bool(true), true, true},
      {VLVariant::Int(0), true, false},
      {VLVariant::Int(-3), true, true},
      {VLVariant::Text(u"tRUE"), true, true},
      {VLVariant::Text(u"False"), true, false},
      {VLVariant::Text(u"12"), true, true},
      {VLVariant::Text(u"-0"), true, false},
      {VLVariant::Text(u"maybe"), false, false},
      {VLVariant::Text(u""), false, false},
      {VLVariant::Text(u"-"), false, false},
      {VLVariant::Object(nullptr), false, false},
  };
  for (const auto& c : kCases) {
    bool value = !c.m_bValue;
    EXPECT_EQ(c.m_value.ToBool(&value).Failed(), !c.m_bConverts);
    if (c.m_bConverts) {
      EXPECT_EQ(value, c.m_bValue);
    }
  }
}

TEST(VLVariantTest, ToTextOfScalars) {
  std::u16string text = u"x";
  EXPECT_FALSE(VLVariant().ToText(&text).Failed());
  EXPECT_EQ(text, u"");
  EXPECT_FALSE(VLVariant::Int(-42).ToText(&text).Failed());
  EXPECT_EQ(text, u"-42");
  EXPECT_FALSE(VLVariant::Bool(true).ToText(&text).Failed());
  EXPECT_EQ(text, u"True");
}

TEST(VLVariantTest, ToTextOfObjectReadsDefaultMember) {
  bool destroyed = false;
  {
    const VLVariant object =
        VLVariant::Adopt(new Valued(VLVariant::Text(u"range text"), &destroyed));
    std::u16string text;
    EXPECT_FALSE(object.ToText(&text).Failed());
    EXPECT_EQ(text, u"range text");
    EXPECT_TRUE(VLVariant::Object(nullptr).ToText(&text).Failed());
  }
  EXPECT_TRUE(destroyed);
}

TEST(VLVariantTest, ObjectWhoseDefaultIsAnObjectIsNoText) {
  bool innerGone = false, outerGone = false;
  {
    VLVariant inner = VLVariant::Adopt(new Valued(VLVariant::Int(1), &innerGone));
    VLVariant outer = VLVariant::Adopt(new Valued(inner, &outerGone));
    std::u16string text;
    EXPECT_EQ(outer.ToText(&text).m_iCode, VL_E_TYPEMISMATCH);
  }
  EXPECT_TRUE(innerGone);
  EXPECT_TRUE(outerGone);
}

TEST(VLVariantTest, CopiesShareTheObjectAndReleaseIt) {
  bool destroyed = false;
  VLVariant a = VLVariant::Adopt(new Valued(VLVariant(), &destroyed));
  VLVariant b = a;
  VLVariant c = std::move(a);
  EXPECT_EQ(a.GetType(), VLVariant::kEmpty);
  b = VLVariant::Int(3);
  EXPECT_FALSE(destroyed);
  const VLVariant& same = c;
  c = same;  // assigning a variant to itself keeps the object
  EXPECT_FALSE(destroyed);
  c = VLVariant();
  EXPECT_TRUE(destroyed);
}

TEST(VLVariantTest, GetMayOverwriteTheObjectItCalls) {
  bool destroyed = false;
  VLVariant v = VLVariant::Adopt(new Valued(VLVariant::Text(u"value"), &destroyed));
  EXPECT_FALSE(v.Get("", &v).Failed());
  EXPECT_TRUE(destroyed);
  EXPECT_EQ(v.AsText(), u"value");
}

TEST(VLVariantTest, InvokeWithoutObjectFails) {
  VLVariant result = VLVariant::Int(1);
  EXPECT_TRUE(VLVariant::Text(u"x").Get("Text", &result).Failed());
  EXPECT_TRUE(VLVariant::Object(nullptr).Get("Text", &result).Failed());
}

}  // namespace
