// The open modes a native table's configuration may name for its files.
#ifndef TOOLS_WRITER_DETAIL_ZTOPENMODE_H_
#define TOOLS_WRITER_DETAIL_ZTOPENMODE_H_

// 0 when mode is STANDARD, DELAYED, TRANSIENT, MAPPED or PREMAPPED (upper case); otherwise 1
// with a message naming who and what the mode was for.
int ztCheckOpenMode(const char* mode, const char* who, const char* what);

#endif  // TOOLS_WRITER_DETAIL_ZTOPENMODE_H_
