// Export macro of libztspell; everything else is hidden (-fvisibility=hidden).
#ifndef MODULES_SPELLER_ZTSPELLEXPORT_H_
#define MODULES_SPELLER_ZTSPELLEXPORT_H_

#define ZTSPELL_API __attribute__((visibility("default")))

#endif  // MODULES_SPELLER_ZTSPELLEXPORT_H_
