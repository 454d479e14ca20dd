// Tables for the native back-end's tests, written by the table writer into a test's temporary
// directory.
#ifndef BACKENDS_NATIVE_TESTS_ZTNATIVETESTTABLES_H_
#define BACKENDS_NATIVE_TESTS_ZTNATIVETESTTABLES_H_

#include <prtypes.h>

#include <string>
#include <vector>

#include "testing/ztCapturedLog.h"
#include "testing/ztTempDir.h"

class ZTTable;

struct ztTextTableOptions {
  PRUint32 m_uPageSize = 256;
  bool m_bCompressed = false;       // the key texts in zlib blocks
  bool m_bCompressRecords = false;  // the record file as one zlib block
  bool m_bWithCount = true;         // COUNT sub-field, else lengths from the successor
  PRUint32 m_uBlockSize = 16384;
  PRInt32 m_iCacheSize = -1;  // RECORDCACHE SIZE, none when negative
  PRInt32 m_iCacheIncrement = 5;
  PRInt32 m_iCacheDecrement = -1;
};

// A table sorted on the text field WORD, with the numeric field ID holding the row number.
std::string ztWriteTextTable(const ztTempDir& dir, const std::string& name,
                             const std::vector<std::string>& keys,
                             const ztTextTableOptions& options = ztTextTableOptions());

// A table sorted on the numeric field KEY of the given type (ULONG, SLONG, S24, ...).
std::string ztWriteNumTable(const ztTempDir& dir, const std::string& name, const char* type,
                            const std::vector<PRInt64>& keys, PRUint32 pageSize = 256);

// Keys "k00000", "k00001", ... in ascending order.
std::vector<std::string> ztNumberedKeys(PRUint32 count);

// Opens a table directly (not through the factory); null when it fails.
ZTTable* ztOpenTable(const std::string& path);

// The text value of a DATA field of record n, without its terminating NUL.
std::string ztTextValue(ZTTable* table, const char* field, PRUint32 n);

#endif  // BACKENDS_NATIVE_TESTS_ZTNATIVETESTTABLES_H_
