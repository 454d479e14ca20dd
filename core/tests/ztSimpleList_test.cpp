#include "core/ztSimpleList.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/ZTErrors.h"

namespace {

int a = 0, b = 0, c = 0;

std::vector<void*> Elements(const ztSimpleList& list) {
  std::vector<void*> out;
  for (PRUint32 k = 0; k < list.GetCount(); ++k) {
    void* p = nullptr;
    EXPECT_EQ(list.GetElement(k, &p), 0);
    out.push_back(p);
  }
  return out;
}

TEST(ztSimpleListTest, AppendPrependAndExtendWithNulls) {
  ztSimpleList list;
  ASSERT_EQ(list.Append(&a), 0);
  ASSERT_EQ(list.Append(&b), 0);
  ASSERT_EQ(list.Prepend(&c), 0);
  EXPECT_EQ(Elements(list), (std::vector<void*>{&c, &a, &b}));
  void* p = nullptr;
  EXPECT_EQ(list.GetElement(3, &p), ZT_E_INVALID);
  ASSERT_EQ(list.SetElement(5, &a), 0);
  EXPECT_EQ(list.GetCount(), 6u);
  EXPECT_EQ(Elements(list), (std::vector<void*>{&c, &a, &b, nullptr, nullptr, &a}));
  ASSERT_EQ(list.SetElement(0, &b), 0);
  EXPECT_EQ(Elements(list)[0], &b);
}

TEST(ztSimpleListTest, NeverUsedListAnswersWrongState) {
  ztSimpleList list;
  void* p = nullptr;
  EXPECT_EQ(list.GetCount(), 0u);
  EXPECT_EQ(list.GetElement(0, &p), ZT_E_STATE);
  EXPECT_EQ(list.RemoveElement(0), ZT_E_STATE);
  EXPECT_EQ(list.Next(), nullptr);
  EXPECT_EQ(list.AppendTo(nullptr), ZT_E_STATE);
}

TEST(ztSimpleListTest, RemoveElementAtEachEnd) {
  ztSimpleList list;
  for (void* p : {&a, &b, &c}) ASSERT_EQ(list.Append(p), 0);
  EXPECT_EQ(list.RemoveElement(3), ZT_E_INVALID);
  ASSERT_EQ(list.RemoveElement(1), 0);
  EXPECT_EQ(Elements(list), (std::vector<void*>{&a, &c}));
  ASSERT_EQ(list.RemoveElement(1), 0);
  ASSERT_EQ(list.RemoveElement(0), 0);
  EXPECT_EQ(list.GetCount(), 0u);
  ASSERT_EQ(list.Append(&b), 0);
  EXPECT_EQ(Elements(list), (std::vector<void*>{&b}));
}

TEST(ztSimpleListTest, IterationEndsWithOneNullThenStartsAgain) {
  ztSimpleList list;
  for (void* p : {&a, &b}) ASSERT_EQ(list.Append(p), 0);
  list.Rewind();
  EXPECT_EQ(list.Next(), &a);
  EXPECT_EQ(list.Next(), &b);
  EXPECT_EQ(list.Next(), nullptr);
  EXPECT_EQ(list.Next(), &a);
  // Removing the element the iteration stands on lets it go on with the following one.
  ASSERT_EQ(list.RemoveElement(0), 0);
  EXPECT_EQ(list.Next(), &b);
  EXPECT_EQ(list.Next(), nullptr);
}

TEST(ztSimpleListTest, AppendToCopiesInOrderEvenIntoItself) {
  ztSimpleList list, other;
  for (void* p : {&a, &b}) ASSERT_EQ(list.Append(p), 0);
  ASSERT_EQ(other.Append(&c), 0);
  ASSERT_EQ(list.AppendTo(&other), 0);
  EXPECT_EQ(Elements(other), (std::vector<void*>{&c, &a, &b}));
  ASSERT_EQ(list.AppendTo(&list), 0);
  EXPECT_EQ(Elements(list), (std::vector<void*>{&a, &b, &a, &b}));
}

}  // namespace
