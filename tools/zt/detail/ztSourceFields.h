// The fields of a source's manifest and entries, read from their JSON objects.
#ifndef TOOLS_ZT_DETAIL_ZTSOURCEFIELDS_H_
#define TOOLS_ZT_DETAIL_ZTSOURCEFIELDS_H_

#include <nlohmann/json.hpp>
#include <string>

#include "tools/zt/ZTSourceEntry.h"

// Each fills *out from the object; false with *pError saying what is wrong.
bool ztParseSourceManifest(const nlohmann::json& object, ZTSourceManifest* out,
                           std::string* pError);
bool ztParseSourceEntry(const nlohmann::json& object, ZTSourceEntry* out, std::string* pError);

// Whether name is a relative file name that stays inside the media folder.
bool ztIsMediaName(const std::string& name);

#endif  // TOOLS_ZT_DETAIL_ZTSOURCEFIELDS_H_
