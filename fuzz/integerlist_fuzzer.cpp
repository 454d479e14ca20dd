// Reads arbitrary text as a hexadecimal integer list. A text that is accepted must format to
// a text that reads back to the same list, and every value of it must be present; a refused
// text must leave the list as it was.
#include <prprf.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/ZTIntegerList.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

std::string Format(const ZTIntegerList& list) {
  char* text = nullptr;
  Check(list.FormatToAsciiString(&text) == 0);
  std::string result = text ? text : "";
  if (text) PR_smprintf_free(text);
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  ZTIntegerList* list = new ZTIntegerList();
  Check(list->SetListFromAsciiString("7 3") == 0);
  if (list->SetListFromAsciiString(text.c_str()) != 0) {
    Check(Format(*list) == "3 7 ");
  } else {
    std::string formatted = Format(*list);
    ZTIntegerList* again = new ZTIntegerList();
    Check(again->SetListFromAsciiString(formatted.c_str()) == 0);
    Check(Format(*again) == formatted);
    const char* p = formatted.c_str();
    for (char* end = nullptr; *p; p = end + 1) {
      int present = 0;
      Check(again->IsPresent(static_cast<PRUint32>(std::strtoul(p, &end, 16)), &present) == 0);
      Check(present == 1);
    }
    again->Release();
  }
  list->Release();
  return 0;
}
