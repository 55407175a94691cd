#include <memory>

#include "core/attribute_calculation.h"

// Every command is the same routine on its row: block and relative index, read or write, and
// one transaction whose data items are the row's variables in order.
CDDObject* CDeviceAttributeCalculation::FillCommand(DDContext ctx, CDDObject* object,
                                                    const registry::CommandRow& row) {
    auto* command = static_cast<CDDCommand*>(object);
    CTempObjectList temps;
    ObjectStore* store = m_host->GetObjectStore();
    command->putBlock(
        *temps.Add(store->GetBlock(ctx, *m_definitionTable[static_cast<std::size_t>(row.block)])));
    command->setIndex(new CDDIndex(row.index));
    command->putOperation(row.operation);
    command->setTransactionSet(new CDDTransactionSet);

    const bool read = row.operation == DD_OPERATION_READ;
    const std::unique_ptr<CDDTransaction> transaction(new CDDTransaction(0));
    transaction->setRequest(new CDDDataItemList);
    if (read) transaction->setReply(new CDDDataItemList);
    for (DDObjectId variable : row.items) {
        const std::unique_ptr<CDDDataItem> item(new CDDDataItem);
        item->putKind(DD_DATA_ITEM_REFERENCE);
        item->getReference()->putDefinition(*m_definitionTable[static_cast<std::size_t>(variable)]);
        item->putMask(0);
        (read ? transaction->getReply() : transaction->getRequest())->Add(*item, -1, -1);
    }
    if (!read) transaction->setReply(new CDDDataItemList);
    command->getTransactionSet()->Insert(*transaction);
    command->putAttributesAvailable(true);
    return command;
}

#define DD_COMMAND(id, name, block, index, op, ...)                                           \
    CDDObject* CDeviceAttributeCalculation::Create_##name(DDContext ctx, CDDObject* object) { \
        return FillCommand(ctx, object, registry::command_rows::name);                        \
    }
#include "directory/for_each_item.h"
