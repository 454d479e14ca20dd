// ZTBlockWriter: writes one native file, either plain or as a sequence of zlib blocks with its
// catalog of (inflated length, stored length) pairs.
#ifndef TOOLS_WRITER_ZTBLOCKWRITER_H_
#define TOOLS_WRITER_ZTBLOCKWRITER_H_

#include <prio.h>
#include <prtypes.h>

#include <string>
#include <vector>

struct libdeflate_compressor;

class ZTBlockWriter {
 public:
  ZTBlockWriter();
  ~ZTBlockWriter();
  ZTBlockWriter(const ZTBlockWriter&) = delete;
  ZTBlockWriter& operator=(const ZTBlockWriter&) = delete;

  // Creates path. With a catalog path the file is compressed: blocks of about blockSize
  // logical bytes, each a zlib stream deflated at the level given (0 to 9, -1 for 6). The file
  // may not grow beyond maxSize bytes (at most 2 GiB - 1). 10 when a file cannot be created,
  // 12 when memory runs out.
  int Open(const char* path, const char* catalog, PRUint32 blockSize, int level,
           PRUint32 maxSize = kMaxFileSize);

  // Every native file is read through a 32-bit signed seek.
  static const PRUint32 kMaxFileSize = 0x7FFFFFFF;
  // Appends bytes that must lie inside one block: a compressed file first ends its current
  // block when they would not fit in it. A unit longer than the block size gets a block of
  // its own.
  int AppendUnit(const void* data, PRUint32 length);
  // Appends bytes to the current block, never ending it.
  int Append(const void* data, PRUint32 length);
  // Writes what is pending and the catalog, and closes the files.
  int Close();

  // Logical bytes written so far: the offset of the next byte appended.
  PRUint32 GetLogicalSize() const { return static_cast<PRUint32>(m_uLogical); }
  bool IsCompressed() const { return !m_catalogPath.empty(); }

 private:
  int Grow(PRUint32 length);
  int FlushPlain();
  int FlushBlock();
  int WriteCatalog();
  int WriteOut(PRFileDesc* fd, const void* data, PRUint32 length, const std::string& path);

  PRFileDesc* m_pFd;
  std::string m_path;
  std::string m_catalogPath;
  PRUint32 m_uBlockSize;
  // Deflates the blocks of a compressed file (libdeflate writes zlib streams, as zlib would,
  // in about half of zlib's time).
  libdeflate_compressor* m_pCompressor;
  PRUint64 m_uMaxStored;
  PRUint64 m_uLogical;  // logical bytes appended
  PRUint64 m_uStored;   // bytes written to the file
  std::vector<PRUint8> m_pending;
  std::vector<PRUint8> m_deflated;
  std::vector<PRUint32> m_catalog;  // inflated length, stored length, per block
};

#endif  // TOOLS_WRITER_ZTBLOCKWRITER_H_
