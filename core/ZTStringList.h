// ZTStringList, a sorted list of words answering membership without regard to case. It loads
// from a text file of one word per line (line feeds only; a carriage return stays part of the
// word; empty lines are skipped; the last line needs no line feed; words are not trimmed).
#ifndef CORE_ZTSTRINGLIST_H_
#define CORE_ZTSTRINGLIST_H_

#include "core/ZTFile.h"

class ZTCORE_API ZTStringList : public ZTFile {
 public:
  ZTStringList();
  ~ZTStringList() override;

  // The subname is ignored. Clears the list, resolves the file as ZTFile does (its code is
  // passed on) and loads it: 10 when its information cannot be read or it cannot be read whole,
  // 11 when it cannot be opened, 12 when memory runs out. An empty file leaves the list not
  // ready (0).
  int SetFileName(const char* name, const char* subname) override;
  // The list becomes a copy of word; 12 when memory runs out.
  int SetListWithOneWord(const char* word);
  // *pbPresent 1 when word equals a word of the list without regard to case, else 0 (also for
  // a list that is not ready). 0, or 1 for a null out-pointer.
  int IsPresent(const char* word, int* pbPresent) const;
  PRUint32 GetCount() const { return m_uCount; }

 private:
  void Clear();
  // Splits m_pcText into words and sorts them; 12 when memory runs out.
  int SplitWords(PRUint32 size);

  PRUint32 m_uCount;
  char* m_pcText;     // the whole file (or the single word), owned
  char** m_ppcWords;  // the words inside m_pcText, sorted with PL_strcasecmp; owned
  bool m_bReady;
};

#endif  // CORE_ZTSTRINGLIST_H_
