// The lookup-index parser: any bytes as an index file, loaded and searched with text,
// unsigned and signed keys.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "backends/native/ZTLCFile.h"
#include "fuzz/native_fuzz_files.h"

static volatile size_t s_keyBytes;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const ztFuzzFiles files;
  const std::string path = files.Write("i.lc", data, size);
  ZTLCFile* index = new ZTLCFile();
  index->ConfigureItem("LC", "PATH", path.c_str());
  index->ConfigureItem("LC", "OLDFORMAT", size % 2 ? "YES" : "NO");
  index->SetPageLimit(size % 64);
  PRInt32 page = 0;
  const PRUint32 unsignedKey = size > 0 ? data[0] : 0;
  const PRInt32 signedKey = -static_cast<PRInt32>(size);
  for (const char* key : {"a", "m", "\xff", "0"}) {
    index->Lookup(key, ZTLCFile::kText, &page);
    index->FindPageBefore(key, ZTLCFile::kText, &page);
  }
  index->Lookup(&unsignedKey, ZTLCFile::kUNum, &page);
  index->FindPageBefore(&signedKey, ZTLCFile::kSNum, &page);
  // Every entry's keys are read through (the sanitizers check them); the sum is kept so that
  // the reads are not optimised away.
  size_t keyBytes = 0;
  for (PRUint32 i = 0; i < index->GetEntryCount(); ++i) {
    keyBytes +=
        std::strlen(index->GetEntry(i).m_pcFirst) + std::strlen(index->GetEntry(i).m_pcLast);
  }
  s_keyBytes = keyBytes;
  index->Release();
  return 0;
}
