// ztWordMarker: finds the words of an HTML text as the full-text index cuts them and encloses
// each in the word markers "<?ZT W?>" and "<?ZT /W?>". Only text outside tags and comments is
// cut; character references are decoded first, so a reference standing for a separator
// separates, and words come out in UTF-8 with their references decoded.
#ifndef TOOLS_WRITER_DETAIL_ZTWORDMARKER_H_
#define TOOLS_WRITER_DETAIL_ZTWORDMARKER_H_

#include <prtypes.h>

#include <functional>
#include <string>
#include <vector>

class ztTokenize;

class ztWordMarker {
 public:
  // Receives each word in text order, its bytes valid during the call only; a non-zero code
  // stops the marking.
  typedef std::function<int(const char* word, size_t length)> Sink;

  ztWordMarker();
  ~ztWordMarker();
  ztWordMarker(const ztWordMarker&) = delete;
  ztWordMarker& operator=(const ztWordMarker&) = delete;

  // Hard separators always cut; soft ones cut except inside the exception words.
  int Init(const std::vector<PRUint32>& hard, const std::vector<PRUint32>& soft,
           const std::vector<std::string>& exceptions);
  // html must be valid UTF-8 without NUL bytes. Appends the marked html to *pOut (may be null).
  int Mark(const std::string& html, const Sink& sink, std::string* pOut);

 private:
  // What an ASCII byte is to the cutting; any other byte is kOther.
  enum ByteClass : PRUint8 { kWordByte, kSeparatorByte, kOther };

  // Decodes text[0, length) into m_chars, with the byte offset of each character in m_offsets.
  void Decode(const char* text, size_t length);
  int MarkText(const char* text, size_t length, const Sink& sink, std::string* pOut);
  // Whether text[0, length) holds only word bytes and separators: neither joiners, nor
  // references, nor other than ASCII. Such a text is cut byte by byte (MarkPlain), as the
  // tokenizer would cut it.
  bool IsPlain(const char* text, size_t length) const;
  int MarkPlain(const char* text, size_t length, const Sink& sink, std::string* pOut);
  // Hands the word of count characters from character first to sink and appends to *pOut the
  // text since character copied (where the last word ended), then the word marked.
  int EmitWord(const char* text, PRUint32 copied, PRUint32 first, PRUint32 count, const Sink& sink,
               std::string* pOut);
  // Appends before[0, beforeLength) to *pOut, then the word[0, length) between the markers.
  static void AppendMarked(const char* before, size_t beforeLength, const char* word, size_t length,
                           std::string* pOut);
  ByteClass ClassOf(char byte) const {
    const unsigned char b = static_cast<unsigned char>(byte);
    return b < 0x80 ? m_ascii[b] : kOther;
  }

  ztTokenize* m_pTokenize;
  ByteClass m_ascii[0x80];
  std::vector<PRUint32> m_chars;
  std::vector<size_t> m_offsets;
  char* m_pcWord;  // conversion buffer (NSPR allocator)
  PRUint32 m_uWordCapacity;
};

#endif  // TOOLS_WRITER_DETAIL_ZTWORDMARKER_H_
