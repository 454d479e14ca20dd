// ZTFieldWriter: one declared field of a table being written: its place in the record, how a
// value is encoded there (and, for composite fields, where its content goes) and its lines in
// the table configuration.
#ifndef TOOLS_WRITER_ZTFIELDWRITER_H_
#define TOOLS_WRITER_ZTFIELDWRITER_H_

#include <prtypes.h>

#include <string>

#include "tools/writer/ZTWriterRow.h"

// Where and how the content files of a table are written.
struct ZTWriterFiles {
  std::string m_directory;  // the staging directory of the table
  PRUint32 m_uBlockSize;    // logical bytes per compressed block
  int m_iLevel;             // deflate level
  PRUint32 m_uMaxFileSize;  // bytes per file
};

class ZTFieldWriter {
 public:
  ZTFieldWriter(const char* name, PRUint32 offset) : m_name(name), m_uOffset(offset) {}
  virtual ~ZTFieldWriter() {}
  ZTFieldWriter(const ZTFieldWriter&) = delete;
  ZTFieldWriter& operator=(const ZTFieldWriter&) = delete;

  const std::string& GetName() const { return m_name; }
  PRUint32 GetOffset() const { return m_uOffset; }
  virtual PRUint32 GetWidth() const = 0;

  // Creates the field's content files (none for a numeric or LINK field).
  virtual int Open(const ZTWriterFiles& /*files*/, int /*number*/) { return 0; }
  // Encodes the value of row into its record (and writes its content).
  virtual int Encode(const ZTWriterValue& value, PRUint32 row, PRUint8* record) = 0;
  // Finishes the content files.
  virtual int Close() { return 0; }
  // Appends the field's declaration lines of the DAT section.
  virtual void Declare(std::string* dat) const = 0;
  // Appends the field's own sections ([$name] ...).
  virtual void DeclareSections(std::string* /*config*/) const {}

 protected:
  void DeclareLine(std::string* dat, const char* sub, const char* type) const;

  std::string m_name;
  PRUint32 m_uOffset;
};

#endif  // TOOLS_WRITER_ZTFIELDWRITER_H_
