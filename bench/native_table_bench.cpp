// Native tables of 1,000,000 rows (a text lookup key and an article of about 2 KB in two
// packs), written plain and with compressed content: writer throughput, opening, random
// records, exact and before lookups on existing and missing keys, article reads, and the
// process's peak memory. The tables are written into ZT_BENCH_DIR (default: the temporary
// directory) and removed at exit; ZT_BENCH_BLOCK_SIZE and ZT_BENCH_LEVEL set the compressed
// block size and the zlib level.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "backends/native/ZTTable.h"
#include "core/ZTBinary.h"
#include "find/ZTIField.h"
#include "find/ZTIFldCollection.h"
#include "find/ZTIRecord.h"
#include "tools/writer/ZTTableWriter.h"

namespace {

const PRUint32 kRows = 1000000;
const PRUint32 kArticles = 4096;  // distinct articles, cycled over the rows

std::string Key(PRUint32 i, bool missing) {
  char buffer[32];
  std::snprintf(buffer, sizeof(buffer), missing ? "w%07ux" : "w%07u", i);
  return buffer;
}

// Article texts of about 2 KB made of words of a small vocabulary, as compressible as prose.
const std::vector<std::string>& Articles() {
  static std::vector<std::string> articles;
  if (!articles.empty()) return articles;
  std::mt19937 random(42);
  std::vector<std::string> words;
  for (int i = 0; i < 5000; ++i) {
    std::string word;
    for (int n = 3 + random() % 7; n > 0; --n) word += static_cast<char>('a' + random() % 26);
    words.push_back(word);
  }
  for (PRUint32 a = 0; a < kArticles; ++a) {
    std::string text = "<p>";
    // Frequent words are chosen more often, as in prose.
    while (text.size() < 2000) text += words[(random() % 5000) * (random() % 5000) / 5000] + " ";
    articles.push_back(text + "</p>");
  }
  return articles;
}

std::string Directory() {
  const char* base = std::getenv("ZT_BENCH_DIR");
  static const std::string dir =
      (std::filesystem::path(base ? base : std::filesystem::temp_directory_path().c_str()) /
       ("zt-native-bench-" + std::to_string(::getpid())))
          .string();
  return dir;
}

struct Cleanup {
  ~Cleanup() {
    std::error_code ec;
    std::filesystem::remove_all(Directory(), ec);
  }
} s_cleanup;

int Level() {
  const char* value = std::getenv("ZT_BENCH_LEVEL");
  return value ? std::atoi(value) : ZTTableWriter::kDefaultLevel;
}

PRUint32 BlockSize() {
  const char* value = std::getenv("ZT_BENCH_BLOCK_SIZE");
  return value ? static_cast<PRUint32>(std::strtoul(value, nullptr, 10))
               : ZTTableWriter::kDefaultBlockSize;
}

// Writes the table; answers the article bytes written, 0 on failure.
double WriteTable(const std::string& path, bool compressed) {
  ZTTableWriter writer;
  ZTDataFieldSpec word;
  word.m_pcCountType = "UBYTE";
  word.m_bCompressed = compressed;
  ZTDataFieldSpec article;
  article.m_pcCountType = "USHORT";
  article.m_pcPackType = "UBYTE";
  article.m_uPacks = 2;
  article.m_bCompressed = compressed;
  int w = -1, a = -1;
  writer.AddDataField("WORD", word, &w);
  writer.AddDataField("ARTICLE", article, &a);
  writer.SetLookupField(w);
  writer.SetBlockSize(BlockSize());
  writer.SetCompressionLevel(Level());
  if (writer.Begin(path.c_str())) return 0;
  const std::vector<std::string>& articles = Articles();
  ZTWriterRow row(2);
  double bytes = 0;
  for (PRUint32 i = 0; i < kRows; ++i) {
    const std::string key = Key(i, false);
    const std::string& text = articles[(i * 7919u) % kArticles];
    row.SetText(w, key.c_str());
    row.SetData(a, text.data(), static_cast<PRUint32>(text.size()), i < kRows / 2 ? 0 : 1);
    if (writer.AddRow(row)) return 0;
    bytes += text.size();
  }
  return writer.Finish() ? 0 : bytes;
}

const std::string& TablePath(bool compressed) {
  static std::string paths[2];
  std::string& path = paths[compressed];
  if (path.empty()) {
    std::filesystem::create_directories(Directory());
    path = Directory() + (compressed ? "/compressed" : "/plain");
    if (!std::filesystem::exists(path)) WriteTable(path, compressed);
  }
  return path;
}

ZTTable* OpenTable(bool compressed) {
  ZTTable* table = new ZTTable();
  if (table->SetFileName(TablePath(compressed).c_str()) == 0) return table;
  table->Release();
  return nullptr;
}

void BM_Write(benchmark::State& state) {
  const bool compressed = state.range(0) != 0;
  Articles();
  std::filesystem::create_directories(Directory());
  const std::string path = Directory() + (compressed ? "/compressed" : "/plain");
  double bytes = 0;
  for (auto _ : state) bytes = WriteTable(path, compressed);
  if (bytes == 0) state.SkipWithError("the table could not be written");
  state.counters["article_MB_per_s"] = benchmark::Counter(bytes / 1e6, benchmark::Counter::kIsRate);
  state.counters["table_MB"] = [&] {
    double size = 0;
    for (const auto& entry : std::filesystem::directory_iterator(path)) size += entry.file_size();
    return size / 1e6;
  }();
}
BENCHMARK(BM_Write)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

void BM_Open(benchmark::State& state) {
  const bool compressed = state.range(0) != 0;
  TablePath(compressed);
  for (auto _ : state) {
    ZTTable* table = OpenTable(compressed);
    if (!table) {
      state.SkipWithError("open failed");
      break;
    }
    table->Release();
  }
}
BENCHMARK(BM_Open)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Times each call of op on random rows and reports the median and 99th percentile.
template <class Op>
void TimeEach(benchmark::State& state, Op op) {
  std::mt19937 random(7);
  std::vector<double> times;
  for (auto _ : state) {
    const PRUint32 i = random() % kRows;
    const auto start = std::chrono::steady_clock::now();
    if (!op(i)) {
      state.SkipWithError("operation failed");
      break;
    }
    times.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
            .count());
  }
  if (times.empty()) return;
  std::sort(times.begin(), times.end());
  state.counters["median_us"] = times[times.size() / 2];
  state.counters["p99_us"] = times[times.size() * 99 / 100];
}

