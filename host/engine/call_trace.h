#pragma once

#include <string>
#include <vector>

#include "ddlib/recorder.h"

namespace ddhost {

// One library call as the object model reports it.
struct TracedCall {
    std::string receiver;  // library class of the object changed, e.g. "CDDType"
    std::string call;      // operation and arguments, e.g. "putSize(1)"

    std::string Text() const { return receiver + "::" + call; }
};

// Collects the library calls made while it lives: installed by the constructor, the recorder
// installed before it comes back with the destructor.
class CallTrace : public ddlib::CallRecorder {
  public:
    CallTrace();
    ~CallTrace() override;
    CallTrace(const CallTrace&) = delete;
    CallTrace& operator=(const CallTrace&) = delete;

    void OnCall(const void* object, const char* receiver, const std::string& call) override;
    const std::vector<TracedCall>& calls() const { return m_calls; }

  private:
    ddlib::CallRecorder* m_previous;
    std::vector<TracedCall> m_calls;
};

// Keeps library calls out of every trace while it lives: the host's own fills are not part of
// the fill being traced.
class RecorderPause {
  public:
    RecorderPause() : m_previous(ddlib::SetCallRecorder(nullptr)) {}
    ~RecorderPause() { ddlib::SetCallRecorder(m_previous); }
    RecorderPause(const RecorderPause&) = delete;
    RecorderPause& operator=(const RecorderPause&) = delete;

  private:
    ddlib::CallRecorder* m_previous;
};

}  // namespace ddhost
