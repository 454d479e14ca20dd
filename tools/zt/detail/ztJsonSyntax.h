// Parses JSON without exceptions and, for text that is not JSON, says where and why.
#ifndef TOOLS_ZT_DETAIL_ZTJSONSYNTAX_H_
#define TOOLS_ZT_DETAIL_ZTJSONSYNTAX_H_

#include <nlohmann/json.hpp>
#include <string>

// Parses [begin, end) into *out; false with *pError ("not valid JSON: line 3, column 5: syntax
// error while parsing ...") when it is not one JSON value. oneLine: the text is one line of a
// file, whose line the caller names; the message then gives the column only.
bool ztParseJson(const char* begin, const char* end, bool oneLine, nlohmann::json* out,
                 std::string* pError);

#endif  // TOOLS_ZT_DETAIL_ZTJSONSYNTAX_H_
