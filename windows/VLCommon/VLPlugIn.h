// The plug-in contract as a late-bound object: the method "HandleApp" with Handle, Msg, XPos
// and YPos (integers), then PrevWord, Word, NextWord and Info, all by reference; the answer
// is a Boolean variant.
#ifndef WINDOWS_VLCOMMON_VLPLUGIN_H_
#define WINDOWS_VLCOMMON_VLPLUGIN_H_

#include "platform/win32/api/VLDispatch.h"
#include "platform/win32/api/VLVariant.h"

class VLPlugIn : public VLDispatch {
 public:
  // On entry the four texts are set empty and Result false; the answer is S_OK unless the
  // call could not be made.
  virtual int32_t HandleApp(int32_t handle, int32_t msg, int32_t xPos, int32_t yPos,
                            VLVariant* prevWord, VLVariant* word, VLVariant* nextWord,
                            VLVariant* info, VLVariant* result) = 0;

  VLStatus Invoke(const std::string& member, std::vector<VLVariant>& args, VLPassing passing,
                  VLVariant* result) override;
};

// The arguments of a call of the plug-in contract, the four texts empty.
std::vector<VLVariant> vlPlugInArgs(int32_t handle, int32_t msg, int32_t xPos, int32_t yPos);

#endif  // WINDOWS_VLCOMMON_VLPLUGIN_H_
