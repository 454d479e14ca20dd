// Table configuration files: any bytes as "config.cft" beside a small valid record file,
// content file and lookup index; a table that opens is then read.
#include <cstddef>
#include <cstdint>

#include "backends/native/ZTTable.h"
#include "core/ZTBinary.h"
#include "find/ZTIField.h"
#include "find/ZTIFldCollection.h"
#include "find/ZTIRecord.h"
#include "fuzz/native_fuzz_files.h"

namespace {

const ztFuzzFiles& Files() {
  static const ztFuzzFiles files;
  static bool written = false;
  if (!written) {
    // Two records of (OFFSET ULONG, COUNT UBYTE) over "ab\0cd\0", and their index.
    files.Write("r.dat", std::string("\0\0\0\0\3\3\0\0\0\3", 10));
    files.Write("c.dat", std::string("ab\0cd\0", 6));
    files.Write("i.lc", "ab\tcd\t0\t6\n");
    written = true;
  }
  return files;
}

void ReadTable(ZTTable* table) {
  ZTIFldCollection* fields = nullptr;
  if (table->GetFldCollection(&fields)) return;
  PRUint32 count = 0, record = 0;
  fields->GetFieldCount(&count);
  const PRInt32 records = table->GetCount();
  for (PRUint32 f = 0; f < count && f < 8; ++f) {
    ZTIField* field = nullptr;
    if (fields->GetField(f, &field)) continue;
    for (PRInt32 n = 0; n < records && n < 4; ++n) {
      ZTIRecord* r = nullptr;
      if (table->GetRecord(static_cast<PRUint32>(n), &r)) continue;
      ZTBinary* value = nullptr;
      PRUint32 number = 0;
      if (r->GetDataFieldValue(field, &value) == 0) value->Release();
      r->GetUNumFieldValue(field, &number);
      r->GetLinkFieldCount(field, &number);
      r->Release();
    }
    field->Release();
  }
  fields->Release();
  table->LookupText("cd", ztfLookupEqual, &record);
  table->LookupText("b", ztfLookupAfter, &record);
  table->LookupUNum(3, ztfLookupBefore, &record);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const ztFuzzFiles& files = Files();
  files.Write("config.cft", data, size);
  ZTTable* table = new ZTTable();
  if (table->SetFileName(files.Dir().c_str()) == 0) ReadTable(table);
  table->Release();
  return 0;
}
