#include "frontends/wordlist/tests/ztWordListTestTables.h"

#include <prmem.h>

#include <algorithm>
#include <map>
#include <utility>

#include "core/ZTBinary.h"
#include "core/ZTFactory.h"
#include "core/ztIStringSimplifier.h"
#include "find/ZTCursor.h"
#include "find/ZTIField.h"
#include "find/ZTIRecord.h"
#include "find/ZTIRecordSet.h"
#include "find/ztFieldByName.h"
#include "frontends/wordlist/tests/ztTestTable.h"

namespace {

ztTestRow TextAndNumber(const std::string& text, PRUint32 number) {
  ztTestRow row(2);
  row[0].m_text = text;
  row[1].m_uNum = number;
  return row;
}

typedef std::vector<std::pair<std::string, PRUint32>> Keys;

// Sorted by key (bytes), then by number.
Keys Sorted(Keys keys) {
  std::stable_sort(keys.begin(), keys.end());
  return keys;
}

Keys Reversed(const Keys& keys) {
  Keys reversed;
  for (size_t i = 0; i < keys.size(); ++i) {
    reversed.emplace_back(std::string(keys[i].first.rbegin(), keys[i].first.rend()),
                          static_cast<PRUint32>(i));
  }
  return Sorted(reversed);
}

int WriteKeyed(const ztTempDir& dir, const char* name, const char* numField, const Keys& keys,
               PRUint32 pageSize) {
  std::vector<ztTestRow> rows;
  for (const auto& key : keys) rows.push_back(TextAndNumber(key.first, key.second));
  return ztWriteTestTable(dir, name, {{"KEY", 't', nullptr}, {numField, 'n', nullptr}}, rows, true,
                          pageSize);
}

int WriteWords(const ztTempDir& dir, const std::vector<ztTestWord>& words) {
  std::vector<ztTestRow> rows, variants;
  for (size_t i = 0; i < words.size(); ++i) {
    ztTestRow row(3);
    row[0].m_text = words[i].m_text;
    row[1].m_uNum = words[i].m_iSee < 0 ? static_cast<PRUint32>(i) : words[i].m_iSee;
    row[2].m_uNum = static_cast<PRUint32>(variants.size());
    row[2].m_uCount = static_cast<PRUint32>(words[i].m_variants.size());
    for (int v : words[i].m_variants) variants.push_back(TextAndNumber("", v));
    rows.push_back(row);
  }
  int rc = ztWriteTestTable(dir, "variants", {{"NAME", 't', nullptr}, {"WORDNO", 'n', nullptr}},
                            variants, false, 64);
  if (rc) return rc;
  return ztWriteTestTable(
      dir, "words", {{"WORD", 't', nullptr}, {"SEE", 'n', nullptr}, {"VARIANTS", 'l', "variants"}},
      rows, false, 64);
}

std::string Simplified(ztIStringSimplifier* simplifier, const std::string& text) {
  char* out = nullptr;
  if (simplifier->SimplifyToNew(text.c_str(), &out, nullptr) != 0) return text;
  std::string result(out);
  PR_Free(out);
  return result;
}

// The simplified keys, each with the range of its exact lookup records in "caplinks".
int WriteSimplified(const ztTempDir& dir, const ztWordListTables& tables, const Keys& exact) {
  std::map<std::string, std::vector<PRUint32>> groups;
  for (size_t i = 0; i < exact.size(); ++i) {
    groups[Simplified(tables.m_pSimplifier, exact[i].first)].push_back(static_cast<PRUint32>(i));
  }
  std::vector<ztTestRow> caps, links;
  Keys capKeys;
  for (const auto& group : groups) {
    ztTestRow row(2);
    row[0].m_text = group.first;
    row[1].m_uNum = static_cast<PRUint32>(links.size());
    row[1].m_uCount = static_cast<PRUint32>(group.second.size());
    for (PRUint32 record : group.second) links.push_back(TextAndNumber("", record));
    caps.push_back(row);
    capKeys.emplace_back(group.first, static_cast<PRUint32>(capKeys.size()));
  }
  int rc = ztWriteTestTable(dir, "caplinks", {{"NAME", 't', nullptr}, {"LOOKUPNO", 'n', nullptr}},
                            links, false, 64);
  if (!rc) {
    rc = ztWriteTestTable(dir, "caplookup", {{"KEY", 't', nullptr}, {"TARGETS", 'l', "caplinks"}},
                          caps, true, tables.m_uPageSize);
  }
  if (!rc) rc = WriteKeyed(dir, "revcaplookup", "CAPNO", Reversed(capKeys), tables.m_uPageSize);
  return rc;
}

std::string Section(const ztTempDir& dir, const char* section, const char* table,
                    const std::string& lines) {
  return std::string("[") + section + "]\nRSURL=native:" + dir.File(table) + "\n" + lines;
}

std::string Configuration(const ztTempDir& dir, const ztWordListTables& tables) {
  std::string text = Section(dir, "WORDTABLE", "words", "");
  text += Section(dir, "LOOKUPTABLE", "lookup", "FIELD=WORDNO\nTEXTTOKENFIELD=KEY\n");
  text += Section(dir, "REVLOOKUPTABLE", "revlookup", "FIELD=LOOKUPNO\n");
  if (tables.m_pSimplifier) {
    text += Section(dir, "CAPLOOKUPTABLE", "caplookup", "FIELD=TARGETS\nSUBFIELD=LOOKUPNO\n");
    text += Section(dir, "REVCAPLOOKUPTABLE", "revcaplookup", "FIELD=CAPNO\n");
  }
  return text + tables.m_extra;
}

}  // namespace

std::string ztWriteWordList(const ztTempDir& dir, const ztWordListTables& tables) {
  Keys exact;
  for (size_t i = 0; i < tables.m_words.size(); ++i) {
    exact.emplace_back(tables.m_words[i].m_text, static_cast<PRUint32>(i));
  }
  exact = Sorted(exact);
  int rc = WriteWords(dir, tables.m_words);
  if (!rc) rc = WriteKeyed(dir, "lookup", "WORDNO", exact, tables.m_uPageSize);
  if (!rc) rc = WriteKeyed(dir, "revlookup", "LOOKUPNO", Reversed(exact), tables.m_uPageSize);
  if (!rc && tables.m_pSimplifier) rc = WriteSimplified(dir, tables, exact);
  if (rc) return std::string();
  return dir.Write("wordlist.cfg", Configuration(dir, tables));
}

std::vector<ztTestWord> ztPlainWords(const std::vector<std::string>& texts) {
  std::vector<ztTestWord> words;
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
