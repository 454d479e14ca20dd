// The small fixed full-text index of the index fuzz targets, written once per process by the
// index builder: a few articles with titles and body text, elisions, entities and the stop
// words "le" and "la", with the simplified lookup tables; "index.cfg" in the directory, and a
// Boolean-only copy (no positions) in its subdirectory "boolean".
#ifndef FUZZ_INDEX_FUZZ_INDEX_H_
#define FUZZ_INDEX_FUZZ_INDEX_H_

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/ZTFactory.h"
#include "core/ztIStringSimplifier.h"
#include "testing/ztTempDir.h"
#include "tools/writer/ZTIndexBuilder.h"

// The word list's default simplifier, through the factory; null when it cannot be made.
inline ztIStringSimplifier* ztFuzzSimplifier() {
  ZTFactory* factory = nullptr;
  ZTRefCount* object = nullptr;
  void* simplifier = nullptr;
  if (ZTFactory::GetFactory(&factory) == 0 &&
      factory->CreateInstance("simplifier:unicode:uni_case,uni_comp", &object) == 0) {
    object->QueryZTInterface(ztIStringSimplifier::GetZTIID(), &simplifier);
    object->Release();
  }
  return static_cast<ztIStringSimplifier*>(simplifier);
}

inline bool ztFuzzWriteIndex(const std::string& directory, bool positions,
                             ztIStringSimplifier* simplifier) {
  const std::vector<std::vector<ZTIndexPart>> articles = {
      {{"<h1>Chat</h1>", 1}, {"<p>Le chat noir dort pr&egrave;s du chien.</p>", 2}},
      {{"<h1>Chien</h1>", 1}, {"<p>Le chien court apr&egrave;s le chat, aujourd'hui.</p>", 2}},
      {{"<h2>Eau</h2>", 8}, {"<p>L'eau de la rivi&egrave;re, ni chat ni chien.</p>", 2}},
      {{"<p>and or not near before AND Or</p>", 2}},
  };
  ZTIndexBuilder builder;
  builder.SetPositions(positions);
  builder.SetSimplifier(simplifier);
  if (builder.SetStopWords({"le", "la"})) return false;
  for (size_t i = 0; i < articles.size(); ++i) {
    if (builder.AddDocument(static_cast<PRUint32>(i * 3), articles[i], nullptr)) return false;
  }
  std::string config;
  return builder.Write(directory, &config) == 0;
}

// The directory of the index (written on the first call); null when it cannot be written.
inline const ztTempDir* ztFuzzIndex() {
  static ztTempDir* s_dir = nullptr;
  static bool s_written = false;
  if (s_dir) return s_written ? s_dir : nullptr;
  setenv("ZT_COM_PATH", ZT_COMPONENT_DIR, 0);
  s_dir = new ztTempDir();
  std::error_code ec;
  std::filesystem::create_directory(s_dir->File("boolean"), ec);
  ztIStringSimplifier* simplifier = ztFuzzSimplifier();
  s_written = simplifier && ztFuzzWriteIndex(s_dir->path(), true, simplifier) &&
              ztFuzzWriteIndex(s_dir->File("boolean"), false, simplifier);
  ztRelease(simplifier);
  return s_written ? s_dir : nullptr;
}

#endif  // FUZZ_INDEX_FUZZ_INDEX_H_
