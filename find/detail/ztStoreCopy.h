// Keeping copies of strings in fields.
#ifndef FIND_DETAIL_ZTSTORECOPY_H_
#define FIND_DETAIL_ZTSTORECOPY_H_

// Replaces *ppcField (freed with PL_strfree) by a copy of text, or by null for null; 12 (logged
// with where) when memory runs out, leaving the field as it was.
int ztStoreCopy(char** ppcField, const char* text, const char* where);

#endif  // FIND_DETAIL_ZTSTORECOPY_H_
