// Cursor set operations against plain loops and the standard algorithms over the same data,
// sorting by rank, multiplexing and link resolution over the in-memory record set.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "core/ZTBinary.h"
#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTCursorComparatorRank.h"
#include "find/ztResolveRS.h"
#include "testing/find/ztMemoryField.h"
#include "testing/find/ztMemoryRecordSet.h"

namespace {

typedef std::vector<PRUint32> Values;

const PRUint32 kElements = 1000000;
const PRUint32 kRange = 4000000;

// count distinct values below range, ascending.
Values Draw(PRUint32 count, PRUint32 range, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<bool> taken(range);
  Values values;
  while (values.size() < count) {
    const PRUint32 v = random() % range;
    if (!taken[v]) {
      taken[v] = true;
      values.push_back(v);
    }
  }
  std::sort(values.begin(), values.end());
  return values;
}

Values Words(const Values& values) {
  Values words(kRange / 32);
  for (PRUint32 v : values) words[v / 32] |= 1u << (v % 32);
  return words;
}

const Values& A() {
  static const Values a = Draw(kElements, kRange, 1);
  return a;
}

const Values& B() {
  static const Values b = Draw(kElements, kRange, 2);
  return b;
}

ZTCursor* Cursor(const Values& values, bool bitmap) {
  ZTCursor* cursor = nullptr;
  if (bitmap) {
    const Values words = Words(values);
    ZTCursor::_CreateInstance(static_cast<PRUint32>(words.size()), words.data(), 1, &cursor);
  } else {
    ZTCursor::_CreateInstance(static_cast<PRUint32>(values.size()), values.data(), &cursor);
  }
  return cursor;
}

// Bitmap form: the operation is idempotent, so every iteration does the same word loop.
void BM_BitmapMerge(benchmark::State& state) {
  const ztfOperator op = static_cast<ztfOperator>(state.range(0));
  ZTCursor* a = Cursor(A(), true);
  ZTCursor* b = Cursor(B(), true);
  for (auto _ : state) {
    a->Merge(b, op);
    benchmark::ClobberMemory();
  }
  a->Release();
  b->Release();
}
BENCHMARK(BM_BitmapMerge)->ArgName("op")->Arg(ztfOr)->Arg(ztfAnd)->Arg(ztfAndNot);

void BM_PlainWordLoop(benchmark::State& state) {
  const int op = static_cast<int>(state.range(0));
  Values a = Words(A());
  const Values b = Words(B());
  for (auto _ : state) {
    PRUint32* x = a.data();
    const PRUint32* y = b.data();
    const size_t n = a.size();
    if (op == ztfOr) {
      for (size_t i = 0; i < n; ++i) x[i] |= y[i];
    } else if (op == ztfAnd) {
      for (size_t i = 0; i < n; ++i) x[i] &= y[i];
    } else {
      for (size_t i = 0; i < n; ++i) x[i] &= ~y[i];
    }
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PlainWordLoop)->ArgName("op")->Arg(ztfOr)->Arg(ztfAnd)->Arg(ztfAndNot);

// Array form, both operands sorted by the rank comparator; the first is restored (untimed)
// before each merge.
void BM_ArrayMerge(benchmark::State& state) {
  const ztfOperator op = static_cast<ztfOperator>(state.range(0));
  ZTCursorComparatorRank* rank = new ZTCursorComparatorRank();
  ZTCursor* a = Cursor(A(), false);
  ZTCursor* b = Cursor(B(), false);
  b->Sort(rank);
  for (auto _ : state) {
    state.PauseTiming();
    a->SetCursorForm(kElements, A().data());
    a->Sort(rank);
    state.ResumeTiming();
    a->Merge(b, op);
    benchmark::DoNotOptimize(a->GetArray());
  }
  a->Release();
  b->Release();
  rank->Release();
}
BENCHMARK(BM_ArrayMerge)->ArgName("op")->Arg(ztfOr)->Arg(ztfAnd)->Arg(ztfAndNot);

// The standard algorithms on the same arrays; the union allocates its output like the merge.
void BM_StdSetAlgorithm(benchmark::State& state) {
  const int op = static_cast<int>(state.range(0));
  const Values& a = A();
  const Values& b = B();
  Values out(a.size());
  for (auto _ : state) {
    if (op == ztfOr) {
      std::unique_ptr<PRUint32[]> merged(new PRUint32[a.size() + b.size()]);
      benchmark::DoNotOptimize(
          std::set_union(a.begin(), a.end(), b.begin(), b.end(), merged.get()));
    } else if (op == ztfAnd) {
      benchmark::DoNotOptimize(
          std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), out.begin()));
    } else {
      benchmark::DoNotOptimize(
          std::set_difference(a.begin(), a.end(), b.begin(), b.end(), out.begin()));
    }
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_StdSetAlgorithm)->ArgName("op")->Arg(ztfOr)->Arg(ztfAnd)->Arg(ztfAndNot);

Values Shuffled() {
  Values values = A();
  std::shuffle(values.begin(), values.end(), std::mt19937(3));
  return values;
}

void BM_SortByRank(benchmark::State& state) {
  const Values values = Shuffled();
  ZTCursorComparatorRank* rank = new ZTCursorComparatorRank();
  ZTCursor* cursor = Cursor(values, false);
  for (auto _ : state) {
    state.PauseTiming();
    cursor->SetCursorForm(kElements, values.data());
    state.ResumeTiming();
    cursor->Sort(rank);
  }
  cursor->Release();
  rank->Release();
}
BENCHMARK(BM_SortByRank)->Unit(benchmark::kMillisecond);

// The same order through the comparator interface (the three-way quicksort, one virtual
// comparison per step), as every comparator other than the rank comparator sorts.
class ValueOrder : public ZTICursorComparator {
 public:
  int CompareRanks(PRUint32 a, PRUint32 b, int* piResult) override {
    *piResult = (a > b) - (a < b);
    return ZT_OK;
  }
  int GetMyComparatorID(ZTBinary** ppId) override {
    *ppId = new ZTBinary();
    return (*ppId)->SetStringData("ValueOrder");
  }
};

void BM_SortThroughComparator(benchmark::State& state) {
  const Values values = Shuffled();
  ValueOrder* order = new ValueOrder();
  ZTCursor* cursor = Cursor(values, false);
  for (auto _ : state) {
    state.PauseTiming();
    cursor->SetCursorForm(kElements, values.data());
    state.ResumeTiming();
    cursor->Sort(order);
  }
  cursor->Release();
  order->Release();
}
BENCHMARK(BM_SortThroughComparator)->Unit(benchmark::kMillisecond);

void BM_StdSort(benchmark::State& state) {
  const Values values = Shuffled();
  Values work;
  for (auto _ : state) {
    state.PauseTiming();
    work = values;
    state.ResumeTiming();
    std::sort(work.begin(), work.end());
  }
}
BENCHMARK(BM_StdSort)->Unit(benchmark::kMillisecond);

void BM_MuxCursors(benchmark::State& state) {
  std::vector<ZTCursor*> inputs;
  for (unsigned i = 0; i < 1000; ++i) inputs.push_back(Cursor(Draw(1000, kRange, 10 + i), false));
  ZTCursor* out = Cursor({}, false);
  for (auto _ : state) {
    out->MuxCursors(inputs.data(), static_cast<PRUint32>(inputs.size()), nullptr);
    benchmark::DoNotOptimize(out->GetArray());
  }
  state.counters["elements"] = out->GetCount();
  out->Release();
  for (ZTCursor* c : inputs) c->Release();
}
BENCHMARK(BM_MuxCursors)->Unit(benchmark::kMillisecond);

// 100,000 words, each linked to 5 consecutive records of a document table.
void BM_ResolveRSLink(benchmark::State& state) {
  const PRUint32 n = 100000;
  const Values docs = Draw(n, kRange, 4);
  ztMemoryRecordSet* targets = new ztMemoryRecordSet();
  targets->AddField("doc", ztfFieldUNum);
  for (PRUint32 i = 0; i < n; ++i) targets->SetUNum(targets->AddRecord(), "doc", docs[i]);
  ztMemoryRecordSet* words = new ztMemoryRecordSet();
  words->AddField("occ", ztfFieldLink, targets);
  for (PRUint32 i = 0; i < n; ++i)
    words->SetLink(words->AddRecord(), "occ", i, std::min(5u, n - i));
  ZTCursor* input = nullptr;
  ZTCursor::_CreateInstance(0, nullptr, &input);
  input->InitStartCount(0, n);
  for (auto _ : state) {
    ZTCursor* out = nullptr;
    ztResolveRSLink(input, words, words->Field("occ"), targets->Field("doc"), 0, nullptr, &out);
    state.counters["elements"] = out->GetCount();
    out->Release();
  }
  input->Release();
  words->Release();
  targets->Release();
}
BENCHMARK(BM_ResolveRSLink)->Unit(benchmark::kMillisecond);

}  // namespace
