// The folding table of the Unicode simplifier, generated from the Unicode Character Database
// 4.0 by gen_unicode_table.py: rows {code point, lower-case form, base character} sorted by
// code point. Characters without a row map to themselves in both columns.
#ifndef MODULES_UNICODE_ZTUNICODETABLE_H_
#define MODULES_UNICODE_ZTUNICODETABLE_H_

#include <prtypes.h>

enum { ZT_UNICODE_CODE = 0, ZT_UNICODE_LOWER = 1, ZT_UNICODE_BASE = 2 };

extern const PRUint32 g_piUnicode[][3];
extern const PRUint32 g_uUnicodeRows;

// The row of code, or null when it has none (a block index, then halving within the block).
const PRUint32* ztFindUnicodeRow(PRUint32 code);

#endif  // MODULES_UNICODE_ZTUNICODETABLE_H_
