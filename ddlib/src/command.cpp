#include "ddlib/command.h"

#include "record.h"

namespace {
ddlib::detail::Described Describe(const char* what, const void* object) {
    return {object ? std::string(what) : std::string("null")};
}
}  // namespace

CDDIndex::CDDIndex(std::int32_t index) : m_index(index) {}
CDDIndex::~CDDIndex() = default;

CDDDataItem::CDDDataItem() : m_kind(DD_DATA_ITEM_REFERENCE), m_mask(0) {}
CDDDataItem::~CDDDataItem() = default;

void CDDDataItem::putKind(enumDDDataItemType kind) {
    m_kind = kind;
    DD_RECORD("CDDDataItem", "putKind", static_cast<std::int32_t>(kind));
}
void CDDDataItem::putMask(std::int32_t mask) {
    m_mask = mask;
    DD_RECORD("CDDDataItem", "putMask", mask);
}

CDDDataItemList::CDDDataItemList() = default;
CDDDataItemList::~CDDDataItemList() = default;

void CDDDataItemList::Add(const CDDDataItem& item, std::int32_t first, std::int32_t second) {
    DD_RECORD("CDDDataItemList", "Add", item.reference().getDefinition(), first, second);
    m_items.push_back(Entry{item, first, second});
}

CDDTransaction::CDDTransaction(int number) : m_number(number) {}
CDDTransaction::~CDDTransaction() = default;

void CDDTransaction::setRequest(CDDDataItemList* list) {
    DD_RECORD_HANDOVER(m_request, list, "CDDTransaction", "setRequest",
                       Describe("CDDDataItemList", list));
}
void CDDTransaction::setReply(CDDDataItemList* list) {
    DD_RECORD_HANDOVER(m_reply, list, "CDDTransaction", "setReply",
                       Describe("CDDDataItemList", list));
}

CDDTransactionSet::CDDTransactionSet() = default;
CDDTransactionSet::~CDDTransactionSet() = default;

void CDDTransactionSet::Insert(const CDDTransaction& transaction) {
    DD_RECORD("CDDTransactionSet", "Insert", static_cast<std::int32_t>(transaction.getNumber()));
    m_items.push_back(transaction);
}

CDDCommand::CDDCommand(const CDDDefinition& definition)
    : CDDObject(definition), m_hasOperation(false), m_operation(DD_OPERATION_READ) {}
CDDCommand::~CDDCommand() = default;

void CDDCommand::putBlock(const CDDBlock& block) {
    DD_RECORD("CDDCommand", "putBlock", *block.getcDefinition());
    m_block.reset(new CDDBlock(block));
}
void CDDCommand::setIndex(CDDIndex* index) {
    DD_RECORD_HANDOVER(
        m_index, index, "CDDCommand", "setIndex",
        ddlib::detail::Described{index ? "CDDIndex(" + std::to_string(index->getIndex()) + ")"
                                       : std::string("null")});
}
void CDDCommand::setTransactionSet(CDDTransactionSet* transactions) {
    DD_RECORD_HANDOVER(m_transactions, transactions, "CDDCommand", "setTransactionSet",
                       Describe("CDDTransactionSet", transactions));
}
void CDDCommand::putOperation(enumDDCommandOperationType operation) {
    m_operation = operation;
    m_hasOperation = true;
    DD_RECORD("CDDCommand", "putOperation", static_cast<std::int32_t>(operation));
}
