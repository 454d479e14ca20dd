#include "tools/writer/ZTTableWriter.h"

#include <algorithm>
#include <cctype>

#include "core/ZTErrors.h"
#include "tools/writer/ZTNumFieldWriter.h"
#include "tools/writer/detail/ztColumnTable.h"
#include "tools/writer/detail/ztOpenMode.h"

namespace {

bool ValidFieldName(const char* name) {
  if (!name || !*name) return false;
  for (const char* p = name; *p; ++p) {
    if (!(std::isalnum(static_cast<unsigned char>(*p)) || *p == '_')) return false;
  }
  return true;
}

const char* const kRecordLeaf = "records";
const char* const kIndexLeaf = "lookup.lc";
const char* const kConfigLeaf = "config.cft";

}  // namespace

ZTTableWriter::ZTTableWriter()
    : m_eState(kDeclaring),
      m_uRecordSize(0),
      m_uPageSize(256),
      m_bCompressRecords(false),
      m_uBlockSize(kDefaultBlockSize),
      m_iLevel(kDefaultLevel),
      m_uMaxFileSize(ZTBlockWriter::kMaxFileSize),
      m_bCache(false),
      m_iCacheSize(0),
      m_iCacheIncrement(5),
      m_iCacheDecrement(-1),
      m_iLookup(-1),
      m_uRows(0) {}

ZTTableWriter::~ZTTableWriter() {
  Abort();
}

int ZTTableWriter::CheckDeclaring(const char* name) {
  if (m_eState != kDeclaring) {
    return ZTError(ZT_E_STATE, "[ZTTableWriter::AddField] fields are declared before Begin");
  }
  if (!ValidFieldName(name)) {
    return ZTError(ZT_E_INVALID, "[ZTTableWriter::AddField] invalid field name '%s'",
                   name ? name : "(null)");
  }
  for (const auto& field : m_fields) {
    if (field->GetName() == name) {
      return ZTError(ZT_E_INVALID, "[ZTTableWriter::AddField] field %s declared twice", name);
    }
  }
  return ZT_OK;
}

int ZTTableWriter::AddField(std::unique_ptr<ZTFieldWriter> field, int* piField) {
  m_uRecordSize += field->GetWidth();
  m_fields.push_back(std::move(field));
  if (piField) *piField = static_cast<int>(m_fields.size() - 1);
  return ZT_OK;
}

int ZTTableWriter::AddNumField(const char* name, const char* type, int* piField) {
  const ZTFieldTypeInfo* info = nullptr;
  int rc = CheckDeclaring(name);
  if (!rc) rc = ztWriterNumType(type, name, &info);
  if (rc) return rc;
  return AddField(std::unique_ptr<ZTFieldWriter>(new ZTNumFieldWriter(name, m_uRecordSize, info)),
                  piField);
}

int ZTTableWriter::AddDataField(const char* name, const ZTDataFieldSpec& spec, int* piField) {
  std::unique_ptr<ZTFieldWriter> field;
  int rc = CheckDeclaring(name);
  if (!rc) rc = ZTDataFieldWriter::Create(name, m_uRecordSize, spec, &field);
  return rc ? rc : AddField(std::move(field), piField);
}

int ZTTableWriter::AddLinkField(const char* name, const ZTLinkFieldSpec& spec, int* piField) {
  std::unique_ptr<ZTFieldWriter> field;
  int rc = CheckDeclaring(name);
  if (!rc) rc = ZTLinkFieldWriter::Create(name, m_uRecordSize, spec, &field);
  return rc ? rc : AddField(std::move(field), piField);
}

int ZTTableWriter::SetLookupField(int field) {
  if (m_eState != kDeclaring || field < 0 || static_cast<size_t>(field) >= m_fields.size() ||
      m_iLookup >= 0) {
    return ZTError(ZT_E_INVALID, "[ZTTableWriter::SetLookupField] invalid field %d", field);
  }
  ZTFieldWriter* writer = m_fields[field].get();
  auto* data = dynamic_cast<ZTDataFieldWriter*>(writer);
  auto* num = dynamic_cast<ZTNumFieldWriter*>(writer);
  if ((!data && !num) || (data && data->GetPackCount() != 1)) {
    return ZTError(ZT_E_INVALID,
                   "[ZTTableWriter::SetLookupField] %s is neither a single-pack DATA field nor "
                   "a numeric field",
                   writer->GetName().c_str());
  }
  ZTLookupKeyKind kind = data ? ztKeyText : (num->IsSigned() ? ztKeySigned : ztKeyUnsigned);
  if (data) data->SetPaged();
  m_index.reset(new ZTLookupIndexWriter(kind, writer->GetName().c_str()));
  m_iLookup = field;
  return ZT_OK;
}

