// Full-text queries against a small fixed index: the first byte chooses the index (bit 0: the
// Boolean-only one), the simplifier (bit 1), phrase simplification (bit 2) and the links flag
// (bit 3); the rest is the query. Every document of the result is scored and gets its
// highlight positions.
#include <cstddef>
#include <cstdint>
#include <string>

#include "find/ZTCursor.h"
#include "frontends/index/ZTIndex.h"
#include "frontends/index/ZTIndexResult.h"
#include "frontends/index/ZTPertinenceScorer.h"
#include "fuzz/index_fuzz_index.h"

namespace {

ZTIndex* Open(const std::string& config) {
  ZTIndex* index = new ZTIndex();
  if (index->SetFileName(config.c_str(), nullptr) == 0) return index;
  index->Release();
  return nullptr;
}

void Evaluate(ZTIndexResult* result) {
  ZTCursor* documents = nullptr;
  if (result->GetDocumentList(&documents) || !documents || documents->ComputeCursorForm()) {
    ztRelease(documents);
    return;
  }
  ZTPertinenceScorer* scorer = new ZTPertinenceScorer();
  result->RunScorer(scorer);
  scorer->Release();
  for (PRUint32 i = 0; i < documents->GetCount(); ++i) {
    ZTCursor* positions = nullptr;
    result->GetHiliteInfo(documents->GetArray()[i], &positions);
    ztRelease(positions);
  }
  documents->Release();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const ztTempDir* dir = ztFuzzIndex();
  static ZTIndex* s_full = dir ? Open(dir->File("index.cfg")) : nullptr;
  static ZTIndex* s_boolean = dir ? Open(dir->File("boolean/index.cfg")) : nullptr;
  static ztIStringSimplifier* s_simplifier = ztFuzzSimplifier();
  if (!s_full || !s_boolean || size == 0 || size > 65536) return 0;
  const uint8_t flags = data[0];
  ZTIndex* index = flags & 1 ? s_boolean : s_full;
  index->SetPhraseApplySimplifier(flags & 4);
  const std::string query(reinterpret_cast<const char*>(data) + 1, size - 1);
  ZTIndexResult* result = nullptr;
  if (index->SearchExpression(query.c_str(), flags & 8, flags & 2 ? s_simplifier : nullptr, nullptr,
                              &result) == 0) {
    Evaluate(result);
  }
  ztRelease(result);
  return 0;
}
