// The application that owns a window, told by the class name of its top-level window.
#ifndef WINDOWS_VL_MSOFFICE_VLOFFICEAPP_H_
#define WINDOWS_VL_MSOFFICE_VLOFFICEAPP_H_

#include <string>

enum class VLOfficeApp {
  kNone,
  kWord,            // "opusapp"
  kExcel,           // "XLMAIN"
  kPowerPoint,      // "PP9FrameClass"
  kOutlook,         // "rctrl_renwnd32": recognised, nothing is captured
  kOutlookExpress,  // "ATH_Note", "Outlook Express Browser Class"
  kFrontPage,       // "FrontPageExplorerWindow40"
};

// Compares the class name with the known ones, ignoring the case of ASCII letters.
VLOfficeApp vlOfficeAppOf(const std::string& topLevelClass);

#endif  // WINDOWS_VL_MSOFFICE_VLOFFICEAPP_H_
