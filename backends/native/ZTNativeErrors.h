// Result codes of the native back-end, beside the common ones of core/ZTErrors.h.
#ifndef BACKENDS_NATIVE_ZTNATIVEERRORS_H_
#define BACKENDS_NATIVE_ZTNATIVEERRORS_H_

#include "core/ZTErrors.h"

// Page files.
constexpr int ZT_NATIVE_E_ARGS = 200;  // invalid arguments (record range, catalog of a plain file)
constexpr int ZT_NATIVE_E_CATALOGALLOC = 201;  // the catalog cannot be allocated
constexpr int ZT_NATIVE_E_OPEN = 202;          // a file or catalog cannot be opened
constexpr int ZT_NATIVE_E_READ = 203;          // short read
constexpr int ZT_NATIVE_E_SEEK = 204;          // seek failed, or the file size is unavailable
constexpr int ZT_NATIVE_E_NOTOPEN = 205;       // opening the file for a read failed
constexpr int ZT_NATIVE_E_RANGE = 206;         // a range passes the end of its file or of its block
constexpr int ZT_NATIVE_E_BLOCK = 207;         // an offset outside every block of a compressed file
constexpr int ZT_NATIVE_E_INFLATE = 208;       // a block does not inflate to its catalogued length
constexpr int ZT_NATIVE_E_CATALOG = 209;       // a catalog that does not describe its file
constexpr int ZT_NATIVE_E_NORECORDS = 214;     // the file has no fixed-length records
// Lookup index.
constexpr int ZT_NATIVE_E_LCARGS = 300;     // null or empty key
constexpr int ZT_NATIVE_E_LCALLOC = 301;    // allocation
constexpr int ZT_NATIVE_E_LCOPEN = 302;     // the index cannot be opened
constexpr int ZT_NATIVE_E_LCFORMAT = 303;   // an index line that does not describe a page
constexpr int ZT_NATIVE_E_LCOUTSIDE = 306;  // a key outside the range of every page
// Fields and records.
constexpr int ZT_NATIVE_E_VALUE = 1100;      // a value cannot be located
constexpr int ZT_NATIVE_E_DECLALLOC = 1101;  // allocation while declaring
constexpr int ZT_NATIVE_E_UNKNOWN = 1110;    // field, type or pack not found
constexpr int ZT_NATIVE_E_SUBFIELD = 1112;   // bad sub-field declaration
constexpr int ZT_NATIVE_E_RECORD = 2011;     // invalid record or field at record level
constexpr int ZT_NATIVE_E_TABLE = 2101;      // table not valid, or a range outside it

#endif  // BACKENDS_NATIVE_ZTNATIVEERRORS_H_
