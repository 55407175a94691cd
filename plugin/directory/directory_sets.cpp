#include <memory>

#include "core/attribute_calculation.h"

void CDeviceAttributeCalculation::DefineTransactionItems() {
    for (const registry::CommandRow& row : registry::kCommandRows) {
        const CDDDefinition& command = *m_definitionTable[static_cast<std::size_t>(row.command)];
        std::unique_ptr<CDDTransactionRef> ref(new CDDTransactionRef(0, command));
        std::unique_ptr<CDDDefinitionSet> request(new CDDDefinitionSet);
        std::unique_ptr<CDDDefinitionSet> reply(new CDDDefinitionSet);
        // A read brings its variables back in the reply; a write sends them in the request.
        CDDDefinitionSet& carrying = row.operation == DD_OPERATION_READ ? *reply : *request;
        for (DDObjectId variable : row.items)
            carrying.Insert(*m_definitionTable[static_cast<std::size_t>(variable)]);
        m_host->GetObjectStore()->AddRequestSet(ref.get(), request.get());
        m_host->GetObjectStore()->AddReplySet(ref.get(), reply.get());
        // The sets go first, then the reference that named them.
        request.reset();
        reply.reset();
        ref.reset();
    }
}

void CDeviceAttributeCalculation::DefineVariableSets() {
    ObjectStore* store = m_host->GetObjectStore();
    for (DDObjectId variable : registry::kVariableSetOrder) {
        const std::unique_ptr<CDDDefinitionSet> set(new CDDDefinitionSet);
        store->AddVariableSet(*m_definitionTable[static_cast<std::size_t>(variable)], set.get());
    }
}
