// The multiplexer: set unions, value-by-value merges with their positions and flags, single
// inputs, comparators, stop flags and handing the result over.
#include "find/ZTMux.h"

#include <gtest/gtest.h>

#include <prmem.h>

#include <algorithm>
#include <vector>

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTICursorComparator.h"
#include "find/ZTIMuxAncillaryCallback.h"
#include "testing/find/ztFindTesting.h"

namespace {

// Records every call and writes the value into its 4-byte block; fails on value failOn.
class Recorder : public ZTIMuxAncillaryCallback {
 public:
  struct Call {
    PRUint32 value;
    ztElements positions;
    std::vector<int> flags;
  };
  Recorder(PRUint32 inputs, PRUint32 failOn = 0xFFFFFFFFu) : m_inputs(inputs), m_failOn(failOn) {}
  int Compute(PRUint32 value, const PRUint32* positions, const int* flags,
              void* ancillary) override {
    if (value == m_failOn) return 55;
    calls.push_back({value, ztElements(positions, positions + m_inputs),
                     std::vector<int>(flags, flags + m_inputs)});
    *static_cast<PRUint32*>(ancillary) = value * 10;
    return ZT_OK;
  }
  std::vector<Call> calls;

 private:
  PRUint32 m_inputs;
  PRUint32 m_failOn;
};

ztElements Retrieve(ZTMux* mux, ztElements* ancillary = nullptr) {
  PRUint32 count = 0;
  PRUint32* items = nullptr;
  void* blocks = nullptr;
  EXPECT_EQ(mux->RetrieveDataWithAncillary(&count, &items, ancillary ? &blocks : nullptr), ZT_OK);
  ztElements result(items, items + count);
  if (ancillary) {
    const PRUint32* words = static_cast<const PRUint32*>(blocks);
    ancillary->assign(words, words + count);
  }
  if (items) PR_Free(items);
  if (blocks) PR_Free(blocks);
  return result;
}

struct Inputs {
  explicit Inputs(std::initializer_list<ztElements> lists) {
    for (const ztElements& list : lists) cursors.push_back(ztMakeCursor(list));
  }
  ~Inputs() {
    for (ZTCursor* c : cursors) c->Release();
  }
  ZTCursor** data() { return cursors.data(); }
  PRUint32 size() const { return static_cast<PRUint32>(cursors.size()); }
  std::vector<ZTCursor*> cursors;
};

TEST(ZTMuxTest, MuxCursorsGivesTheUnion) {
  Inputs inputs({{2, 9}, {2, 4}, {}});
  ZTMux mux;
  ASSERT_EQ(mux.MuxCursors(inputs.data(), inputs.size(), nullptr), ZT_OK);
  EXPECT_EQ(Retrieve(&mux), (ztElements{2, 4, 9}));
  int stop = 1;
  EXPECT_EQ(mux.MuxCursors(inputs.data(), inputs.size(), &stop), ZT_E_STOPPED);
}

// Few values in arrays are sorted together; many, or a cursor in bitmap form, go through a
// bitmap: the same ascending union either way.
TEST(ZTMuxTest, SmallAndLargeUnionsAgree) {
  for (PRUint32 size : {10u, 3000u}) {
    ztElements evens, threes;
    for (PRUint32 v = 0; v < size; ++v) {
      evens.push_back(2 * v);
      threes.push_back(3 * v);
    }
    ztElements expected = evens;
    expected.insert(expected.end(), threes.begin(), threes.end());
    std::sort(expected.begin(), expected.end());
    expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
    for (bool bitmap : {false, true}) {
      Inputs inputs({threes, evens, {}});
      if (bitmap) {
        ASSERT_EQ(inputs.cursors[0]->ComputeBitmapForm(), ZT_OK);
      }
      ZTMux mux;
      ASSERT_EQ(mux.MuxCursors(inputs.data(), inputs.size(), nullptr), ZT_OK);
      EXPECT_EQ(Retrieve(&mux), expected) << size << (bitmap ? " bitmap" : "");
    }
  }
}

TEST(ZTMuxTest, MergeReportsPositionsAndFlagsOfEveryOutput) {
  Inputs inputs({{1, 4, 6}, {4, 5}});
  Recorder recorder(2);
  ZTMux mux;
  ASSERT_EQ(mux.MuxCursorsWithAncillary(inputs.data(), 2, 4, &recorder, nullptr, nullptr), ZT_OK);
  ztElements blocks;
  EXPECT_EQ(Retrieve(&mux, &blocks), (ztElements{1, 4, 5, 6}));
  EXPECT_EQ(blocks, (ztElements{10, 40, 50, 60}));
  ASSERT_EQ(recorder.calls.size(), 4u);
  EXPECT_EQ(recorder.calls[1].value, 4u);
  EXPECT_EQ(recorder.calls[1].flags, (std::vector<int>{0, 1}));
  EXPECT_EQ(recorder.calls[1].positions, (ztElements{3, 1}));
  EXPECT_EQ(recorder.calls[3].value, 6u);
  EXPECT_EQ(recorder.calls[3].flags, (std::vector<int>{1, 0}));
  EXPECT_EQ(recorder.calls[3].positions, (ztElements{3, 2}));
}

TEST(ZTMuxTest, ASingleInputPassesThroughUnmerged) {
  Inputs inputs({{7, 3, 7}});
  Recorder recorder(1);
  ZTMux mux;
  ASSERT_EQ(mux.MuxCursorsWithAncillary(inputs.data(), 1, 4, &recorder, nullptr, nullptr), ZT_OK);
  EXPECT_EQ(Retrieve(&mux), (ztElements{7, 3, 7}));
  ASSERT_EQ(recorder.calls.size(), 3u);
  for (PRUint32 k = 0; k < 3; ++k) {
    EXPECT_EQ(recorder.calls[k].positions, ztElements{k});
    EXPECT_EQ(recorder.calls[k].flags, std::vector<int>{1});
  }
}

// Ranks running from the largest value to the smallest.
class ReverseRanks : public ZTICursorComparator {
 public:
  int CompareRanks(PRUint32 a, PRUint32 b, int* piResult) override {
    *piResult = (b > a) - (b < a);
    return ZT_OK;
  }
  int GetMyComparatorID(ZTBinary**) override { return ZT_E_FAILED; }
};

TEST(ZTMuxTest, MergesInTheComparatorsOrder) {
  Inputs inputs({{9, 5, 1}, {8, 5, 2}, {}});
  ReverseRanks* reverse = new ReverseRanks();
  reverse->SetSortingOrder(-1);  // not applied by the merge
  ZTMux mux;
  ASSERT_EQ(mux.MuxCursorsWithAncillary(inputs.data(), 3, 0, nullptr, reverse, nullptr), ZT_OK);
  EXPECT_EQ(Retrieve(&mux), (ztElements{9, 8, 5, 2, 1}));
  reverse->Release();
}

TEST(ZTMuxTest, StopFlagAndCallbackErrorsEndTheMerge) {
  Inputs inputs({{1, 2}, {3}});
  int stop = 1;
  ZTMux stopped;
  EXPECT_EQ(stopped.MuxCursorsWithAncillary(inputs.data(), 2, 0, nullptr, nullptr, &stop),
            ZT_E_STOPPED);
  Recorder failing(2, 2);
  ZTMux failed;
  EXPECT_EQ(failed.MuxCursorsWithAncillary(inputs.data(), 2, 4, &failing, nullptr, nullptr), 55);
  EXPECT_EQ(Retrieve(&failed), ztElements{1});  // the partial result
}

TEST(ZTMuxTest, RetrieveHandsTheResultOverOnce) {
  Inputs inputs({{1, 4}, {2}});
  ZTMux mux;
  ASSERT_EQ(mux.MuxCursorsWithAncillary(inputs.data(), 2, 8, nullptr, nullptr, nullptr), ZT_OK);
  EXPECT_EQ(Retrieve(&mux), (ztElements{1, 2, 4}));  // ancillary buffer freed
  EXPECT_EQ(Retrieve(&mux), ztElements{});
  EXPECT_EQ(mux.RetrieveDataWithAncillary(nullptr, nullptr, nullptr), ZT_E_INVALID);
}

TEST(ZTMuxTest, RefusesBuffersWhoseSizeOverflows32Bits) {
  Inputs inputs({{1, 2}, {3}});
  ZTMux mux;
  EXPECT_EQ(mux.MuxCursorsWithAncillary(inputs.data(), 1, 0x80000000u, nullptr, nullptr, nullptr),
            ZT_E_NOMEM);
  EXPECT_EQ(mux.MuxCursorsWithAncillary(inputs.data(), 2, 0x60000000u, nullptr, nullptr, nullptr),
            ZT_E_NOMEM);
  EXPECT_EQ(Retrieve(&mux), ztElements{});
}

TEST(ZTMuxTest, NullCursorsAreRefused) {
  ZTCursor* cursors[] = {ztMakeCursor({1}), nullptr};
  ZTMux mux;
  EXPECT_EQ(mux.MuxCursorsWithAncillary(cursors, 2, 0, nullptr, nullptr, nullptr), ZT_E_INVALID);
  EXPECT_EQ(mux.MuxCursors(cursors, 2, nullptr), ZT_E_INVALID);
  cursors[0]->Release();
}

}  // namespace
