#include "testing/find/ztFindTesting.h"

#include "core/ZTBinary.h"
#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTICursorComparator.h"
#include "find/ZTIRecordComparator.h"

ZTCursor* ztMakeCursor(const ztElements& values) {
  ZTCursor* cursor = nullptr;
  ZTCursor::_CreateInstance(static_cast<PRUint32>(values.size()), values.data(), &cursor);
  return cursor;
}

ZTCursor* ztMakeBitmapCursor(const ztElements& values) {
  std::vector<PRUint32> words;
  for (PRUint32 v : values) {
    if (words.size() <= v / 32) words.resize(v / 32 + 1);
    words[v / 32] |= 1u << (v % 32);
  }
  ZTCursor* cursor = nullptr;
  ZTCursor::_CreateInstance(static_cast<PRUint32>(words.size()), words.data(), 1, &cursor);
  return cursor;
}

ztElements ztElementsOf(ZTCursor* cursor) {
  if (cursor->ComputeCursorForm() != ZT_OK) return {};
  return ztElements(cursor->GetArray(), cursor->GetArray() + cursor->GetCount());
}

namespace {

std::string TextOf(int rc, ZTBinary* id) {
  std::string text;
  if (rc == ZT_OK && id && id->GetData()) text = reinterpret_cast<const char*>(id->GetData());
  ztRelease(id);
  return text;
}

}  // namespace

std::string ztCursorComparatorId(ZTICursorComparator* comparator) {
  ZTBinary* id = nullptr;
  const int rc = comparator->GetCursorComparatorID(&id);
  return TextOf(rc, id);
}

std::string ztRecordComparatorId(ZTIRecordComparator* comparator) {
  ZTBinary* id = nullptr;
  const int rc = comparator->GetRecordComparatorID(&id);
  return TextOf(rc, id);
}
