// Cuts arbitrary text into words with the tokenizer's default lists: the first byte chooses
// the entities flag and a scan limit, the rest is UTF-8 text. Every scan must stay inside the
// text and the words and spaces must cover it without going back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/ztTokenize.h"
#include "core/ztUTF8.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void Walk(ztTokenize* tokenize, const PRUint32* text, PRUint32 count, PRUint32 end) {
  const PRUint32 limit = end ? end : count;
  PRUint32 at = 0;
  while (at < limit && text[at]) {
    PRUint32 space = 0, word = 0;
    Check(tokenize->NextEndOfSpace(text + at, end ? end - at : 0, &space) == 0);
    Check(at + space <= limit);
    at += space;
    if (at == limit) break;  // a relative end of 0 would mean no end at all
    Check(tokenize->NextEndOfWord(text + at, end ? end - at : 0, &word) == 0);
    Check(at + word <= limit);
    at += word;
    if (space == 0 && word == 0) ++at;  // a lone joiner at a word's start
  }
  for (PRUint32 i = 0; i < count; ++i) {
    PRBool nbsp = PR_FALSE;
    PRUint32 pos = 0;
    if (tokenize->CheckIfEntity(text, i, end, &nbsp, &pos)) Check(pos >= i && pos < count);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string utf8(reinterpret_cast<const char*>(data) + 1, size - 1);
  PRUint32* text = nullptr;
  const PRUint32 count = UTF8ToNewUCS4(&text, utf8.c_str());
  if (!text) return 0;
  ztTokenize* tokenize = new ztTokenize();
  Check(tokenize->Init(nullptr, nullptr, nullptr, (data[0] & 1) ? PR_TRUE : PR_FALSE) == 0);
  const PRUint32 end = (data[0] >> 1) % 8 == 0 ? 0 : (data[0] >> 1) % (count + 1);
  Walk(tokenize, text, count, end);
  tokenize->Release();
  UCS4Free(text);
  return 0;
}
