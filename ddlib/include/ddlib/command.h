#pragma once

#include <cstdint>
#include <vector>

#include "ddlib/block.h"
#include "ddlib/definition.h"
#include "ddlib/enums.h"
#include "ddlib/export.h"
#include "ddlib/object.h"
#include "ddlib/owned.h"

// Relative index of a parameter inside its block.
class DDLIB_API CDDIndex : public CDDPersistent {
  public:
    explicit CDDIndex(std::int32_t index);
    ~CDDIndex() override;

    std::int32_t getIndex() const { return m_index; }

  private:
    std::int32_t m_index;
};

// One variable that a transaction transfers.
class DDLIB_API CDDDataItem : public CDDPersistent {
  public:
    CDDDataItem();
    DD_VALUE_OPERATIONS(CDDDataItem)
    ~CDDDataItem() override;

    void putKind(enumDDDataItemType kind);
    void putMask(std::int32_t mask);
    CDDReference* getReference() { return &m_reference; }

    enumDDDataItemType getKind() const { return m_kind; }
    std::int32_t getMask() const { return m_mask; }
    const CDDReference& reference() const { return m_reference; }

  private:
    enumDDDataItemType m_kind;
    std::int32_t m_mask;
    CDDReference m_reference;
};

class DDLIB_API CDDDataItemList : public CDDPersistent {
  public:
    CDDDataItemList();
    ~CDDDataItemList() override;

    struct Entry {
        CDDDataItem item;
        std::int32_t first;
        std::int32_t second;
    };

    // Appends a copy, with the two positions the device description passes.
    void Add(const CDDDataItem& item, std::int32_t first, std::int32_t second);
    int getCount() const { return static_cast<int>(m_items.size()); }
    const CDDDataItem& getItem(int index) const { return m_items.at(index).item; }
    const Entry& getEntry(int index) const { return m_items.at(index); }

  private:
    std::vector<Entry> m_items;
};

class DDLIB_API CDDTransaction : public CDDPersistent {
  public:
    explicit CDDTransaction(int number);
    DD_VALUE_OPERATIONS(CDDTransaction)
    ~CDDTransaction() override;

    // Both take ownership and free the list held before.
    void setRequest(CDDDataItemList* list);
    void setReply(CDDDataItemList* list);
    CDDDataItemList* getRequest() const { return m_request.get(); }
    CDDDataItemList* getReply() const { return m_reply.get(); }
    int getNumber() const { return m_number; }

  private:
    int m_number;
    DDOwned<CDDDataItemList> m_request;
    DDOwned<CDDDataItemList> m_reply;
};

class DDLIB_API CDDTransactionSet : public CDDPersistent {
  public:
    CDDTransactionSet();
    ~CDDTransactionSet() override;

    void Insert(const CDDTransaction& transaction);
    int getCount() const { return static_cast<int>(m_items.size()); }
    const CDDTransaction& getItem(int index) const { return m_items.at(index); }

  private:
    std::vector<CDDTransaction> m_items;
};

class DDLIB_API CDDCommand : public CDDObject {
    DD_OBJECT_CLASS(CDDCommand)

  public:
    explicit CDDCommand(const CDDDefinition& definition);
    ~CDDCommand() override;

    void putBlock(const CDDBlock& block);
    // Take ownership and free what was held before.
    void setIndex(CDDIndex* index);
    void setTransactionSet(CDDTransactionSet* transactions);
    void putOperation(enumDDCommandOperationType operation);

    const CDDBlock* getBlock() const { return m_block.get(); }
    CDDIndex* getIndex() const { return m_index.get(); }
    CDDTransactionSet* getTransactionSet() const { return m_transactions.get(); }
    bool hasOperation() const { return m_hasOperation; }
    enumDDCommandOperationType getOperation() const { return m_operation; }

  private:
    DDOwned<CDDBlock> m_block;
    DDOwned<CDDIndex> m_index;
    DDOwned<CDDTransactionSet> m_transactions;
    bool m_hasOperation;
    enumDDCommandOperationType m_operation;
};