int ZTTableWriter::SetPageSize(PRUint32 records) {
  if (m_eState != kDeclaring || records == 0 || records > 0x7FFFFFFE) {
    return ZTError(ZT_E_INVALID, "[ZTTableWriter::SetPageSize] invalid page size %u", records);
  }
  m_uPageSize = records;
  return ZT_OK;
}

int ZTTableWriter::SetOpenMode(const char* mode) {
  if (m_eState != kDeclaring) {
    return ZTError(ZT_E_STATE, "[ZTTableWriter::SetOpenMode] the open mode is set before Begin");
  }
  const int rc = ztCheckOpenMode(mode, "ZTTableWriter::SetOpenMode", "the record file");
  if (!rc) m_openMode = mode;
  return rc;
}

int ZTTableWriter::SetBlockSize(PRUint32 bytes) {
  if (m_eState != kDeclaring || bytes == 0) {
    return ZTError(ZT_E_INVALID, "[ZTTableWriter::SetBlockSize] invalid block size %u", bytes);
  }
  m_uBlockSize = bytes;
  return ZT_OK;
}

int ZTTableWriter::SetCompressionLevel(int level) {
  if (m_eState != kDeclaring || level < 0 || level > 9) {
    return ZTError(ZT_E_INVALID, "[ZTTableWriter::SetCompressionLevel] invalid level %d", level);
  }
  m_iLevel = level;
  return ZT_OK;
}

int ZTTableWriter::SetMaxFileSize(PRUint32 bytes) {
  if (m_eState != kDeclaring || bytes == 0 || bytes > ZTBlockWriter::kMaxFileSize) {
    return ZTError(ZT_E_INVALID, "[ZTTableWriter::SetMaxFileSize] invalid size %u", bytes);
  }
  m_uMaxFileSize = bytes;
  return ZT_OK;
}

void ZTTableWriter::SetRecordCache(PRInt32 size, PRInt32 increment, PRInt32 decrement) {
  m_bCache = true;
  m_iCacheSize = size;
  m_iCacheIncrement = increment;
  m_iCacheDecrement = decrement;
}

int ZTTableWriter::Fail(int rc) {
  Abort();
  return rc;
}

int ZTTableWriter::Begin(const char* path) {
  if (m_eState != kDeclaring || m_fields.empty() || !path) {
    return ZTError(ZT_E_STATE, "[ZTTableWriter::Begin] nothing declared, or already begun");
  }
  m_eState = kWriting;
  int rc = m_staging.Create(path);
  if (rc) return Fail(rc);
  const std::string stem = m_staging.GetPath() + "/" + kRecordLeaf;
  rc = m_records.Open((stem + ".dat").c_str(),
                      m_bCompressRecords ? (stem + ".cat").c_str() : nullptr, m_uBlockSize,
                      m_iLevel, m_uMaxFileSize);
  ZTWriterFiles files = {m_staging.GetPath(), m_uBlockSize, m_iLevel, m_uMaxFileSize};
  for (size_t i = 0; !rc && i < m_fields.size(); ++i)
    rc = m_fields[i]->Open(files, static_cast<int>(i));
  m_record.assign(m_uRecordSize, 0);
  m_uPageFill = 0;
  return rc ? Fail(rc) : ZT_OK;
}

int ZTTableWriter::EndPage() {
  PRUint32 offset = 0, length = 0;
  if (m_index->GetKind() == ztKeyText) {
    int rc = static_cast<ZTDataFieldWriter*>(m_fields[m_iLookup].get())->EndPage(&offset, &length);
    if (rc) return rc;
  }
  m_index->EndPage(offset, length);
  return ZT_OK;
}

