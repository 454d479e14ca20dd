// ztTokenize: finds the ends of words and of the spaces between them in UCS-4 text, with
// configurable separator characters, word-joining characters (such as the apostrophe),
// exception words that keep their joiner, and HTML entities.
//
// Positions are indices into a UCS-4 array; an end of 0 means the text ends only at its 0
// value.
#ifndef CORE_ZTTOKENIZE_H_
#define CORE_ZTTOKENIZE_H_

#include "core/ZTRefCount.h"

class ZTIntegerList;
class ZTStringList;

class ZTCORE_API ztTokenize : public ZTRefCount {
 public:
  ztTokenize();
  ~ztTokenize() override;

  // Keeps a reference to each list given; a missing one gets its default: the separators
  // "!#()+,./:;<>^_`[]{|}~- \n\r\t" and U+00A0, the joiner "'", the exception word
  // "aujourd'hui". 12 when memory runs out, else a list's own error.
  virtual int Init(ZTIntegerList* pSeparators, ZTIntegerList* pJoiners, ZTStringList* pExceptions,
                   PRBool bEntities);
  // *puPos gets the position where the next word begins, skipping separators and joiners (and
  // no-break-space entities). 2 before Init, else 0 or a list's error.
  virtual int NextEndOfSpace(const PRUint32* text, PRUint32 end, PRUint32* puPos);
  // *puPos gets the position where the word that begins at text[0] ends. An elided form keeps
  // its joiner only when the word is an exception word. 2 before Init, else 0 or a list's
  // error.
  virtual int NextEndOfWord(const PRUint32* text, PRUint32 end, PRUint32* puPos);

  // 1 when a ';' lies at start or in the 7 positions after it (stopping at end or at a 0
  // value), with *puPos its position and *pbNbsp set when text[start] begins "&nbsp;"; else 0.
  int CheckIfEntity(const PRUint32* text, PRUint32 start, PRUint32 end, PRBool* pbNbsp,
                    PRUint32* puPos) const;

 private:
  // 1 for null arguments, 2 before Init.
  int Ready(const char* operation, const PRUint32* text, const PRUint32* puPos) const;
  // Whether c is a separator, else whether it is a joiner.
  int Classify(PRUint32 c, bool* pbSeparator, bool* pbJoiner) const;
  // Whether text[from..to) is one of the exception words.
  int IsException(const PRUint32* text, PRUint32 from, PRUint32 to, bool* pbIs) const;
  // With the entities flag, whether an entity starts at text[i] ('&' and a ';' close enough).
  bool EntityAt(const PRUint32* text, PRUint32 i, PRUint32 end, PRBool* pbNbsp,
                PRUint32* puSemicolon) const;
  // Scans the word at text[0] up to its end (*puEnd), remembering its first joiner.
  int ScanWord(const PRUint32* text, PRUint32 end, PRUint32* puEnd, PRUint32* puJoiner) const;

  ZTIntegerList* m_pSeparators;
  ZTIntegerList* m_pJoiners;
  ZTStringList* m_pExceptions;
  bool m_bInitialised;
  bool m_bEntities;
};

#endif  // CORE_ZTTOKENIZE_H_
