// Directory helpers of the compiler: running a step inside a directory, removing a tree,
// copying files, measuring a tree's size.
#ifndef TOOLS_ZT_WORK_ZTDIRECTORY_H_
#define TOOLS_ZT_WORK_ZTDIRECTORY_H_

#include <prtypes.h>

#include <functional>
#include <string>

// Runs step with directory as the current directory, then returns to the previous one; 10 when
// either change fails, else step's code.
int ztInDirectory(const std::string& directory, const std::function<int()>& step);
// Removes the tree at path (nothing when it does not exist).
void ztRemoveTree(const std::string& path);
// Copies the file from into to; 10 with a message when it cannot.
int ztCopyFile(const std::string& from, const std::string& to);
// The bytes of all files below path.
PRUint64 ztTreeSize(const std::string& path);
bool ztExists(const std::string& path);

#endif  // TOOLS_ZT_WORK_ZTDIRECTORY_H_
