// Finding files by name along a search path: a list of directories separated by ';'. The
// engine's own search path is the variable PATH of its environment.
#ifndef CORE_ZTSEARCHPATH_H_
#define CORE_ZTSEARCHPATH_H_

#include "core/ZTCoreExport.h"

// Stores in *ppcPath a new path (free with PR_Free) to the first existing candidate: the name
// itself, then the name in each non-empty directory of list, in order. A name beginning with
// "../" is resolved against the first directory with one trailing component removed per
// "../"; later directories are tried with those prefixes removed. 1 for a null or empty name,
// a null list or a null out-pointer; 11 when no candidate exists; 12 when memory runs out.
ZTCORE_API int FindFileInPath(const char* name, const char* list, char** ppcPath);

// FindFileInPath along the engine's PATH; the environment's error codes are passed on.
ZTCORE_API int FindFileInEnvirPath(const char* name, char** ppcPath);

// A new copy of the engine's PATH (free with PL_strfree), or null when the environment cannot
// be had.
ZTCORE_API char* ZTGetPath();

#endif  // CORE_ZTSEARCHPATH_H_
