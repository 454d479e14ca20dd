// Export macros of libztcore. Everything else is hidden (-fvisibility=hidden); classes marked
// with the macro also export their vtables and type information, which cross-module
// dynamic_cast and UBSan's vptr check need.
#ifndef CORE_ZTCOREEXPORT_H_
#define CORE_ZTCOREEXPORT_H_

#define ZT_EXPORT __attribute__((visibility("default")))
#define ZTCORE_API ZT_EXPORT

// Entry points of engine modules keep C linkage.
#define ZT_MODULE_EXPORT extern "C" ZT_EXPORT

#endif  // CORE_ZTCOREEXPORT_H_
