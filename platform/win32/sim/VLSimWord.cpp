#include "platform/win32/sim/VLSimWord.h"

#include <algorithm>
#include <vector>

#include "platform/win32/sim/VLSimObject.h"

struct VLSimWord::Document {
  std::u16string m_sText;
  std::vector<size_t> m_aStarts;  // where the words begin
  size_t m_iSelStart = 0;
  size_t m_iSelEnd = 0;
  VLSimFailures m_failures;

  // [start, end) of the word that holds pos.
  std::pair<size_t, size_t> WordAt(size_t pos) const;
  // pos moved by count word starts (backwards when negative), within the document.
  size_t Step(size_t pos, int32_t count) const;
};

namespace {

using Doc = std::shared_ptr<VLSimWord::Document>;

enum CharKind { kSpace, kParagraph, kPunctuation, kLetter };

CharKind KindOf(char16_t c) {
  if (c == ' ' || c == '\t') return kSpace;
  if (c == '\r') return kParagraph;
  const bool ascii = c < 0x80;
  const bool alnum = ascii && ((c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z'));
  return ascii && c > ' ' && !alnum ? kPunctuation : kLetter;
}

std::vector<size_t> WordStarts(const std::u16string& text) {
  std::vector<size_t> starts;
  for (size_t i = 0; i < text.size(); ++i) {
    const CharKind kind = KindOf(text[i]);
    const CharKind before = i ? KindOf(text[i - 1]) : kSpace;
    if (i == 0 || (kind != kSpace && (kind != before || kind != kLetter))) starts.push_back(i);
  }
  return starts;
}

using DocObject = VLSimModelObject<VLSimWord::Document>;

class WordRange : public DocObject {
 public:
  WordRange(Doc doc, size_t start, size_t end)
      : DocObject(std::move(doc)), m_iStart(start), m_iEnd(end) {}

 protected:
  VLStatus Answer(const std::string& member, std::vector<VLVariant>& args,
                  VLVariant* result) override;

 private:
  VLStatus Move(const std::string& member, std::vector<VLVariant>& args, VLVariant* result);

  size_t m_iStart;
  size_t m_iEnd;
};

class WordWords : public DocObject {
 public:
  WordWords(Doc doc, size_t start) : DocObject(std::move(doc)), m_iStart(start) {}

 protected:
  VLStatus Answer(const std::string& member, std::vector<VLVariant>& args,
                  VLVariant* result) override {
    if (member != "First" || !args.empty()) return vlUnknownMember(member);
    const auto word = m_pModel->WordAt(m_iStart);
    *result = VLVariant::Adopt(new WordRange(m_pModel, word.first, word.second));
    return VLStatus::Ok();
  }

 private:
  size_t m_iStart;
};

VLStatus WordRange::Answer(const std::string& member, std::vector<VLVariant>& args,
                           VLVariant* result) {
  if (member == "MoveStart" || member == "MoveEnd") return Move(member, args, result);
  if (!args.empty()) return vlBadArguments(member);
  const size_t length = m_pModel->m_sText.size();
  if (member.empty() || member == "Text") {
    *result = VLVariant::Text(m_pModel->m_sText.substr(m_iStart, m_iEnd - m_iStart));
  } else if (member == "Words") {
    *result = VLVariant::Adopt(new WordWords(m_pModel, m_iStart));
  } else if (member == "Previous") {
    *result =
        VLVariant::Adopt(m_iStart ? new WordRange(m_pModel, m_iStart - 1, m_iStart) : nullptr);
  } else if (member == "Next") {
    *result =
        VLVariant::Adopt(m_iEnd < length ? new WordRange(m_pModel, m_iEnd, m_iEnd + 1) : nullptr);
  } else {
    return vlUnknownMember(member);
  }
  return VLStatus::Ok();
}

VLStatus WordRange::Move(const std::string& member, std::vector<VLVariant>& args,
                         VLVariant* result) {
  constexpr int32_t kUnitWord = 2;
  if (!vlIntArgs(args, 2) || args[0].AsInt() != kUnitWord) return vlBadArguments(member);
  const int32_t count = args[1].AsInt();
  if (member == "MoveStart") {
    m_iStart = m_pModel->Step(m_iStart, count);
    m_iEnd = std::max(m_iStart, m_iEnd);
  } else {
    m_iEnd = m_pModel->Step(m_iEnd, count);
    m_iStart = std::min(m_iStart, m_iEnd);
  }
  *result = VLVariant::Int(count);
  return VLStatus::Ok();
}

class WordSelection : public DocObject {
 public:
  using DocObject::DocObject;

 protected:
  VLStatus Answer(const std::string& member, std::vector<VLVariant>& args,
                  VLVariant* result) override {
    if (!args.empty()) return vlBadArguments(member);
    const size_t start = m_pModel->m_iSelStart;
    const size_t end = m_pModel->m_iSelEnd;
    if (member == "Range") {
      *result = VLVariant::Adopt(new WordRange(m_pModel, start, end));
    } else if (member == "Words") {
      *result = VLVariant::Adopt(new WordWords(m_pModel, start));
    } else if (member == "Text") {
      // An insertion point reads as the character after it.
      const size_t length = end > start ? end - start : 1;
      *result = VLVariant::Text(m_pModel->m_sText.substr(start, length));
    } else {
      return vlUnknownMember(member);
    }
    return VLStatus::Ok();
  }
};

class WordWindow : public DocObject {
 public:
  using DocObject::DocObject;

 protected:
  VLStatus Answer(const std::string& member, std::vector<VLVariant>& args,
                  VLVariant* result) override {
    if (member == "Selection" && args.empty()) {
      *result = VLVariant::Adopt(new WordSelection(m_pModel));
      return VLStatus::Ok();
    }
    if (member != "RangeFromPoint") return vlUnknownMember(member);
    if (!vlIntArgs(args, 2)) return vlBadArguments(member);
    const int32_t x = args[0].AsInt();
    if (x < 0 || static_cast<size_t>(x) > m_pModel->m_sText.size()) {
      return VLStatus::Error(VL_E_FAIL, "No text at the point");
    }
    *result = VLVariant::Adopt(new WordRange(m_pModel, x, x));
    return VLStatus::Ok();
  }
};

using WordApplication = VLSimApplication<VLSimWord::Document, WordWindow>;

}  // namespace

std::pair<size_t, size_t> VLSimWord::Document::WordAt(size_t pos) const {
  if (m_aStarts.empty()) return {0, 0};
  auto next = std::upper_bound(m_aStarts.begin(), m_aStarts.end(), pos);
  const size_t start = *(next - 1);
  return {start, next == m_aStarts.end() ? m_sText.size() : *next};
}

size_t VLSimWord::Document::Step(size_t pos, int32_t count) const {
  for (; count < 0 && pos > 0; ++count) {
    pos = *(std::lower_bound(m_aStarts.begin(), m_aStarts.end(), pos) - 1);
  }
  for (; count > 0 && pos < m_sText.size(); --count) {
    auto next = std::upper_bound(m_aStarts.begin(), m_aStarts.end(), pos);
    pos = next == m_aStarts.end() ? m_sText.size() : *next;
  }
  return pos;
}

VLSimWord::VLSimWord(std::u16string text) : m_pDocument(std::make_shared<Document>()) {
  m_pDocument->m_aStarts = WordStarts(text);
  m_pDocument->m_sText = std::move(text);
}

VLVariant VLSimWord::Application() const {
  return VLVariant::Adopt(new WordApplication(m_pDocument));
}

void VLSimWord::Select(size_t start, size_t end) {
  m_pDocument->m_iSelStart = std::min(start, m_pDocument->m_sText.size());
  m_pDocument->m_iSelEnd = std::min(std::max(start, end), m_pDocument->m_sText.size());
}

void VLSimWord::Fail(const std::string& member) {
  m_pDocument->m_failures.insert(member);
}
