#pragma once

#include <string>
#include <utility>
#include <vector>

#include "interfaces/host_interfaces.h"

namespace ddhost {

// Keeps every message the plug-in reports, as the bytes it sent.
class RecordingMessageSink : public MessageSink {
  public:
    void Report(const CStrPP& message) override {
        m_messages.emplace_back(message.ptr(), static_cast<std::size_t>(message.Length()));
    }

    const std::vector<std::string>& messages() const { return m_messages; }
    // The messages received so far; the sink starts empty again.
    std::vector<std::string> Take() { return std::exchange(m_messages, {}); }

  private:
    std::vector<std::string> m_messages;
};

}  // namespace ddhost
