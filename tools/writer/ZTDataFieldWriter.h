// ZTDataFieldWriter: a DATA field. Its values go to one content file per pack, plain or
// compressed; the record holds OFFSET, COUNT (optional) and PACKID (optional) in that order.
#ifndef TOOLS_WRITER_ZTDATAFIELDWRITER_H_
#define TOOLS_WRITER_ZTDATAFIELDWRITER_H_

#include <memory>
#include <vector>

#include "tools/writer/ZTBlockWriter.h"
#include "tools/writer/ZTFieldWriter.h"
#include "tools/writer/detail/ZTWriterSlot.h"

// How a DATA field is declared.
struct ZTDataFieldSpec {
  const char* m_pcOffsetType = "ULONG";
  const char* m_pcCountType = "ULONG";  // null: lengths come from the successor record
  const char* m_pcPackType = nullptr;   // null: a single pack and no PACKID
  PRUint32 m_uPacks = 1;
  bool m_bCompressed = false;
  int m_iLevel = -1;  // deflate level of the compressed blocks; negative: the table's level
  // How the reader opens the content files (the names of ZTTableWriter::SetOpenMode); null:
  // the reader's default.
  const char* m_pcOpenMode = nullptr;
};

class ZTDataFieldWriter : public ZTFieldWriter {
 public:
  // Checks the declaration (types, number of packs); 1 with a message when it is refused.
  static int Create(const char* name, PRUint32 offset, const ZTDataFieldSpec& spec,
                    std::unique_ptr<ZTFieldWriter>* pOut);

  PRUint32 GetWidth() const override { return m_uWidth; }
  PRUint32 GetPackCount() const { return m_uPacks; }
  int Open(const ZTWriterFiles& files, int number) override;
  int Encode(const ZTWriterValue& value, PRUint32 row, PRUint8* record) override;
  int Close() override;
  void Declare(std::string* dat) const override;
  void DeclareSections(std::string* config) const override;

  // Keeps the values of pack 0 together page by page (the lookup field): each page's values
  // are written as one unit, so that they lie inside one compressed block.
  void SetPaged() { m_bPaged = true; }
  // Writes the values of the page that ends and gives the range they take in pack 0.
  int EndPage(PRUint32* puOffset, PRUint32* puLength);

 private:
  ZTDataFieldWriter(const char* name, PRUint32 offset, const ZTDataFieldSpec& spec);
  // Without COUNT a value ends where the next record's value begins, or at the end of its
  // pack when the next record uses another pack: a pack cannot be used again once left.
  int CheckPackOrder(PRUint32 pack, PRUint32 row);

  ZTWriterSlot m_offset;
  ZTWriterSlot m_count;
  ZTWriterSlot m_pack;
  PRUint32 m_uWidth;
  PRUint32 m_uPacks;
  bool m_bCompressed;
  int m_iLevel;
  bool m_bPaged;
  std::vector<std::unique_ptr<ZTBlockWriter>> m_files;
  std::vector<std::string> m_leaves;  // file names in the table directory, per pack
  std::string m_openMode;             // empty: the reader's default
  std::vector<PRUint8> m_page;        // values of the current page (paged field)
  std::vector<bool> m_left;           // packs left for another one (no COUNT)
  PRUint32 m_uLastPack;
};

#endif  // TOOLS_WRITER_ZTDATAFIELDWRITER_H_
