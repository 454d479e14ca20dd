// The extent of HTML markup that is not text: tags, comments, and the script and style elements
// whose content is code rather than text.
#ifndef TOOLS_WRITER_DETAIL_ZTHTMLMARKUP_H_
#define TOOLS_WRITER_DETAIL_ZTHTMLMARKUP_H_

#include <cstddef>
#include <string>

// The end of the markup beginning with "<" at html[from]: after the tag's ">", after a
// comment's "-->", or after the closing tag of a "script" or "style" element (names in any
// case); the end of the text when it is not closed.
size_t ztHtmlMarkupEnd(const std::string& html, size_t from);

#endif  // TOOLS_WRITER_DETAIL_ZTHTMLMARKUP_H_
