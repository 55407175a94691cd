#include "engine/reference_host.h"

#include "engine/method_services.h"

namespace ddhost {

MethodServices* ReferenceHost::CreateMethodServices(DDContext ctx) {
    ++m_servicesCreated;
    return new ReferenceMethodServices(ctx, m_store, m_methodRuns);
}

ObjectStore* ReferenceHost::GetObjectStore() {
    ++m_storeRequests;
    return &m_store;
}

MessageSink* ReferenceHost::GetMessageSink() {
    ++m_sinkRequests;
    return &m_sink;
}

}  // namespace ddhost
