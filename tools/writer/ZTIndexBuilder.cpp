#include "tools/writer/ZTIndexBuilder.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <thread>
#include <utility>

#include "core/ZTErrors.h"
#include "core/ztUTF8.h"
#include "tools/writer/ZTWordListBuilder.h"
#include "tools/writer/detail/ztColumnTable.h"
#include "tools/writer/detail/ztOccurrenceTables.h"
#include "tools/writer/detail/ztTextOrder.h"

namespace {

const char kAdd[] = "ZTIndexBuilder::AddDocument";
const char kWrite[] = "ZTIndexBuilder::Write";
const PRUint32 kMaxStructure = 255;
// Documents cut ahead of the indexing thread: batches of kBatchDocuments, kQueuedBatches of
// them at most. The two threads share the cores with the headword list's: with room for a few
// thousand documents either one can run ahead while the other is held up.
const size_t kBatchDocuments = 256;
const size_t kQueuedBatches = 16;
// What a document's words are reserved for: a word for so many bytes of its HTML.
const size_t kBytesPerWord = 8;
// And the marked HTML for so many times its bytes: markers are some 17 bytes a word, and the
// marked articles of GCIDE are 2.5 to 4 times as long as they were (growing one copies it).
const size_t kMarkedPerByte = 4;
// Records per page of the word list's lookup tables.
const PRUint32 kLookupPageSize = 32;
const char kWildCards[] = "[WILDCARDS]\nSINGLEWILDCARD=0x3f\nMULTIPLEWILDCARD=0x2a\n";

// Whether the 8 bytes at text are ASCII without NUL.
bool AsciiWord(const char* text) {
  PRUint64 word = 0;
  std::memcpy(&word, text, sizeof(word));
  const PRUint64 kHigh = 0x8080808080808080ull, kLow = 0x0101010101010101ull;
  // A byte below 0x80 is zero when subtracting 1 from it borrows its high bit.
  return (word & kHigh) == 0 && ((word - kLow) & kHigh) == 0;
}

// Where text stops being UTF-8 without NUL bytes; its size when it does not.
size_t InvalidAt(const std::string& text) {
  for (size_t i = 0; i < text.size();) {
    if (i + 8 <= text.size() && AsciiWord(text.data() + i)) {  // eight ASCII bytes at once
      i += 8;
      continue;
    }
    PRUint32 c = 0, bytes = 0;
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    if (byte != 0 && byte < 0x80) {  // an ASCII byte
      ++i;
      continue;
    }
    if (byte == 0 || CharUTF8ToUCS4(&c, text.c_str() + i, &bytes) != 0) return i;
    i += bytes;
  }
  return text.size();
}

std::string HexList(const std::vector<PRUint32>& values) {
  std::string text;
  char number[16];
  for (PRUint32 value : values) {
    std::snprintf(number, sizeof(number), "%x", value);
    text += (text.empty() ? "" : " ") + std::string(number);
  }
  return text;
}

// Without repeated or final slashes: "//" would begin a comment in the configuration.
std::string Normalised(const std::string& directory) {
  std::string path;
  for (char c : directory) {
    if (c != '/' || path.empty() || path.back() != '/') path += c;
  }
  if (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// Words of a list file, one a line: none may be empty or hold a line feed.
int CheckWords(const std::vector<std::string>& words, const char* who) {
  for (const std::string& word : words) {
    if (word.empty() || word.find('\n') != std::string::npos) {
      return ZTError(ZT_E_INVALID, "[%s] the word '%s' cannot be a line of a word list", who,
                     word.c_str());
    }
  }
  return ZT_OK;
}

std::string Lines(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += word + "\n";
  return text;
}

}  // namespace

std::vector<PRUint32> ZTIndexBuilder::DefaultHardSeparators() {
  return {0x21, 0x23, 0x28, 0x29, 0x2B,   0x2C,   0x2E,   0x2F,   0x3A,   0x3B,
          0x3C, 0x3E, 0x5E, 0x5F, 0x60,   0x5B,   0x5D,   0x7B,   0x7C,   0x7D,
          0x7E, 0x2D, 0x20, 0x09, 0x0A,   0x0D,   0x22,   0x3F,   0x2A,   0xA0,
          0xAB, 0xBB, 0xA1, 0xBF, 0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2026};
}

std::vector<PRUint32> ZTIndexBuilder::DefaultSoftSeparators() {
  return {0x27, 0x2019};
}

std::vector<std::string> ZTIndexBuilder::DefaultExceptions() {
  return {"aujourd'hui", "aujourd\xE2\x80\x99hui"};
}

ZTIndexBuilder::ZTIndexBuilder()
    : m_hard(DefaultHardSeparators()),
      m_soft(DefaultSoftSeparators()),
      m_exceptions(DefaultExceptions()) {}

int ZTIndexBuilder::SetSeparators(const std::vector<PRUint32>& hard,
                                  const std::vector<PRUint32>& soft) {
  if (m_bStarted) {
    return ZTError(ZT_E_STATE,
                   "[ZTIndexBuilder::SetSeparators] documents were already cut with the others");
  }
  m_hard = hard;
  m_soft = soft;
  return ZT_OK;
}

int ZTIndexBuilder::SetExceptions(const std::vector<std::string>& words) {
  if (m_bStarted) {
    return ZTError(ZT_E_STATE,
                   "[ZTIndexBuilder::SetExceptions] documents were already cut with the others");
  }
  const int rc = CheckWords(words, "ZTIndexBuilder::SetExceptions");
  if (!rc) m_exceptions = words;
  return rc;
}

int ZTIndexBuilder::SetStopWords(const std::vector<std::string>& words) {
  const int rc = CheckWords(words, "ZTIndexBuilder::SetStopWords");
  if (!rc) m_stopWords = words;
  return rc;
}

int ZTIndexBuilder::CheckNew(PRUint32 id) const {
  if (!m_documents.count(id)) return ZT_OK;
  return ZTError(ZT_E_INVALID, "[%s] document %u was already added", kAdd, id);
}

int ZTIndexBuilder::CheckParts(PRUint32 id, const std::vector<ZTIndexPart>& parts) const {
  for (size_t i = 0; i < parts.size(); ++i) {
    const unsigned part = static_cast<unsigned>(i);
    if (parts[i].m_uStructure > kMaxStructure) {
      return ZTError(ZT_E_INVALID, "[%s] document %u, part %u: the structure value %u is above %u",
                     kAdd, id, part, parts[i].m_uStructure, kMaxStructure);
    }
    const size_t invalid = InvalidAt(parts[i].Text());
    if (invalid < parts[i].Text().size()) {
      return ZTError(ZT_E_INVALID,
                     "[%s] document %u, part %u: the text is not UTF-8 without NUL bytes "
                     "(byte %lu)",
                     kAdd, id, part, static_cast<unsigned long>(invalid));
    }
  }
  return ZT_OK;
}

int ZTIndexBuilder::Start() {
  if (m_bStarted) return ZT_OK;
  const int rc = m_marker.Init(m_hard, m_soft, m_exceptions);
  m_bStarted = rc == ZT_OK;
  return rc;
}

int ZTIndexBuilder::Cut(PRUint32 id, const std::vector<ZTIndexPart>& parts, bool marked,
                        ztCutDocument* pOut) {
  int rc = CheckParts(id, parts);
  if (!rc) rc = Start();
  pOut->m_uId = id;
  pOut->m_occurrences.clear();
  pOut->m_marked.clear();
  size_t bytes = 0;
  for (const ZTIndexPart& part : parts) bytes += part.Text().size();
  pOut->m_occurrences.reserve(bytes / kBytesPerWord);
  if (marked) pOut->m_marked.reserve(bytes * kMarkedPerByte);
  // Words are numbered here, where their bytes were just read: the indexing thread gets the
  // numbers alone.
  std::vector<ztOccurrence>& occurrences = pOut->m_occurrences;
  for (size_t i = 0; !rc && i < parts.size(); ++i) {
    const PRUint32 structure = parts[i].m_uStructure;
    rc = m_marker.Mark(
        parts[i].Text(),
        [&](const char* word, size_t length) {
          const PRUint32 position = static_cast<PRUint32>(occurrences.size());
          occurrences.push_back({m_numbers.Number(word, length), structure, position});
          return ZT_OK;
        },
        marked ? &pOut->m_marked : nullptr);
  }
  return rc;
}

int ZTIndexBuilder::AddCut(ztCutDocument* pDocument) {
  const int rc = CheckNew(pDocument->m_uId);
  if (rc) return rc;
  m_postings.AddDocument(pDocument->m_uId, &pDocument->m_occurrences);
  m_documents.insert(pDocument->m_uId);
  return ZT_OK;
}

int ZTIndexBuilder::AddDocument(PRUint32 id, const std::vector<ZTIndexPart>& parts,
                                std::string* pMarked) {
  ztCutDocument document;
  int rc = CheckNew(id);
  if (!rc) rc = Cut(id, parts, pMarked != nullptr, &document);
  if (!rc) rc = AddCut(&document);
  if (!rc && pMarked) pMarked->swap(document.m_marked);
  return rc;
}

int ZTIndexBuilder::CutAll(PRUint32 count, const PartsOf& partsOf, ztCutQueue* pQueue) {
  int rc = ZT_OK;
  ztCutBatch batch = pQueue->TakeSpare();
  size_t filled = 0;  // the documents of batch cut
  for (PRUint32 id = 0; id < count && !rc; ++id) {
    if (filled == batch.size()) batch.emplace_back();
    rc = Cut(id, partsOf(id), true, &batch[filled]);
    if (!rc) ++filled;
    if ((rc || filled == kBatchDocuments || id + 1 == count) && filled) {
      batch.resize(filled);
      if (!pQueue->Push(std::move(batch))) break;
      batch = pQueue->TakeSpare();
      filled = 0;
    }
  }
  pQueue->Close();
  return rc;
}

int ZTIndexBuilder::AddDocuments(PRUint32 count, const PartsOf& partsOf, const Marked& marked) {
  int rc = Start();
  if (rc) return rc;
  ztCutQueue queue(kQueuedBatches);
  int cutRc = ZT_OK;
  std::thread cutter([&] { cutRc = CutAll(count, partsOf, &queue); });
  ztCutBatch batch;
  while (!rc && queue.Pop(&batch)) {
    for (size_t i = 0; !rc && i < batch.size(); ++i) {
      rc = AddCut(&batch[i]);
      if (!rc) rc = marked(batch[i].m_uId, std::move(batch[i].m_marked));
    }
    queue.Recycle(std::move(batch));
  }
  queue.Close();
  cutter.join();
  return cutRc ? cutRc : rc;
}

std::vector<PRUint32> ZTIndexBuilder::WordOrder() const {
  std::vector<PRUint32> order;
  for (PRUint32 i = 0; i < m_numbers.GetCount(); ++i) {
    if (m_postings.HasWord(i)) order.push_back(i);
  }
  ztSortByText(&order, [this](PRUint32 n) -> const std::string& { return m_numbers.Word(n); });
  return order;
}

int ZTIndexBuilder::WriteOccurrences(const std::string& directory,
                                     const std::vector<PRUint32>& order) const {
  ztOccurrenceTables tables(m_postings);
  int rc = tables.Begin(directory, m_bPositions, m_bCompressed);
  for (size_t i = 0; !rc && i < order.size(); ++i) rc = tables.AddWord(order[i]);
  return rc ? rc : tables.Finish();
}

// Each word's range of records is known from the postings, so the word list is written while
// another thread writes the records.
int ZTIndexBuilder::WriteTables(const std::string& directory, std::string* pWordList) const {
  const std::vector<PRUint32> order = WordOrder();
  // The records take longer: they start first.
  int rcOccurrences = ZT_OK;
  std::thread occurrences([&] { rcOccurrences = WriteOccurrences(directory, order); });
  ZTWordListBuilder words;
  words.ReserveWords(order.size());
  PRUint32 records = 0;
  for (PRUint32 number : order) {
    ZTBuilderWord word;
    word.m_text = m_numbers.Word(number);
    word.m_uLinkFirst = records;
    word.m_uLinkCount = m_postings.GetRecordCount(number);
    records += word.m_uLinkCount;
    words.AddWord(std::move(word));
  }
  words.SetWordLink("DOCS", "docs", records);
  words.SetSimplifier(m_pSimplifier);
  words.SetPageSize(kLookupPageSize);
  words.SetTextBlockSize(m_uTextBlock);
  words.SetRecordCompression(m_bCompressed);
  words.SetCrossReferences(false);
  words.AddConfiguration(kWildCards);
  if (!m_configDir.empty()) words.SetConfigDirectory(Normalised(m_configDir));
  const int rc = words.Write(directory, pWordList);
  occurrences.join();
  return rcOccurrences ? rcOccurrences : rc;
}

std::string ZTIndexBuilder::Configuration(const std::string& directory) const {
  std::string text = "[WILDCARDWORDLIST]\nPATH=" + directory + "/wordlist.cfg\n";
  text += "[WORDTABLE]\nDOCLINKFIELD=DOCS\nDOCIDFIELD=DOCID\nSTRUCTUREFIELD=STRUCT\n";
  if (m_bPositions) text += "OCCLINKFIELD=OCCS\nOCCFIELD=POS\n";
  text += "[SEPARATORS]\nHARD=" + HexList(m_hard) + "\nSOFT=" + HexList(m_soft) +
          "\nEXCEPTIONS=" + directory + "/exceptions.txt\n";
  if (!m_stopWords.empty()) text += "[STOPWORDLIST]\nPATH=" + directory + "/stopwords.txt\n";
  return text;
}

int ZTIndexBuilder::Write(const std::string& given, std::string* pConfigPath) const {
  const std::string directory = Normalised(given);
  std::string wordList;
  int rc = WriteTables(directory, &wordList);
  if (!rc) rc = ztWriteTextFile(directory + "/exceptions.txt", Lines(m_exceptions), kWrite);
  if (!rc && !m_stopWords.empty())
    rc = ztWriteTextFile(directory + "/stopwords.txt", Lines(m_stopWords), kWrite);
  const std::string path = directory + "/index.cfg";
  const std::string named = m_configDir.empty() ? directory : Normalised(m_configDir);
  if (!rc) rc = ztWriteTextFile(path, Configuration(named), kWrite);
  if (!rc) *pConfigPath = path;
  return rc;
}
