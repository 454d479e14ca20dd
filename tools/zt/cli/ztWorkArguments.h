// Arguments several commands share.
#ifndef TOOLS_ZT_CLI_ZTWORKARGUMENTS_H_
#define TOOLS_ZT_CLI_ZTWORKARGUMENTS_H_

#include <prtypes.h>

#include <string>

#include "tools/zt/cli/ztTool.h"

class ZTWork;

// Opens the work in directory; on failure the tool's sentence (or JSON) and kZtExitFailed.
int ztOpenWork(const std::string& directory, bool json, ZTWork* pWork);
// --limit N (20 by default): false unless N is a positive number.
bool ztParseLimit(const ztCommandLine& line, PRUint32* puLimit);
// A decimal record number.
bool ztParseNumber(const std::string& text, PRUint32* puValue);
// The strings around a highlighted word: bold reverse video on a terminal, brackets otherwise.
const char* ztMarkOpen();
const char* ztMarkClose();
// A snippet's "<mark>" and "</mark>" replaced by those strings.
std::string ztMarked(std::string text);

#endif  // TOOLS_ZT_CLI_ZTWORKARGUMENTS_H_
