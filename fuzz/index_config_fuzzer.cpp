// The full-text index configuration: arbitrary bytes as "index.cfg", then, when the index takes
// them, one query and the highlight positions of its documents. "$DIR" in the input stands for
// the directory of a small fixed index, so that lines can name its real word list, fields and
// lists.
#include <cstddef>
#include <cstdint>
#include <string>

#include "find/ZTCursor.h"
#include "frontends/index/ZTIndex.h"
#include "frontends/index/ZTIndexResult.h"
#include "fuzz/index_fuzz_index.h"

namespace {

std::string Expanded(std::string text, const std::string& dir) {
  for (size_t at = text.find("$DIR"); at != std::string::npos; at = text.find("$DIR", at)) {
    text.replace(at, 4, dir);
    at += dir.size();
  }
  return text;
}

void Query(ZTIndex* index) {
  ZTIndexResult* result = nullptr;
  ZTCursor* documents = nullptr;
  if (index->SearchExpression("chat or \"chien court\"", 0, nullptr, nullptr, &result) == 0 &&
      result->GetDocumentList(&documents) == 0 && documents &&
      documents->ComputeCursorForm() == 0) {
    for (PRUint32 i = 0; i < documents->GetCount(); ++i) {
      ZTCursor* positions = nullptr;
      result->GetHiliteInfo(documents->GetArray()[i], &positions);
      ztRelease(positions);
    }
  }
  ztRelease(documents);
  ztRelease(result);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const ztTempDir* dir = ztFuzzIndex();
  if (!dir || size > 4096) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string path = dir->Write("input.cfg", Expanded(text, dir->path()));
  ZTIndex* index = new ZTIndex();
  if (index->SetFileName(path.c_str(), nullptr) == 0) Query(index);
  index->Release();
  return 0;
}
