// Highlighting a stored article: 200 KB of text in 20,000 marked words (about 540 KB with the
// markers), 100 of them highlighted, through ztFilterHilite as the content strategy calls it.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "core/ZTBinary.h"
#include "find/ZTCursor.h"
#include "modules/hiliter/ztFilterHilite.h"

namespace {

const PRUint32 kWords = 20000;
const PRUint32 kHighlighted = 100;

std::string Article() {
  std::mt19937 random(11);
  std::string article = "<html><body><p>";
  for (PRUint32 i = 0; i < kWords; ++i) {
    article += "<?ZT W?>";
    article += std::string(4 + random() % 11, 'a' + random() % 26);  // 9 letters on average
    article += "<?ZT /W?>";
    article += (i % 40 == 39) ? "</p>\n<p>" : " ";
  }
  return article + "</p></body></html>";
}

void BM_FilterHilite(benchmark::State& state) {
  const std::string article = Article();
  ZTBinary* text = ZTBinary::_CreateInstance(article.c_str(), article.size() + 1);
  std::vector<PRUint32> positions;
  for (PRUint32 i = 0; i < kHighlighted; ++i) positions.push_back(i * (kWords / kHighlighted));
  ZTCursor* cursor = nullptr;
  ZTCursor::_CreateInstance(positions.size(), positions.data(), &cursor);
  for (auto _ : state) {
    ZTBinary* out = nullptr;
    if (ztFilterHilite(text, cursor, "<b class=\"zthlt\">", "</b>", &out) != 0)
      state.SkipWithError("hilite");
    benchmark::DoNotOptimize(out->GetData());
    out->Release();
  }
  state.SetBytesProcessed(state.iterations() * article.size());
  state.SetLabel(std::to_string(article.size()) + " bytes");
  cursor->Release();
  text->Release();
}
BENCHMARK(BM_FilterHilite)->Unit(benchmark::kMicrosecond);

}  // namespace
