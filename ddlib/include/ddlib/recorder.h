#pragma once

#include <string>

#include "ddlib/export.h"

namespace ddlib {

// Receives every change made to a library object while it is installed: the receiver's
// class, the operation and its arguments, e.g. "putClassInfo(14, true)". Installing none
// (the default) leaves the library at full speed.
class DDLIB_API CallRecorder {
  public:
    virtual ~CallRecorder();
    virtual void OnCall(const void* object, const char* receiver, const std::string& call) = 0;
};

// Installs `recorder` (null removes it) and returns the one installed before.
DDLIB_API CallRecorder* SetCallRecorder(CallRecorder* recorder);
DDLIB_API CallRecorder* GetCallRecorder();

}  // namespace ddlib
