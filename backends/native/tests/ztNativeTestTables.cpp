#include "backends/native/tests/ztNativeTestTables.h"

#include <prprf.h>

#include <cstdio>

#include "backends/native/ZTTable.h"
#include "core/ZTBinary.h"
#include "find/ZTIField.h"
#include "find/ZTIFldCollection.h"
#include "find/ZTIRecord.h"
#include "tools/writer/ZTTableWriter.h"

std::string ztWriteTextTable(const ztTempDir& dir, const std::string& name,
                             const std::vector<std::string>& keys,
                             const ztTextTableOptions& options) {
  ZTTableWriter writer;
  ZTDataFieldSpec spec;
  spec.m_bCompressed = options.m_bCompressed;
  spec.m_pcCountType = options.m_bWithCount ? "USHORT" : nullptr;
  int word = -1, id = -1;
  writer.AddDataField("WORD", spec, &word);
  writer.AddNumField("ID", "ULONG", &id);
  writer.SetLookupField(word);
  writer.SetPageSize(options.m_uPageSize);
  writer.SetRecordCompression(options.m_bCompressRecords);
  writer.SetBlockSize(options.m_uBlockSize);
  if (options.m_iCacheSize >= 0) {
    writer.SetRecordCache(options.m_iCacheSize, options.m_iCacheIncrement,
                          options.m_iCacheDecrement);
  }
  const std::string path = dir.File(name);
  int rc = writer.Begin(path.c_str());
  ZTWriterRow row(writer.GetFieldCount());
  for (size_t i = 0; !rc && i < keys.size(); ++i) {
    row.SetText(word, keys[i].c_str());
    row.SetNum(id, static_cast<PRInt64>(i));
    rc = writer.AddRow(row);
  }
  if (!rc) rc = writer.Finish();
  return rc ? std::string() : path;
}

std::string ztWriteNumTable(const ztTempDir& dir, const std::string& name, const char* type,
                            const std::vector<PRInt64>& keys, PRUint32 pageSize) {
  ZTTableWriter writer;
  int key = -1, id = -1;
  writer.AddNumField("KEY", type, &key);
  writer.AddNumField("ID", "ULONG", &id);
  writer.SetLookupField(key);
  writer.SetPageSize(pageSize);
  const std::string path = dir.File(name);
  int rc = writer.Begin(path.c_str());
  ZTWriterRow row(writer.GetFieldCount());
  for (size_t i = 0; !rc && i < keys.size(); ++i) {
    row.SetNum(key, keys[i]);
    row.SetNum(id, static_cast<PRInt64>(i));
    rc = writer.AddRow(row);
  }
  if (!rc) rc = writer.Finish();
  return rc ? std::string() : path;
}

std::vector<std::string> ztNumberedKeys(PRUint32 count) {
  std::vector<std::string> keys;
  char buffer[32];
  for (PRUint32 i = 0; i < count; ++i) {
    std::snprintf(buffer, sizeof(buffer), "k%05u", i);
    keys.push_back(buffer);
  }
  return keys;
}

ZTTable* ztOpenTable(const std::string& path) {
  ZTTable* table = new ZTTable();
  if (table->SetFileName(path.c_str()) == 0) return table;
  table->Release();
  return nullptr;
}

std::string ztTextValue(ZTTable* table, const char* field, PRUint32 n) {
  ZTIFldCollection* fields = nullptr;
  ZTIField* f = nullptr;
  ZTIRecord* record = nullptr;
  ZTBinary* value = nullptr;
  std::string text = "<error>";
  if (table->GetFldCollection(&fields) == 0 && fields->GetField(field, &f) == 0 &&
      table->GetRecord(n, &record) == 0 && record->GetDataFieldValue(f, &value) == 0) {
    text.assign(reinterpret_cast<const char*>(value->GetData()), value->GetLength());
    if (!text.empty() && text.back() == '\0') text.pop_back();
  }
  ztRelease(value);
  ztRelease(record);
  ztRelease(f);
  ztRelease(fields);
  return text;
}
