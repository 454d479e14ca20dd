#include "windows/VL_MSOffice/VLWordCapture.h"

#include "platform/win32/api/VLText.h"
#include "windows/VLCommon/VLTrace.h"

namespace {

constexpr int32_t kUnitWord = 2;
constexpr int32_t kWidenWords = 6;

// The text of a property of object (a Range's default value when member is empty).
VLStatus TextOf(const VLVariant& object, const std::string& member, std::u16string* text) {
  VLVariant value;
  VLStatus status = object.Get(member, &value);
  return status.Failed() ? status : value.ToText(text);
}

// The trimmed text of words.First.
VLStatus FirstWord(const VLVariant& words, std::u16string* word) {
  VLVariant first;
  VLStatus status = words.Get("First", &first);
  if (!status.Failed()) status = TextOf(first, "", word);
  *word = vlTrim(*word);
  return status;
}

// words.First.<direction>.Words
VLStatus NeighbourWords(const VLVariant& words, const char* direction, VLVariant* neighbour) {
  VLVariant range;
  VLStatus status = words.Get("First", &range);
  if (!status.Failed()) status = range.Get(direction, &range);
  if (!status.Failed()) status = range.Get("Words", neighbour);
  return status;
}

// The trimmed first word of the neighbour; empty when any step fails.
std::u16string Neighbour(const VLVariant& words, const char* direction) {
  VLVariant neighbour;
  std::u16string word;
  if (NeighbourWords(words, direction, &neighbour).Failed() ||
      FirstWord(neighbour, &word).Failed()) {
    return std::u16string();
  }
  return word;
}

VLStatus Move(const VLVariant& range, const char* member, int32_t count) {
  VLVariant ignored;
  return range.Invoke(member, {VLVariant::Int(kUnitWord), VLVariant::Int(count)}, &ignored);
}

size_t LeadingBlanks(const std::u16string& text) {
  size_t n = 0;
  while (n < text.size() && text[n] <= 32) ++n;
  return n;
}

}  // namespace

bool VLWordCapture::Capture(int32_t msg, int32_t xPos, int32_t yPos, VLCapture* capture) {
  bool captured = false;
  const VLStatus status = Run(msg, xPos, yPos, capture, &captured);
  if (status.Failed()) vlTrace(m_rPlatform, status.m_sMessage);
  return !status.Failed() && captured;
}

VLStatus VLWordCapture::Run(int32_t msg, int32_t xPos, int32_t yPos, VLCapture* capture,
                            bool* captured) {
  VLVariant app, window, words;
  VLStatus status = m_rPlatform.m_rAutomation.Running("Word.Application", &app);
  if (!status.Failed()) status = app.Get("ActiveWindow", &window);
  if (!status.Failed()) status = FindWords(msg, xPos, yPos, window, &words);
  if (status.Failed() || words.GetType() == VLVariant::kEmpty) return status;
  *capture = VLCapture();
  status = FirstWord(words, &capture->m_sWord);
  if (!status.Failed() && capture->m_sWord.empty() && (msg == 4 || msg == 5)) {
    VLVariant selection;
    std::u16string selected;
    status = window.Get("Selection", &selection);
    if (!status.Failed()) status = TextOf(selection, "Text", &selected);
    if (status.Failed() || selected.empty()) return status;
    if (selected[0] == 13) {
      status = NeighbourWords(words, "Previous", &words);
      if (!status.Failed()) status = FirstWord(words, &capture->m_sWord);
    }
  }
  if (status.Failed()) return status;
  if (msg == 1 || msg == 4) {
    capture->m_sPrevWord = Neighbour(words, "Previous");
    capture->m_sNextWord = Neighbour(words, "Next");
  }
  if (Widen(words, capture).Failed() || capture->m_sSentence.empty()) {
    capture->SentenceFromWords();
  }
  *captured = true;
  return status;
}

VLStatus VLWordCapture::FindWords(int32_t msg, int32_t xPos, int32_t yPos, const VLVariant& window,
                                  VLVariant* words) {
  if (msg == 4 || msg == 5) {
    VLVariant selection;
    VLStatus status = window.Get("Selection", &selection);
    return status.Failed() ? status : selection.Get("Words", words);
  }
  if (msg < 1 || msg > 3) return VLStatus::Ok();
  VLVariant range;
  if (window.Invoke("RangeFromPoint", {VLVariant::Int(xPos), VLVariant::Int(yPos)}, &range)
          .Failed()) {
    VLStatus status = window.Get("Selection", &range);
    if (!status.Failed()) status = range.Get("Range", &range);
    if (status.Failed()) return status;
  }
  return range.Get("Words", words);
}

VLStatus VLWordCapture::Widen(const VLVariant& words, VLCapture* capture) {
  VLVariant range;
  std::u16string before, widened;
  VLStatus status = words.Get("First", &range);
  if (!status.Failed()) status = TextOf(range, "Text", &before);
  if (!status.Failed()) status = Move(range, "MoveStart", -kWidenWords);
  if (!status.Failed()) status = TextOf(range, "Text", &widened);
  if (status.Failed()) return status;
  if (widened.size() < before.size()) {
    return VLStatus::Error(VL_E_UNEXPECTED, "The range did not widen");
  }
  const size_t wordStart = widened.size() - before.size();
  status = Move(range, "MoveEnd", kWidenWords);
  if (!status.Failed()) status = TextOf(range, "Text", &widened);
  if (status.Failed()) return status;
  // The sentence loses its leading blanks; so does the position.
  const size_t blanks = LeadingBlanks(widened);
  const size_t lost = blanks < wordStart ? blanks : wordStart;
  capture->m_iCursorPos = static_cast<int32_t>(wordStart - lost) + 1;
  capture->m_sSentence = vlTrim(widened);
  return status;
}
