// ZTPageFileFragment: a buffer holding the logical bytes [start, start + length) of a page
// file. The page file's main fragment is its cache of the last range read; a static fragment
// belongs to whoever asked for it and leaves its page file's list when its last holder
// releases it.
#ifndef BACKENDS_NATIVE_ZTPAGEFILEFRAGMENT_H_
#define BACKENDS_NATIVE_ZTPAGEFILEFRAGMENT_H_

#include <prio.h>

#include "backends/native/ZTNativeExport.h"
#include "backends/native/detail/ZTPageCatalog.h"
#include "core/ZTRefCount.h"

class ZTPageFile;

class ZTNATIVE_API ZTPageFileFragment : public ZTRefCount {
 public:
  // A static fragment holds a reference to its page file; the main fragment (pageFile null)
  // is owned by the page file and holds none.
  explicit ZTPageFileFragment(ZTPageFile* pageFile);
  ~ZTPageFileFragment() override;

  // Reads readSize stored bytes at position and makes them the fragment's content, the
  // logical bytes [logicalStart, logicalStart + logicalLength); a compressed read inflates
  // them and requires exactly logicalLength bytes. On failure the fragment is left empty.
  int LoadFromFile(PRFileDesc* fd, PRUint32 position, PRUint32 readSize, PRUint32 logicalStart,
                   PRUint32 logicalLength, bool compressed, const char* fileName,
                   const PRUint8* key, PRUint32 keyLength);
  // Reads and inflates the count consecutive blocks whose catalog entries are blocks[0] to
  // blocks[count] (the last one marks where they end) and makes them the fragment's content.
  // On failure the fragment is left empty.
  int LoadBlocks(PRFileDesc* fd, const CatalogEntry* blocks, PRUint32 count, const char* fileName);
  // Extends an uncompressed fragment so that it also holds [offset, offset + count); offset
  // must not lie beyond the fragment's end. On failure the fragment keeps what it held.
  int AppendFromFile(PRFileDesc* fd, PRUint32 offset, PRUint32 count, const PRUint8* key,
                     PRUint32 keyLength);
  // Whether [offset, offset + length) lies wholly inside the fragment.
  bool Contains(PRUint32 offset, PRUint32 length) const {
    return m_pBuffer && offset >= m_uStart && offset - m_uStart <= m_uLength &&
           length <= m_uLength - (offset - m_uStart);
  }
  // Frees the buffer when the fragment holds more than limit bytes.
  void Unload(PRUint32 limit);
  // Frees the buffer; start, length and capacity become 0.
  void Empty();
  // Exchanges start, length, capacity and buffer with other.
  void Swap(ZTPageFileFragment* other);

  PRUint32 GetStart() const { return m_uStart; }
  PRUint32 GetLength() const { return m_uLength; }
  PRUint32 GetEnd() const { return m_uStart + m_uLength; }
  const PRUint8* GetBuffer() const { return m_pBuffer; }

 private:
  // Grows the buffer to hold at least capacity bytes, never shrinking it.
  bool Reserve(PRUint32 capacity);
  // Empties the fragment and makes room for logicalLength bytes; false (logged) without it.
  bool ReserveFor(PRUint32 logicalLength);
  // A buffer of size bytes from the NSPR allocator, or null (logged).
  static PRUint8* TempBuffer(PRUint32 size);
  static int ReadStored(PRFileDesc* fd, PRUint32 position, PRUint32 readSize, PRUint8* target,
                        const PRUint8* key, PRUint32 keyLength);
  static int Inflate(const PRUint8* stored, PRUint32 storedLength, PRUint8* target,
                     PRUint32 logicalLength, PRUint32 position, const char* fileName);

  PRUint32 m_uStart;
  PRUint32 m_uLength;
  PRUint32 m_uCapacity;
  PRUint8* m_pBuffer;
  ZTPageFile* m_pPageFile;
};

#endif  // BACKENDS_NATIVE_ZTPAGEFILEFRAGMENT_H_