void BM_GetRecord(benchmark::State& state) {
  ZTTable* table = OpenTable(state.range(0) != 0);
  TimeEach(state, [&](PRUint32 i) {
    ZTIRecord* record = nullptr;
    if (table->GetRecord(i, &record)) return false;
    record->Release();
    return true;
  });
  table->Release();
}
BENCHMARK(BM_GetRecord)->Arg(0)->Arg(1);

// range(0): compressed; range(1): mode; range(2): missing keys.
void BM_LookupText(benchmark::State& state) {
  ZTTable* table = OpenTable(state.range(0) != 0);
  const ztfLookupMode mode = static_cast<ztfLookupMode>(state.range(1));
  const bool missing = state.range(2) != 0;
  TimeEach(state, [&](PRUint32 i) {
    const std::string key = Key(i, missing);
    PRUint32 record = 0;
    const int rc = table->LookupText(key.c_str(), mode, &record);
    // Missing keys are not found exactly; before a key, the record is the one just below.
    if (mode == ztfLookupEqual) return missing ? rc == 11 : rc == 0 && record == i;
    return rc == 0 ? record == (missing ? i : i - 1) : (i == 0 && !missing);
  });
  table->Release();
}
BENCHMARK(BM_LookupText)
    ->ArgNames({"compressed", "mode", "missing"})
    ->ArgsProduct({{0, 1}, {ztfLookupEqual, ztfLookupBefore}, {0, 1}});

void BM_ReadArticle(benchmark::State& state) {
  ZTTable* table = OpenTable(state.range(0) != 0);
  ZTIFldCollection* fields = nullptr;
  ZTIField* article = nullptr;
  table->GetFldCollection(&fields);
  fields->GetField("ARTICLE", &article);
  double bytes = 0;
  TimeEach(state, [&](PRUint32 i) {
    ZTIRecord* record = nullptr;
    ZTBinary* value = nullptr;
    const bool ok =
        table->GetRecord(i, &record) == 0 && record->GetDataFieldValue(article, &value) == 0;
    if (value) bytes += value->GetLength();
    ztRelease(value);
    ztRelease(record);
    return ok;
  });
  state.counters["article_MB_per_s"] = benchmark::Counter(bytes / 1e6, benchmark::Counter::kIsRate);
  article->Release();
  fields->Release();
  table->Release();
}
BENCHMARK(BM_ReadArticle)->Arg(0)->Arg(1);

void BM_PeakMemory(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(state.iterations());
  rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MB"] = usage.ru_maxrss / 1024.0;
}
BENCHMARK(BM_PeakMemory)->Iterations(1);

}  // namespace
