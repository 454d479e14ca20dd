// Whole files read into memory, and gzip data (dictzip files are gzip) inflated.
#ifndef TOOLS_ZT_ZTFILEBYTES_H_
#define TOOLS_ZT_ZTFILEBYTES_H_

#include <cstddef>
#include <string>

// Reads the whole file into *out. 11 when it does not exist, 10 when it cannot be read; the
// message begins with who ("[ZTDictdImporter::Import]").
int ztReadFileBytes(const std::string& path, const char* who, std::string* out);
// Whether a file of that name exists.
bool ztFileExists(const std::string& path);
// Whether the bytes begin like gzip data.
bool ztIsGzip(const char* bytes, size_t length);
inline bool ztIsGzip(const std::string& bytes) {
  return ztIsGzip(bytes.data(), bytes.size());
}
// Inflates every gzip member of bytes into *out; 1 naming the file and the offset for corrupt
// or truncated data, 15 for more than 4 GiB of it.
int ztGunzip(const std::string& bytes, const std::string& file, const char* who, std::string* out);
// path without the suffix when it ends with it (and is longer).
std::string ztWithoutSuffix(const std::string& path, const std::string& suffix);
// The file name of path (after its last '/') without the suffix.
std::string ztFileStem(const std::string& path, const std::string& suffix);
// Reads the file and inflates it when it holds gzip data.
int ztReadMaybeGzip(const std::string& path, const char* who, std::string* out);

#endif  // TOOLS_ZT_ZTFILEBYTES_H_
