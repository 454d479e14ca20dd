#include "tools/zt/ztFileBytes.h"

#include <prio.h>
#include <zlib.h>

#include "core/ZTErrors.h"

namespace {

constexpr size_t kChunk = 1 << 16;
constexpr size_t kMaxGzip = 0xFFFFFFFFu;  // what one call of zlib takes in

int ReadAll(PRFileDesc* fd, const std::string& path, const char* who, std::string* out) {
  char buffer[kChunk];
  for (;;) {
    PRInt32 got = PR_Read(fd, buffer, sizeof buffer);
    if (got < 0) return ZTError(ZT_E_FAILED, "%s %s: cannot be read", who, path.c_str());
    if (got == 0) return ZT_OK;
    out->append(buffer, static_cast<size_t>(got));
  }
}

}  // namespace

int ztReadFileBytes(const std::string& path, const char* who, std::string* out) {
  out->clear();
  PRFileInfo64 info;
  if (PR_GetFileInfo64(path.c_str(), &info) != PR_SUCCESS) {
    return ZTError(ZT_E_NOTFOUND, "%s %s: no such file", who, path.c_str());
  }
  if (info.type != PR_FILE_FILE) {
    return ZTError(ZT_E_FAILED, "%s %s: not a file", who, path.c_str());
  }
  PRFileDesc* fd = PR_Open(path.c_str(), PR_RDONLY, 0);
  if (!fd) return ZTError(ZT_E_FAILED, "%s %s: cannot be opened", who, path.c_str());
  out->reserve(static_cast<size_t>(info.size));
  int rv = ReadAll(fd, path, who, out);
  PR_Close(fd);
  return rv;
}

bool ztFileExists(const std::string& path) {
  PRFileInfo64 info;
  return PR_GetFileInfo64(path.c_str(), &info) == PR_SUCCESS && info.type == PR_FILE_FILE;
}

bool ztIsGzip(const char* bytes, size_t length) {
  return length >= 2 && static_cast<unsigned char>(bytes[0]) == 0x1f &&
         static_cast<unsigned char>(bytes[1]) == 0x8b;
}

int ztGunzip(const std::string& bytes, const std::string& file, const char* who, std::string* out) {
  out->clear();
  if (bytes.size() > kMaxGzip) {
    return ZTError(ZT_E_UNSUPPORTED, "%s %s: gzip data over 4 GiB", who, file.c_str());
  }
  z_stream z{};
  if (inflateInit2(&z, 15 + 16) != Z_OK) {
    return ZTError(ZT_E_NOMEM, "%s %s: cannot start inflating", who, file.c_str());
  }
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  z.avail_in = static_cast<uInt>(bytes.size());
  char buffer[kChunk];
  int z_rv;
  for (;;) {
    z.next_out = reinterpret_cast<Bytef*>(buffer);
    z.avail_out = sizeof buffer;
    z_rv = inflate(&z, Z_NO_FLUSH);
    out->append(buffer, sizeof buffer - z.avail_out);
    if (z_rv == Z_OK) continue;
    // Another gzip member may follow the one that ended.
    if (z_rv != Z_STREAM_END || !ztIsGzip(reinterpret_cast<const char*>(z.next_in), z.avail_in)) {
      break;
    }
    inflateReset(&z);
  }
  unsigned long long offset = bytes.size() - z.avail_in;
  inflateEnd(&z);
  if (z_rv == Z_STREAM_END) return ZT_OK;
  out->clear();
  return ZTError(ZT_E_INVALID, "%s %s: %s gzip data at offset %llu", who, file.c_str(),
                 z_rv == Z_BUF_ERROR ? "truncated" : "corrupt", offset);
}

int ztReadMaybeGzip(const std::string& path, const char* who, std::string* out) {
  int rv = ztReadFileBytes(path, who, out);
  if (rv != ZT_OK || !ztIsGzip(*out)) return rv;
  std::string packed;
  packed.swap(*out);
  return ztGunzip(packed, path, who, out);
}

std::string ztWithoutSuffix(const std::string& path, const std::string& suffix) {
  if (path.size() > suffix.size() &&
      path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0) {
    return path.substr(0, path.size() - suffix.size());
  }
  return path;
}

std::string ztFileStem(const std::string& path, const std::string& suffix) {
  size_t slash = path.rfind('/');
  return ztWithoutSuffix(slash == std::string::npos ? path : path.substr(slash + 1), suffix);
}
