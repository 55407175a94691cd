#include "engine/call_trace.h"

namespace ddhost {

CallTrace::CallTrace() : m_previous(ddlib::SetCallRecorder(this)) {}

CallTrace::~CallTrace() { ddlib::SetCallRecorder(m_previous); }

void CallTrace::OnCall(const void*, const char* receiver, const std::string& call) {
    m_calls.push_back({receiver ? receiver : "", call});
}

}  // namespace ddhost
