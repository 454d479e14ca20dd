// ztTextOrder: sorts numbers by the texts they stand for, byte by byte. The first 8 bytes of
// each text, taken as one big-endian number, order most pairs without reading the strings.
#ifndef TOOLS_WRITER_DETAIL_ZTTEXTORDER_H_
#define TOOLS_WRITER_DETAIL_ZTTEXTORDER_H_

#include <prtypes.h>

#include <algorithm>
#include <string>
#include <vector>

// The first 8 bytes of text as a big-endian number (0 past its end): prefixes that differ order
// their texts as the texts' bytes do.
inline PRUint64 ztTextPrefix(const std::string& text) {
  PRUint64 prefix = 0;
  for (size_t i = 0; i < 8; ++i) {
    prefix = (prefix << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0);
  }
  return prefix;
}

// Sorts *numbers by textOf(number) (a const std::string&), equal texts by number.
template <typename TextOf>
void ztSortByText(std::vector<PRUint32>* numbers, TextOf textOf) {
  struct Item {
    PRUint64 m_uPrefix;
    PRUint32 m_uNumber;
  };
  std::vector<Item> items(numbers->size());
  for (size_t i = 0; i < items.size(); ++i) {
    items[i] = {ztTextPrefix(textOf((*numbers)[i])), (*numbers)[i]};
  }
  std::sort(items.begin(), items.end(), [&textOf](const Item& a, const Item& b) {
    if (a.m_uPrefix != b.m_uPrefix) return a.m_uPrefix < b.m_uPrefix;
    const int order = textOf(a.m_uNumber).compare(textOf(b.m_uNumber));
    return order != 0 ? order < 0 : a.m_uNumber < b.m_uNumber;
  });
  for (size_t i = 0; i < items.size(); ++i) (*numbers)[i] = items[i].m_uNumber;
}

#endif  // TOOLS_WRITER_DETAIL_ZTTEXTORDER_H_
