// The engine module of the Unicode simplifier: component "simplifier" / "unicode".
#include "core/ZTModuleEntry.h"
#include "modules/unicode/ztStringUnicodeSimplifier.h"

namespace {

const ZTComponentData_s s_table[] = {{"simplifier", "unicode", CreateUnicodeSimplifier},
                                     {nullptr, nullptr, nullptr}};

}  // namespace

ZT_MODULE_COMPONENTS(s_table)
ZT_MODULE_DEFAULT_INITIALIZE