int ZTTableWriter::WriteRecord(const ZTWriterRow& row) {
  if (m_uRows == 0x7FFFFFFF) {
    return ZTError(ZT_E_INVALID, "[ZTTableWriter::AddRow] too many rows");
  }
  int rc = ZT_OK;
  if (m_index && m_uRows > 0 && m_uRows % m_uPageSize == 0) rc = EndPage();
  // A compressed file's record is encoded in place after those of its page, in a buffer that
  // grows up to a page as records come.
  if (m_bCompressRecords && m_page.size() < m_uPageFill + m_uRecordSize) {
    m_page.resize(std::min(PageBytes(), std::max(2 * m_page.size(), m_uPageFill + m_uRecordSize)));
  }
  // The fields lie one after the other and each writes all its bytes: the record needs no
  // clearing first.
  PRUint8* record = m_bCompressRecords ? m_page.data() + m_uPageFill : m_record.data();
  for (PRUint32 i = 0; !rc && i < m_fields.size(); ++i) {
    rc = m_fields[i]->Encode(row.Get(i), m_uRows, record);
  }
  if (!rc && m_index) rc = m_index->AddKey(row.Get(m_iLookup), m_uRows);
  if (rc) return rc;
  if (!m_bCompressRecords) return m_records.Append(record, m_uRecordSize);
  m_uPageFill += m_uRecordSize;
  return m_uPageFill == PageBytes() ? FlushPage() : ZT_OK;
}

int ZTTableWriter::FlushPage() {
  const int rc =
      m_uPageFill == 0 ? ZT_OK : m_records.AppendUnit(m_page.data(), PRUint32(m_uPageFill));
  m_uPageFill = 0;
  return rc;
}

int ZTTableWriter::AddRow(const ZTWriterRow& row) {
  if (m_eState != kWriting) {
    return ZTError(ZT_E_STATE, "[ZTTableWriter::AddRow] the table is not being written");
  }
  if (row.GetFieldCount() != m_fields.size()) {
    return Fail(ZTError(ZT_E_INVALID, "[ZTTableWriter::AddRow] the row has %u fields, not %u",
                        row.GetFieldCount(), GetFieldCount()));
  }
  int rc = WriteRecord(row);
  if (rc) return Fail(rc);
  ++m_uRows;
  return ZT_OK;
}

int ZTTableWriter::CloseFiles() {
  int rc = m_index && m_index->HasOpenPage() ? EndPage() : ZT_OK;
  rc = ZTFirstError(rc, FlushPage());
  rc = ZTFirstError(rc, m_records.Close());
  for (auto& field : m_fields) rc = ZTFirstError(rc, field->Close());
  return rc;
}

std::string ZTTableWriter::Configuration() const {
  std::string config = "// Native table written by the table writer.\n[DAT]\n";
  config += std::string("PATH=") + kRecordLeaf + ".dat\n";
  if (m_bCompressRecords)
    config += std::string("COMPRESSION=ZIP\nCATALOG=") + kRecordLeaf + ".cat\n";
  config += "PAGESIZE=" + std::to_string(m_uPageSize) + "\n";
  if (!m_openMode.empty()) config += "OPENMODE=" + m_openMode + "\n";
  for (const auto& field : m_fields) field->Declare(&config);
  for (const auto& field : m_fields) field->DeclareSections(&config);
  if (m_index) {
    config += std::string("\n[LC]\nPATH=") + kIndexLeaf +
              "\nFIELD=" + m_fields[m_iLookup]->GetName() + "\n";
  }
  if (m_bCache) {
    config += "\n[RECORDCACHE]\nSIZE=" + std::to_string(m_iCacheSize) +
              "\nSCOREINCREMENT=" + std::to_string(m_iCacheIncrement) +
              "\nSCOREDECREMENT=" + std::to_string(m_iCacheDecrement) + "\n";
  }
  return config;
}

int ZTTableWriter::WriteText(const char* leaf, const std::string& text) const {
  return ztWriteTextFile(m_staging.GetPath() + "/" + leaf, text, "ZTTableWriter::Finish");
}

int ZTTableWriter::Finish() {
  if (m_eState != kWriting) {
    return ZTError(ZT_E_STATE, "[ZTTableWriter::Finish] the table is not being written");
  }
  int rc = CloseFiles();
  if (!rc && m_index) rc = WriteText(kIndexLeaf, m_index->GetText());
  if (!rc) rc = WriteText(kConfigLeaf, Configuration());
  if (!rc) rc = m_staging.Commit();
  if (rc) return Fail(rc);
  m_eState = kDone;
  return ZT_OK;
}

void ZTTableWriter::Abort() {
  if (m_eState == kWriting) m_eState = kDone;
  m_uPageFill = 0;
  m_staging.Abort();
}
