// ZTTableWriter: writes a complete native table (record file, content files of every pack,
// compressed blocks and their catalogs, the lookup index and the configuration "config.cft")
// from field declarations and rows.
//
// Use: declare the fields, optionally the lookup field, page size, compression and record
// cache; Begin(directory); AddRow for every row in order; Finish. Everything is written into a
// staging directory beside the target and renamed into place by Finish. Any refused row or
// failed write abandons the table: later calls fail and nothing is left behind.
#ifndef TOOLS_WRITER_ZTTABLEWRITER_H_
#define TOOLS_WRITER_ZTTABLEWRITER_H_

#include <prtypes.h>

#include <memory>
#include <string>
#include <vector>

#include "tools/writer/ZTBlockWriter.h"
#include "tools/writer/ZTDataFieldWriter.h"
#include "tools/writer/ZTLinkFieldWriter.h"
#include "tools/writer/ZTLookupIndexWriter.h"
#include "tools/writer/ZTWriterRow.h"
#include "tools/writer/ztStagingDir.h"

class ZTTableWriter {
 public:
  // Logical bytes per compressed block unless SetBlockSize says otherwise.
  static const PRUint32 kDefaultBlockSize = 16384;
  // Deflate level unless SetCompressionLevel says otherwise: one of the fastest; on the number
  // columns of a full-text index it stores 7 % less than level 1 at about the same speed.
  static const int kDefaultLevel = 2;

  ZTTableWriter();
  ~ZTTableWriter();
  ZTTableWriter(const ZTTableWriter&) = delete;
  ZTTableWriter& operator=(const ZTTableWriter&) = delete;

  // Declarations, before Begin. Each Add*Field stores the field's number (its index in a
  // ZTWriterRow) in *piField; names are letters, digits and '_'.
  int AddNumField(const char* name, const char* type, int* piField);
  int AddDataField(const char* name, const ZTDataFieldSpec& spec, int* piField);
  int AddLinkField(const char* name, const ZTLinkFieldSpec& spec, int* piField);
  // Sorts the table on a field: a single-pack DATA field (text keys), or a numeric field
  // (keys of its signedness). Rows must then come in ascending key order.
  int SetLookupField(int field);
  int SetPageSize(PRUint32 records);
  // How the reader opens the record file: STANDARD, DELAYED, TRANSIENT, MAPPED or PREMAPPED
  // (PREMAPPED reads it whole when the table opens); unset, the reader's default.
  int SetOpenMode(const char* mode);
  // Compresses the record file in blocks of whole pages (of about the block size): a reader
  // inflates only the blocks it reads.
  void SetRecordCompression(bool compressed) { m_bCompressRecords = compressed; }
  // Logical bytes per block of compressed content files: small blocks make reads cheaper,
  // large ones compress better. A unit (a value, a page of lookup keys) is never split.
  int SetBlockSize(PRUint32 bytes);
  // Deflate level, 0 to 9.
  int SetCompressionLevel(int level);
  // Largest file the table may hold (at most, and by default, 2 GiB - 1 bytes).
  int SetMaxFileSize(PRUint32 bytes);
  // Adds a RECORDCACHE section.
  void SetRecordCache(PRInt32 size, PRInt32 increment = 5, PRInt32 decrement = -1);

  // Starts writing the table whose directory is path.
  int Begin(const char* path);
  int AddRow(const ZTWriterRow& row);
  // Writes the lookup index and the configuration and renames the table into place.
  int Finish();
  // Gives the table up; nothing is left on disk.
  void Abort();

  PRUint32 GetFieldCount() const { return static_cast<PRUint32>(m_fields.size()); }
  PRUint32 GetRecordSize() const { return m_uRecordSize; }

 private:
  enum State { kDeclaring, kWriting, kDone };

  int AddField(std::unique_ptr<ZTFieldWriter> field, int* piField);
  int CheckDeclaring(const char* name);
  int Fail(int rc);
  int EndPage();
  int WriteRecord(const ZTWriterRow& row);
  // Appends the records of a compressed file's page as one unit.
  int FlushPage();
  size_t PageBytes() const { return static_cast<size_t>(m_uPageSize) * m_uRecordSize; }
  int CloseFiles();
  std::string Configuration() const;
  int WriteText(const char* leaf, const std::string& text) const;

  State m_eState;
  std::vector<std::unique_ptr<ZTFieldWriter>> m_fields;
  PRUint32 m_uRecordSize;
  PRUint32 m_uPageSize;
  std::string m_openMode;  // empty: the reader's default
  bool m_bCompressRecords;
  PRUint32 m_uBlockSize;
  int m_iLevel;
  PRUint32 m_uMaxFileSize;
  bool m_bCache;
  PRInt32 m_iCacheSize, m_iCacheIncrement, m_iCacheDecrement;
  int m_iLookup;  // field number, -1 for none
  std::unique_ptr<ZTLookupIndexWriter> m_index;
  ztStagingDir m_staging;
  ZTBlockWriter m_records;
  std::vector<PRUint8> m_record;  // the record being written (plain files)
  std::vector<PRUint8> m_page;    // room for the records of a page (compressed files)
  size_t m_uPageFill = 0;         // the bytes of the records written there
  PRUint32 m_uRows;
};

#endif  // TOOLS_WRITER_ZTTABLEWRITER_H_
