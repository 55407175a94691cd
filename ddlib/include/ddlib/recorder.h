#pragma once

#include <string>

#include "ddlib/export.h"

namespace ddlib {

// Receives every change made to a library object, on the thread that installed it, while it is
// installed: the receiver's class, the operation and its arguments, e.g.
// "putClassInfo(14, true)". Each thread has its own recorder, so that sessions in other threads
// neither reach nor replace it. Installing none (the default) leaves the library at full speed.
class DDLIB_API CallRecorder {
  public:
    virtual ~CallRecorder();
    virtual void OnCall(const void* object, const char* receiver, const std::string& call) = 0;
};

// Installs `recorder` for the calling thread (null removes it) and returns the one that thread
// had installed before.
DDLIB_API CallRecorder* SetCallRecorder(CallRecorder* recorder);
DDLIB_API CallRecorder* GetCallRecorder();

}  // namespace ddlib
