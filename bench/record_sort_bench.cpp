// The record sorts on 1,000,000 eight-byte records through a comparator, beside std::sort of
// the same data (directly on the keys, and through the same comparator object), for ordered,
// unordered and hostile inputs. One line per sort and input: "<sort>/<input>".
#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "core/ZTRecordSort.h"
#include "testing/ztSortAdversary.h"

namespace {

constexpr PRUint32 kRecords = 1000000;

using Records = std::vector<ztTestRecord>;

int StdSort(void* array, PRUint32 count, PRUint32, ZTIComparator*) {
  ztTestRecord* records = static_cast<ztTestRecord*>(array);
  std::sort(records, records + count);
  return 0;
}

int StdSortViaComparator(void* array, PRUint32 count, PRUint32, ZTIComparator* comparator) {
  ztTestRecord* records = static_cast<ztTestRecord*>(array);
  std::sort(records, records + count, [comparator](const ztTestRecord& a, const ztTestRecord& b) {
    int order = 0;
    comparator->Compare(&a, &b, &order);
    return order < 0;
  });
  return 0;
}

const ztNamedSort kStdSorts[] = {
    {"std_sort", StdSort},
    {"std_sort_via_comparator", StdSortViaComparator},
};

void RunSort(benchmark::State& state, const ztTestSort& sort, const Records* input) {
  Records work;
  for (auto _ : state) {
    state.PauseTiming();
    work = *input;
    state.ResumeTiming();
    ztTestRecordComparator comparator;
    if (sort(work.data(), kRecords, sizeof(ztTestRecord), &comparator) != 0) {
      state.SkipWithError("sort failed");
    }
    benchmark::DoNotOptimize(work.data());
  }
  if (!std::is_sorted(work.begin(), work.end())) state.SkipWithError("not sorted");
}

// Every input lives until the end of the program; the benchmarks keep pointers to them.
std::map<std::string, Records>& Inputs() {
  static std::map<std::string, Records> s_inputs;
  return s_inputs;
}

void RegisterSort(const ztNamedSort& s, const std::string& inputName, const Records* input) {
  benchmark::RegisterBenchmark((std::string(s.name) + "/" + inputName).c_str(), RunSort, s.sort,
                               input)
      ->Unit(benchmark::kMillisecond);
}

void RegisterInput(const std::string& inputName, Records records) {
  const Records* input = &(Inputs()[inputName] = std::move(records));
  for (const ztNamedSort& s : ztRecordSorts) RegisterSort(s, inputName, input);
  for (const ztNamedSort& s : kStdSorts) RegisterSort(s, inputName, input);
}

void RegisterAll() {
  for (ztSortInput input :
       {ztSortInput::kRandom, ztSortInput::kSorted, ztSortInput::kReversed, ztSortInput::kAllEqual,
        ztSortInput::kOrganPipe, ztSortInput::kFewDistinct}) {
    RegisterInput(ztSortInputName(input), ztMakeSortInput(input, kRecords));
  }
  // Inputs made against each quicksort's own pivot choice.
  RegisterInput("adversary_q3", ztAntiQuicksort::Generate(ZTQ3sortRecord, kRecords));
  RegisterInput("adversary_q2", ztAntiQuicksort::Generate(ZTQsortRecord, kRecords));
}

}  // namespace

int main(int argc, char** argv) {
  RegisterAll();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
