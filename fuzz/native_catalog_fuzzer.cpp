// Compressed page reads through a catalog: the input is a catalog (its length in the first
// byte, in 8-byte entries) followed by the stored blocks; ranges are then read plainly and
// as static fragments, alone and across blocks.
#include <cstddef>
#include <cstdint>

#include "backends/native/ZTPageFile.h"
#include "backends/native/ZTPageFileFragment.h"
#include "fuzz/native_fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const ztFuzzFiles files;
  if (size < 1) return 0;
  size_t catalog = static_cast<size_t>(data[0] % 16) * 8;
  if (catalog > size - 1) catalog = size - 1;
  files.Write("c.cat", data + 1, catalog);
  const std::string path = files.Write("c.dat", data + 1 + catalog, size - 1 - catalog);
  ZTPageFile* file = new ZTPageFile();
  file->ConfigureItem("", "PATH", path.c_str());
  file->ConfigureItem("", "COMPRESSION", "ZIP");
  file->ConfigureItem("", "CATALOG", files.Path("c.cat").c_str());
  file->ConfigureItem("", "$R", "USHORT");
  if (file->Check() == 0) {
    const PRUint32 logical = file->GetLogicalSize();
    const PRUint32 offsets[] = {0, 1, logical / 2, logical ? logical - 1 : 0, logical, 0xFFFFFFF0u};
    for (PRUint32 offset : offsets) {
      if (file->Load(offset, 3, nullptr) == 0 && file->GetBufferPtr()) {
        volatile PRUint8 sink = file->GetBufferPtr()[2];
        (void)sink;
      }
      ZTPageFileFragment* fragment = nullptr;
      if (file->Load(offset, 2, &fragment) == 0) fragment->Release();
    }
    // Ranges across every block, plain and static, then a block kept from before.
    if (logical > 1 && file->Load(1, logical - 1, nullptr) == 0) {
      volatile PRUint8 sink = file->GetBufferPtr()[logical - 2];
      (void)sink;
    }
    ZTPageFileFragment* whole = nullptr;
    if (file->Load(0, logical, &whole) == 0) whole->Release();
    file->Load(0, 1, nullptr);
    ZTPageFileFragment* records = nullptr;
    if (file->GetRecordCount() > 2 && file->LoadStaticRecord(1, 2, &records) == 0)
      records->Release();
    const PRUint8* record = nullptr;
    file->GetRecordBuffer(0, &record);
  }
  file->Release();
  return 0;
}
