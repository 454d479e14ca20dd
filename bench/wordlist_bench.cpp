// Word-list searches over 300,000 headwords with all five lookup tables, written by the word-list
// builder: exact, begins with (a prefix of about 50 words), ends with, simplified exact, a
// wildcard with a two-letter beginning and a regular expression that visits every headword.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "core/ztIStringSimplifier.h"
#include "find/ZTCursor.h"
#include "frontends/wordlist/ZTRegExpWordList.h"
#include "frontends/wordlist/ZTWildCardWordList.h"
#include "frontends/wordlist/tests/ztWordListTestTables.h"
#include "testing/ztTempDir.h"
#include "tools/writer/ZTWordListBuilder.h"

namespace {

const PRUint32 kWords = 300000;

// Pseudo-words of four to seven letters, some with an accent, in no particular order.
std::vector<std::string> MakeWords() {
  std::vector<std::string> words;
  PRUint32 seed = 12345;
  for (PRUint32 i = 0; i < kWords; ++i) {
    std::string word;
    for (PRUint32 n = 4 + i % 4; n > 0; --n) {
      seed = seed * 1103515245u + 12345u;
      word += static_cast<char>('a' + (seed >> 16) % 26);
    }
    if (i % 10 == 0) word += "\xC3\xA9";  // é
    words.push_back(word + std::to_string(i % 7));
  }
  return words;
}

struct Lists {
  ztTempDir m_dir;
  ZTWildCardWordList* m_pWild = nullptr;
  ZTRegExpWordList* m_pRegExp = nullptr;
  ztIStringSimplifier* m_pSimplifier = nullptr;
  std::vector<std::string> m_words;

  Lists() {
    setenv("ZT_COM_PATH", ZT_COMPONENT_DIR, 0);
    m_pSimplifier = ztCreateSimplifier(ZTWordList::kDefaultSimplifierURL);
    ZTWordListBuilder builder;
    m_words = MakeWords();
    for (const ZTBuilderWord& word : ztPlainWords(m_words)) builder.AddWord(word);
    builder.SetSimplifier(m_pSimplifier);
    builder.SetPageSize(256);
    builder.AddConfiguration("[WILDCARDS]\nSINGLEWILDCARD=0x3f\nMULTIPLEWILDCARD=0x2a\n");
    std::string config;
    m_pWild = new ZTWildCardWordList();
    m_pRegExp = new ZTRegExpWordList();
    if (builder.Write(m_dir.path(), &config) || m_pWild->SetFileName(config.c_str(), nullptr) ||
        m_pRegExp->SetFileName(config.c_str(), nullptr)) {
      abort();
    }
  }
};

Lists& Get() {
  static Lists* s_lists = new Lists();
  return *s_lists;
}

void Report(benchmark::State& state, int rc, ZTCursor* cursor) {
  if (rc) state.SkipWithError("search failed");
  state.counters["words"] = cursor ? cursor->GetCount() : 0;
  if (cursor) cursor->Release();
}

// A word of the list, its beginning or its end (of n bytes).
std::string Word(PRUint32 n, bool end = false) {
  const std::string& word = Get().m_words[1001];
  if (!n) return word;
  return end ? word.substr(word.size() - n) : word.substr(0, n);
}

void Words(benchmark::State& state, int mode, int exact, const std::string& text) {
  ZTWordList* list = Get().m_pWild;
  const char* key = text.c_str();
  for (auto _ : state) {
    ZTCursor* cursor = nullptr;
    const int rc = list->GetWords(mode, exact, nullptr, nullptr, key, &cursor);
    Report(state, rc, cursor);
  }
}

void BM_Exact(benchmark::State& state) {
  Words(state, 1, 1, Word(0));
}
// Three letters: about 20 words; two letters: about 450.
void BM_BeginsWith3(benchmark::State& state) {
  Words(state, 2, 1, Word(3));
}
void BM_BeginsWith2(benchmark::State& state) {
  Words(state, 2, 1, Word(2));
}
void BM_EndsWith(benchmark::State& state) {
  Words(state, 3, 1, Word(3, true));
}
void BM_SimplifiedExact(benchmark::State& state) {
  Words(state, 1, 0, Word(0));
}

void BM_WildCardTwoLetterBeginning(benchmark::State& state) {
  Lists& lists = Get();
  for (auto _ : state) {
    ZTCursor* cursor = nullptr;
    const std::string pattern = Word(2) + "*?" + Word(1, true);
    const int rc =
        lists.m_pWild->GetWildCardWords(nullptr, nullptr, pattern.c_str(), nullptr, &cursor);
    Report(state, rc, cursor);
  }
}

void BM_RegExpFullScan(benchmark::State& state) {
  Lists& lists = Get();
  for (auto _ : state) {
    ZTCursor* cursor = nullptr;
    const int rc =
        lists.m_pRegExp->GetRegExpWords(nullptr, nullptr, "[a-m]+z[a-z]*[0-3]", nullptr, &cursor);
    Report(state, rc, cursor);
  }
}

}  // namespace

BENCHMARK(BM_Exact)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BeginsWith3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BeginsWith2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EndsWith)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SimplifiedExact)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WildCardTwoLetterBeginning)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RegExpFullScan)->Unit(benchmark::kMillisecond);
