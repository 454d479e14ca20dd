#include "frontends/wordlist/tests/ztWordListTestTables.h"

#include "core/ZTBinary.h"
#include "core/ZTFactory.h"
#include "core/ztIStringSimplifier.h"
#include "find/ZTCursor.h"
#include "find/ZTIField.h"
#include "find/ZTIRecord.h"
#include "find/ZTIRecordSet.h"
#include "find/ztFieldByName.h"

std::vector<ZTBuilderWord> ztPlainWords(const std::vector<std::string>& texts) {
  std::vector<ZTBuilderWord> words;
  for (const auto& text : texts) words.push_back({text, -1, {}});
  return words;
}

std::vector<std::string> ztWordTexts(ZTIRecordSet* words, ZTCursor* cursor) {
  std::vector<std::string> texts;
  ZTIField* field = nullptr;
  if (!cursor || cursor->ComputeCursorForm() != 0 || ztFieldByName(words, "WORD", &field) != 0) {
    return {"<error>"};
  }
  for (PRUint32 i = 0; i < cursor->GetCount(); ++i) {
    ZTIRecord* record = nullptr;
    ZTBinary* value = nullptr;
    std::string text = "<error>";
    if (words->GetRecord(cursor->GetArray()[i], &record) == 0 &&
        record->GetDataFieldValue(field, &value) == 0) {
      text.assign(reinterpret_cast<const char*>(value->GetData()), value->GetLength());
      if (!text.empty() && text.back() == '\0') text.pop_back();
    }
    ztRelease(value);
    ztRelease(record);
    texts.push_back(text);
  }
  ztRelease(field);
  return texts;
}

ztIStringSimplifier* ztCreateSimplifier(const char* url) {
  ZTFactory* factory = nullptr;
  ZTRefCount* object = nullptr;
  if (ZTFactory::GetFactory(&factory) != 0 || factory->CreateInstance(url, &object) != 0) {
    return nullptr;
  }
  void* simplifier = nullptr;
  object->QueryZTInterface(ztIStringSimplifier::GetZTIID(), &simplifier);
  object->Release();
  return static_cast<ztIStringSimplifier*>(simplifier);
}
