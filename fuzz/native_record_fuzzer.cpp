// Record decoding: the input's first byte sizes a record file, the rest is the content of
// every content file; each record's values are read through a fixed layout of DATA fields
// with and without COUNT and PACKID, numbers and a LINK field, then every range of records
// in one go.
#include <cstddef>
#include <cstdint>

#include "backends/native/ZTTable.h"
#include "core/ZTBinary.h"
#include "find/ZTCursor.h"
#include "find/ZTIField.h"
#include "find/ZTIFldCollection.h"
#include "find/ZTIRecord.h"
#include "find/ZTIStream.h"
#include "fuzz/native_fuzz_files.h"

namespace {

const char kConfig[] =
    "[DAT]\nPATH=r.dat\nPAGESIZE=3\n"
    "$T=DATA\n$T,OFFSET=U24\n$T,PACKID=UBYTE\n"
    "$D=DATA\n$D,COUNT=UBYTE\n$D,OFFSET=USHORT\n"
    "$N=S24\n$L=LINK\n$L,OFFSET=UBYTE\n"
    "[$T]\nPATH=c.dat\n[$T,1]\nPATH=c.dat\n[$D]\nPATH=c.dat\n";

void ReadRecord(ZTIRecord* record, ZTIFldCollection* fields) {
  for (const char* name : {"T", "D", "N", "L"}) {
    ZTIField* field = nullptr;
    if (fields->GetField(name, &field)) continue;
    ZTBinary* value = nullptr;
    if (record->GetDataFieldValue(field, &value) == 0) value->Release();
    ZTIStream* stream = nullptr;
    if (record->GetStreamFieldValue(field, &stream) == 0) {
      char buffer[16];
      PRUint32 read = 0;
      stream->Seek(1);
      stream->Read(sizeof(buffer), buffer, &read);
      stream->Release();
    }
    PRUint32 number = 0;
    PRInt32 signedNumber = 0;
    record->GetUNumFieldValue(field, &number);
    record->GetSNumFieldValue(field, &signedNumber);
    record->GetLinkFieldCount(field, &number);
    field->Release();
  }
}

// Touches every byte of the values it is lent.
class ValueReader : public ZTIDataValueVisitor {
 public:
  int VisitDataValue(PRUint32, const PRUint8* value, PRUint32 length) override {
    for (PRUint32 i = 0; i < length; ++i) m_uSum += value[i];
    return 0;
  }
  PRUint32 m_uSum = 0;
};

void ReadRanges(ZTTable* table, ZTIFldCollection* fields, PRUint32 count) {
  ValueReader reader;
  for (const char* name : {"T", "D", "N", "L"}) {
    ZTIField* field = nullptr;
    if (fields->GetField(name, &field)) continue;
    for (PRUint32 first = 0; first < count; first += 2) {
      ZTCursor* cursor = nullptr;
      if (table->ExtractCursor(field, first, count - first, &cursor) == 0) cursor->Release();
      if (table->ExtractLinkCounts(field, first, count - first, &cursor) == 0) cursor->Release();
      ZTIRecordSet* linked = nullptr;
      PRUint32 start = 0, covered = 0;
      if (table->ExtractLinkRange(field, first, count - first, &linked, &start, &covered) == 0) {
        linked->Release();
      }
      table->VisitDataValues(field, first, count - first, &reader);
    }
    field->Release();
  }
  PRUint32 begin = 0, end = 0;
  table->LookupTextRun("a", &begin, &end);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const ztFuzzFiles files;
  if (size < 1) return 0;
  size_t records = data[0];
  if (records > size - 1) records = size - 1;
  files.Write("r.dat", data + 1, records);
  files.Write("c.dat", data + 1 + records, size - 1 - records);
  files.Write("config.cft", kConfig, sizeof(kConfig) - 1);
  ZTTable* table = new ZTTable();
  ZTIFldCollection* fields = nullptr;
  if (table->SetFileName(files.Dir().c_str()) == 0 && table->GetFldCollection(&fields) == 0) {
    for (PRInt32 n = 0; n < table->GetCount(); ++n) {
      ZTIRecord* record = nullptr;
      if (table->GetRecord(static_cast<PRUint32>(n), &record) != 0) continue;
      ReadRecord(record, fields);
      record->Release();
    }
    if (table->GetCount() > 0) ReadRanges(table, fields, static_cast<PRUint32>(table->GetCount()));
    fields->Release();
  }
  table->Release();
  return 0;
}
