// The index builder's cutting of HTML: arbitrary bytes as a document of two parts (split at the
// first byte's value). A document taken must come back with only the word markers added, in
// pairs, never around a tag.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tools/writer/ZTIndexBuilder.h"

namespace {

const std::string kOpen = "<?ZT W?>";
const std::string kClose = "<?ZT /W?>";

// The text without its markers; aborts on a marker out of place.
std::string Unmarked(const std::string& marked) {
  std::string text;
  bool inWord = false;
  for (size_t i = 0; i < marked.size();) {
    const std::string& marker = inWord ? kClose : kOpen;
    if (marked.compare(i, marker.size(), marker) == 0) {
      i += marker.size();
      inWord = !inWord;
      continue;
    }
    if (inWord && marked[i] == '<') abort();  // a word never holds a tag
    text += marked[i++];
  }
  if (inWord) abort();
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0 || size > 8192) return 0;
  const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (input.find("<?ZT") != std::string::npos) return 0;
  const size_t split = data[0] < input.size() ? data[0] : input.size();
  ZTIndexBuilder builder;
  std::string marked;
  if (builder.AddDocument(0, {{input.substr(0, split), 1}, {input.substr(split), 2}}, &marked)) {
    return 0;
  }
  if (Unmarked(marked) != input) abort();
  return 0;
}
