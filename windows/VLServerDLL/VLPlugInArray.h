// The plug-ins named in the registry, and the default plug-in asked last.
#ifndef WINDOWS_VLSERVERDLL_VLPLUGINARRAY_H_
#define WINDOWS_VLSERVERDLL_VLPLUGINARRAY_H_

#include <string>
#include <vector>

#include "platform/win32/api/VLPlatform.h"

constexpr const char* VL_DEFAULT_PLUGIN = "VL_Default.VL_Default";

// The texts a plug-in reported.
struct VLPlugInAnswer {
  std::u16string m_sPrevWord;
  std::u16string m_sWord;
  std::u16string m_sNextWord;
  std::u16string m_sInfo;
};

class VLPlugInArray {
 public:
  explicit VLPlugInArray(VLPlatform& platform) : m_rPlatform(platform) {}

  // Rebuilds the array from the plug-in key: one element per value (empty when its ProgID
  // cannot be read or created), then the default plug-in. Nothing changes when the key is
  // missing or holds no values. Fails only when the default plug-in cannot be created; the
  // elements made so far stay.
  VLStatus Build();
  // Releases every plug-in.
  void Clear() { m_aPlugIns.clear(); }
  bool IsEmpty() const { return m_aPlugIns.empty(); }

  // Asks each plug-in in turn until one captures; plug-ins that fail or answer something
  // that is no Boolean are skipped.
  bool Ask(VLWindow window, int32_t msg, int32_t xPos, int32_t yPos, VLPlugInAnswer* answer);

 private:
  // Stores a new object of progId in element; element stays empty on failure.
  VLStatus Create(const std::string& progId, VLVariant* element);

  VLPlatform& m_rPlatform;
  std::vector<VLVariant> m_aPlugIns;
};

#endif  // WINDOWS_VLSERVERDLL_VLPLUGINARRAY_H_
