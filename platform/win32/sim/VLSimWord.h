// A simulated Microsoft Word: one document in its active window, a selection, and the members
// of the object model that the Office plug-in uses (ActiveWindow, RangeFromPoint, Selection,
// Range, Words, First, Previous, Next, Text, MoveStart, MoveEnd). Words are cut as Word cuts
// them: a run of letters with the spaces after it, each punctuation mark, each paragraph mark.
// RangeFromPoint(x, y) is the collapsed range at character x of the document.
#ifndef PLATFORM_WIN32_SIM_VLSIMWORD_H_
#define PLATFORM_WIN32_SIM_VLSIMWORD_H_

#include <memory>
#include <string>

#include "platform/win32/api/VLVariant.h"

class VLSimWord {
 public:
  struct Document;

  explicit VLSimWord(std::u16string text);

  // A new application object.
  VLVariant Application() const;
  void Select(size_t start, size_t end);
  // Every call of the member fails from now on.
  void Fail(const std::string& member);

 private:
  std::shared_ptr<Document> m_pDocument;
};

#endif  // PLATFORM_WIN32_SIM_VLSIMWORD_H_
