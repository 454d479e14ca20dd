// The engine log as tests read it.
#ifndef TESTING_ZTCAPTUREDLOG_H_
#define TESTING_ZTCAPTUREDLOG_H_

#include <string>

// The text the engine logged since the last call (the log accumulates from the first call on),
// and clears it.
std::string ztTakeLog();

#endif  // TESTING_ZTCAPTUREDLOG_H_
