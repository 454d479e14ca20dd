// Registry names shared by the Windows lookup libraries.
#ifndef WINDOWS_VLCOMMON_VLCOMPANY_H_
#define WINDOWS_VLCOMMON_VLCOMPANY_H_

// The company segment of the product's registry keys.
#define VL_COMPANY "ZTReader"

// Under HKEY_LOCAL_MACHINE: one string value per plug-in, its name the plug-in's name, its
// data the plug-in's ProgID.
constexpr const char* VL_PLUGIN_KEY = "Software\\" VL_COMPANY "\\Vistal\\PlugIns";

#endif  // WINDOWS_VLCOMMON_VLCOMPANY_H_
