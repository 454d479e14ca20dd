// Directory helpers of the compiler: removing a tree, measuring a tree's size.
#ifndef TOOLS_ZT_WORK_ZTDIRECTORY_H_
#define TOOLS_ZT_WORK_ZTDIRECTORY_H_

#include <prtypes.h>

#include <string>

// Removes the tree at path (nothing when it does not exist).
void ztRemoveTree(const std::string& path);
// The bytes of all files below path.
PRUint64 ztTreeSize(const std::string& path);
bool ztExists(const std::string& path);

#endif  // TOOLS_ZT_WORK_ZTDIRECTORY_H_
