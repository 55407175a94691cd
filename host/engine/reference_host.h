#pragma once

#include <utility>

#include "engine/message_sink.h"
#include "engine/method_services.h"
#include "engine/object_store.h"
#include "interfaces/host_interfaces.h"

namespace ddhost {

// The host interface handed to the plug-in at attach: leads to the store and the message
// sink, and makes the services of each method run. Counts what it is asked.
class ReferenceHost : public AttributeHost {
  public:
    MethodServices* CreateMethodServices(DDContext ctx) override;
    ObjectStore* GetObjectStore() override;
    MessageSink* GetMessageSink() override;

    ReferenceObjectStore& store() { return m_store; }
    const ReferenceObjectStore& store() const { return m_store; }
    RecordingMessageSink& sink() { return m_sink; }

    int storeRequests() const { return m_storeRequests; }
    int sinkRequests() const { return m_sinkRequests; }
    int servicesCreated() const { return m_servicesCreated; }
    // The user that method runs meet, and the record of the runs so far.
    MethodRuns& methodRuns() { return m_methodRuns; }
    // What the services of all method runs so far were asked, in order.
    const MethodLog& methodLog() const { return m_methodRuns.log; }
    MethodLog TakeMethodLog() { return std::exchange(m_methodRuns.log, {}); }

  private:
    ReferenceObjectStore m_store;
    RecordingMessageSink m_sink;
    MethodRuns m_methodRuns;
    int m_storeRequests = 0;
    int m_sinkRequests = 0;
    int m_servicesCreated = 0;
};

}  // namespace ddhost
