// Gzip data for the importers' fixtures.
#ifndef TOOLS_ZT_TESTS_ZTTESTGZIP_H_
#define TOOLS_ZT_TESTS_ZTTESTGZIP_H_

#include <zlib.h>

#include <string>

inline std::string ztTestGzip(const std::string& data) {
  z_stream z{};
  deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&z, data.size()) + 32, '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = reinterpret_cast<Bytef*>(&out[0]);
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

#endif  // TOOLS_ZT_TESTS_ZTTESTGZIP_H_
