#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/held_value.h"
#include "engine/store_call.h"
#include "interfaces/attribute_calculation.h"

namespace ddhost {

// A command's transaction with the variables of its request and its reply.
struct TransactionSets {
    CDDDefinition command;
    int transaction = 0;
    std::vector<CDDDefinition> request;
    std::vector<CDDDefinition> reply;
};

// The variable set handed over for one variable.
struct VariableSet {
    CDDDefinition variable;
    std::vector<CDDDefinition> members;
};

// Whether the store keeps a record of the calls it receives. A session that only serves the
// plug-in keeps none, so that its memory does not grow with the fills it makes.
enum class StoreRecording { Off, On };

// The host's store. It keeps a copy of the directory that the plug-in hands over, records the
// calls it receives when asked to, answers the Get operations with new objects made from the
// directory and filled by the plug-in, and keeps a current value per variable.
//
// Fills made for the store's own needs (a variable's default, the objects the Get operations
// return) are kept out of the library-call trace and out of the call record, and a fill that
// would need itself is cut short: an object asked for while it is being filled comes back bare,
// a current value asked for while its default is being computed is 0.
//
// One thread at a time: even the look-ups bring their indexes up to date.
class ReferenceObjectStore : public ObjectStore {
  public:
    ReferenceObjectStore() = default;
    ReferenceObjectStore(const ReferenceObjectStore&) = delete;
    ReferenceObjectStore& operator=(const ReferenceObjectStore&) = delete;

    // The plug-in object that fills what the store hands out; with none, objects stay bare.
    void SetCalculation(CAttributeCalculation* calculation) { m_calculation = calculation; }

    bool AddObject(CDDObject* object) override;
    bool AddRequestSet(CDDTransactionRef* ref, CDDDefinitionSet* request) override;
    bool AddReplySet(CDDTransactionRef* ref, CDDDefinitionSet* reply) override;
    bool AddVariableSet(const CDDDefinition& variable, CDDDefinitionSet* set) override;
    CDDBlock* GetBlock(DDContext ctx, const CDDDefinition& block) override;
    CDDCollection* GetCollection(DDContext ctx, const CDDDefinition& collection) override;
    CDDObject* GetMember(DDContext ctx, CDDCollection* collection, CStrPP memberName) override;
    CDDCommonVariant* GetCurrentValue(DDContext ctx, const CDDDefinition& variable) override;

    // From now on, keep a record of the calls received, or stop keeping it.
    void SetRecording(StoreRecording recording) { m_recording = recording; }
    // The calls received while recording, in order.
    const std::vector<StoreCall>& calls() const { return m_calls; }
    void ClearCalls() { m_calls.clear(); }

    // The directory: the objects in the order received, the transaction sets, the variable sets.
    const std::vector<std::unique_ptr<CDDObject>>& objects() const { return m_objects; }
    const std::vector<TransactionSets>& transactionSets() const { return m_transactionSets; }
    const std::vector<VariableSet>& variableSets() const { return m_variableSets; }
    // The directory's object of that ID or exact name, or null.
    const CDDObject* Find(DDObjectId id) const;
    const CDDObject* Find(const std::string& name) const;

    // A new bare copy of the directory's object of that ID, or null.
    std::unique_ptr<CDDObject> Copy(DDObjectId id) const;
    // A new object for the definition, made from the directory where it holds the ID, filled by
    // the plug-in as the store's own fill; null when the definition's kind has no class.
    std::unique_ptr<CDDObject> MakeFilled(DDContext ctx, const CDDDefinition& definition);

    // The variable's current value: what was set last, else its default after its fill, else 0.
    // Either is kept as the variable holds it (HeldValue), by its type (TypeOf).
    CDDCommonVariant CurrentValue(DDContext ctx, DDObjectId variable);
    void SetCurrentValue(DDContext ctx, DDObjectId variable, const CDDCommonVariant& value);
    // The type of the variable's fill, learned with its first fill (with `ctx`) and kept, as a
    // variable's type does not change; null when the directory has no such variable, its fill
    // gives no type, or the fill is cut short.
    const HeldType* TypeOf(DDContext ctx, DDObjectId variable);

  private:
    // Index entries: the object of a key; the last entry of equal keys is the one found.
    template <class Key>
    using Index = std::vector<std::pair<Key, const CDDObject*>>;

    // A new record of the call, for the caller to complete; null when none is kept.
    StoreCall* Record(StoreOperation operation, const CDDDefinition& definition, DDContext ctx = 0);
    // Brings the look-ups up to date with the directory.
    void Reindex() const;
    // False when the fill was cut short, or there is no plug-in to make it.
    bool FillInternally(DDContext ctx, CDDObject& object);
    // The directory's variable of that ID filled as the store's own fill, its type learned; null
    // when it has none.
    std::unique_ptr<CDDVariable> FilledVariable(DDContext ctx, DDObjectId variable);
    CDDCommonVariant DefaultValue(DDContext ctx, DDObjectId variable);
    TransactionSets& SetsOf(const CDDTransactionRef& ref);
    bool AddTransactionSet(StoreOperation operation, CDDTransactionRef* ref, CDDDefinitionSet* set,
                           std::vector<CDDDefinition> TransactionSets::*part);

    CAttributeCalculation* m_calculation = nullptr;
    StoreRecording m_recording = StoreRecording::Off;
    std::vector<StoreCall> m_calls;
    std::vector<std::unique_ptr<CDDObject>> m_objects;
    // Made when first needed after the directory grew: the plug-in hands over hundreds of
    // objects in a row and asks for none of them meanwhile. The names are those of the objects.
    mutable Index<DDObjectId> m_byId;
    mutable Index<std::string_view> m_byName;
    std::vector<TransactionSets> m_transactionSets;
    std::vector<VariableSet> m_variableSets;
    std::map<DDObjectId, CDDCommonVariant> m_values;
    // Learned from fills that ran, so bounded by the directory too; a variable whose fill gives no
    // type has none.
    std::map<DDObjectId, std::optional<HeldType>> m_types;
    // Guards of the store's own fills.
    int m_internalDepth = 0;
    std::vector<DDObjectId> m_filling;
    std::vector<DDObjectId> m_computingDefault;
};

}  // namespace ddhost
