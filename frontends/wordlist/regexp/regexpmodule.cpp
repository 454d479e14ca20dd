// The engine module of the regular-expression simplifier: component "simplifier" / "regexp".
#include "core/ZTModuleEntry.h"
#include "frontends/wordlist/regexp/ztRegExpStringSimplifier.h"

namespace {

const ZTComponentData_s s_table[] = {{"simplifier", "regexp", CreateRegExpSimplifier},
                                     {nullptr, nullptr, nullptr}};

}  // namespace

ZT_MODULE_COMPONENTS(s_table)
ZT_MODULE_DEFAULT_INITIALIZE
