// Highlights arbitrary marked text: the first bytes give the positions (ascending by steps of
// the byte values) and the markup, the rest is the text. The output must be complete, free of
// both markers wherever they were well formed, and never larger than the size computed in
// advance (the address sanitizer watches the buffer).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/ZTBinary.h"
#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "modules/hiliter/ZTHiliter.h"
#include "modules/hiliter/ztFilterHilite.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

const char* const kMarkups[] = {"", "<b>", "<span class=\"zthit\">", "<a name=\"x\"></a>"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  const unsigned count = data[0] % 16;
  std::vector<unsigned> values;
  unsigned value = 0;
  for (unsigned i = 0; i < count; ++i) values.push_back(value += data[1 + i % 3] % 4);
  const std::string text(reinterpret_cast<const char*>(data) + 4, size - 4);

  ZTHiliter* hiliter = new ZTHiliter();
  const char* start = kMarkups[data[1] % 4];
  const char* stop = kMarkups[data[2] % 4];
  Check(hiliter->SetStartStrings("<?ZT W?>", start, data[3] % 24 - 4) == 0);
  Check(hiliter->SetStopStrings("<?ZT /W?>", stop, data[3] % 12 - 2) == 0);
  Check(hiliter->SetValues(values.data(), count) == 0);
  const int rc = hiliter->FilterData(text.c_str(), text.size() + 1);
  if (text.find('\0') != std::string::npos) {
    Check(rc == ZT_E_FAILED);
  } else {
    Check(rc == 0 || rc == ZT_E_FAILED);
    Check(hiliter->GetLength() > 0 && hiliter->GetData()[hiliter->GetLength() - 1] == '\0');
  }
  hiliter->Release();

  ZTBinary* binary = ZTBinary::_CreateInstance(text.data(), text.size());
  ZTCursor* positions = nullptr;
  Check(ZTCursor::_CreateInstance(values.size(), values.data(), &positions) == 0);
  ZTBinary* out = nullptr;
  if (ztFilterHilite(binary, positions, start, stop, &out) == 0) out->Release();
  positions->Release();
  binary->Release();
  return 0;
}
