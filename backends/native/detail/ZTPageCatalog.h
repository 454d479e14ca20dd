// ZTPageCatalog: the catalog of a compressed page file, held as running sums: entry i gives
// the logical offset and the file offset at which block i begins, entry N the logical and
// stored sizes.
#ifndef BACKENDS_NATIVE_DETAIL_ZTPAGECATALOG_H_
#define BACKENDS_NATIVE_DETAIL_ZTPAGECATALOG_H_

#include <prtypes.h>

struct CatalogEntry {
  PRUint32 m_uLogical;
  PRUint32 m_uStored;
};

class ZTPageCatalog {
 public:
  ZTPageCatalog() : m_pEntries(nullptr), m_uCount(0), m_pcPath(nullptr) {}
  ~ZTPageCatalog();
  ZTPageCatalog(const ZTPageCatalog&) = delete;
  ZTPageCatalog& operator=(const ZTPageCatalog&) = delete;

  // Takes the resolved path (owned, PR_Free).
  void SetPath(char* path);
  const char* GetPath() const { return m_pcPath; }
  bool IsLoaded() const { return m_pEntries != nullptr; }
  // Reads the catalog and checks it against the stored size of its file: every block has a
  // stored and a logical length, the sums neither wrap nor pass the file, and no block claims
  // more than deflate can produce from its stored bytes.
  int Load(PRUint32 storedFileSize);
  // Frees the entries; with forgetPath also the path.
  void Free(bool forgetPath);

  // Block i whose entry is the last with logical start <= offset, or -1 when offset lies
  // outside every block.
  PRInt32 FindBlock(PRUint32 offset) const;
  PRUint32 GetBlockCount() const { return m_uCount ? m_uCount - 1 : 0; }
  const CatalogEntry& GetEntry(PRUint32 i) const { return m_pEntries[i]; }
  PRUint32 GetLogicalSize() const { return m_uCount ? m_pEntries[m_uCount - 1].m_uLogical : 0; }

 private:
  int Read(PRUint32 storedFileSize, PRUint32* puBlocks);
  int Accumulate(PRUint32 blocks, PRUint32 storedFileSize);

  CatalogEntry* m_pEntries;  // m_uCount entries once loaded
  PRUint32 m_uCount;
  char* m_pcPath;
};

#endif  // BACKENDS_NATIVE_DETAIL_ZTPAGECATALOG_H_
