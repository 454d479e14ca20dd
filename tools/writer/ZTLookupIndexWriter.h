// ZTLookupIndexWriter: the lookup index of a table sorted on its lookup field: one line per
// page with the page's first and last key and the range of its key texts in the lookup
// field's content file (text keys), separated by TAB and ended by LF.
#ifndef TOOLS_WRITER_ZTLOOKUPINDEXWRITER_H_
#define TOOLS_WRITER_ZTLOOKUPINDEXWRITER_H_

#include <prtypes.h>

#include <string>

#include "tools/writer/ZTWriterRow.h"

enum ZTLookupKeyKind { ztKeyText, ztKeyUnsigned, ztKeySigned };

class ZTLookupIndexWriter {
 public:
  ZTLookupIndexWriter(ZTLookupKeyKind kind, const char* field) : m_eKind(kind), m_field(field) {}

  ZTLookupKeyKind GetKind() const { return m_eKind; }
  // Takes the key of row: refuses (1, with a message) a key lower than the previous one and a
  // text key holding TAB, LF or NUL (a final NUL is the text's terminator).
  int AddKey(const ZTWriterValue& value, PRUint32 row);
  // Ends the current page with the range of its key texts (0 and 0 for numeric keys).
  void EndPage(PRUint32 offset, PRUint32 length);
  // Whether a page has keys that no line describes yet.
  bool HasOpenPage() const { return m_bOpen; }
  const std::string& GetText() const { return m_text; }

 private:
  int AddTextKey(const ZTWriterValue& value, PRUint32 row);
  int AddNumKey(PRInt64 key, PRUint32 row);
  std::string KeyText(bool first) const;

  ZTLookupKeyKind m_eKind;
  std::string m_field;
  bool m_bOpen = false;
  bool m_bAny = false;
  std::string m_firstText, m_lastText;
  PRInt64 m_iFirst = 0, m_iLast = 0;
  std::string m_text;
};

#endif  // TOOLS_WRITER_ZTLOOKUPINDEXWRITER_H_
