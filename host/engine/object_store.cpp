#include "engine/object_store.h"

#include "engine/call_trace.h"
#include "engine/object_kinds.h"

namespace ddhost {
namespace {

std::vector<CDDDefinition> Members(const CDDDefinitionSet* set) {
    std::vector<CDDDefinition> members;
    if (set == nullptr) return members;
    for (int i = 0; i < set->getCount(); ++i) members.push_back(set->getItem(i));
    return members;
}

std::vector<DDObjectId> Ids(const std::vector<CDDDefinition>& definitions) {
    std::vector<DDObjectId> ids;
    for (const CDDDefinition& definition : definitions) ids.push_back(definition.getID());
    return ids;
}

// Erases an ID from a guard set when the scope ends, also on an exception.
class ScopedMark {
  public:
    ScopedMark(std::set<DDObjectId>& marks, DDObjectId id) : m_marks(marks), m_id(id) {
        m_marks.insert(id);
    }
    ~ScopedMark() { m_marks.erase(m_id); }
    ScopedMark(const ScopedMark&) = delete;
    ScopedMark& operator=(const ScopedMark&) = delete;

  private:
    std::set<DDObjectId>& m_marks;
    DDObjectId m_id;
};

}  // namespace

StoreCall ReferenceObjectStore::Call(StoreOperation operation, const CDDDefinition& definition,
                                     DDContext ctx) {
    StoreCall call;
    call.operation = operation;
    call.ctx = ctx;
    call.id = definition.getID();
    call.name = definition.name().ptr();
    call.kind = definition.getKind();
    return call;
}

void ReferenceObjectStore::Keep(StoreCall call) {
    // The store's own fills are not part of what the plug-in was asked.
    if (m_internalDepth == 0) m_calls.push_back(std::move(call));
}

bool ReferenceObjectStore::AddObject(CDDObject* object) {
    if (object == nullptr) {
        Keep(Call(StoreOperation::AddObject, CDDDefinition()));
        return false;
    }
    const CDDDefinition& definition = *object->getcDefinition();
    Keep(Call(StoreOperation::AddObject, definition));
    std::unique_ptr<CDDObject> copy(object->Clone());
    // A later object of the same ID or name replaces the earlier one in the look-ups only;
    // the list keeps what was received.
    m_byId[definition.getID()] = copy.get();
    m_byName[definition.name().ptr()] = copy.get();
    m_objects.push_back(std::move(copy));
    return true;
}

TransactionSets& ReferenceObjectStore::SetsOf(const CDDTransactionRef& ref) {
    for (auto it = m_transactionSets.rbegin(); it != m_transactionSets.rend(); ++it) {
        if (it->command.getID() == ref.getCommand().getID() &&
            it->transaction == ref.getTransaction()) {
            return *it;
        }
    }
    m_transactionSets.push_back({ref.getCommand(), ref.getTransaction(), {}, {}});
    return m_transactionSets.back();
}

bool ReferenceObjectStore::AddTransactionSet(StoreOperation operation, CDDTransactionRef* ref,
                                             CDDDefinitionSet* set,
                                             std::vector<CDDDefinition> TransactionSets::*part) {
    StoreCall call = Call(operation, ref ? ref->getCommand() : CDDDefinition());
    std::vector<CDDDefinition> members = Members(set);
    call.set = Ids(members);
    call.transaction = ref ? ref->getTransaction() : 0;
    Keep(std::move(call));
    if (ref == nullptr) return false;
    SetsOf(*ref).*part = std::move(members);
    return set != nullptr;
}

bool ReferenceObjectStore::AddRequestSet(CDDTransactionRef* ref, CDDDefinitionSet* request) {
    return AddTransactionSet(StoreOperation::AddRequestSet, ref, request,
                             &TransactionSets::request);
}

bool ReferenceObjectStore::AddReplySet(CDDTransactionRef* ref, CDDDefinitionSet* reply) {
    return AddTransactionSet(StoreOperation::AddReplySet, ref, reply, &TransactionSets::reply);
}

bool ReferenceObjectStore::AddVariableSet(const CDDDefinition& variable, CDDDefinitionSet* set) {
    StoreCall call = Call(StoreOperation::AddVariableSet, variable);
    std::vector<CDDDefinition> members = Members(set);
    call.set = Ids(members);
    Keep(std::move(call));
    m_variableSets.push_back({variable, std::move(members)});
    return set != nullptr;
}

CDDBlock* ReferenceObjectStore::GetBlock(DDContext ctx, const CDDDefinition& block) {
    Keep(Call(StoreOperation::GetBlock, block, ctx));
    return Narrow<CDDBlock>(MakeFilled(ctx, block), block).release();
}

CDDCollection* ReferenceObjectStore::GetCollection(DDContext ctx, const CDDDefinition& collection) {
    Keep(Call(StoreOperation::GetCollection, collection, ctx));
    return Narrow<CDDCollection>(MakeFilled(ctx, collection), collection).release();
}

CDDObject* ReferenceObjectStore::GetMember(DDContext ctx, CDDCollection* collection,
                                           CStrPP memberName) {
    StoreCall call = Call(StoreOperation::GetMember,
                          collection ? *collection->getcDefinition() : CDDDefinition(), ctx);
    call.member = memberName.ptr();
    Keep(std::move(call));
    const CDDMemberSet* members = collection ? collection->getMemberSet() : nullptr;
    const CDDMember* member = members ? members->getItem(memberName) : nullptr;
    std::unique_ptr<CDDObject> object;
    if (member != nullptr) object = MakeFilled(ctx, member->getDefinition());
    if (object == nullptr) {
        // No such member: an object with a negative ID, which every operation leaves alone.
        object = std::make_unique<CDDVariable>(CDDDefinition(-1, memberName, DD_KIND_VARIABLE));
    }
    return object.release();
}

CDDCommonVariant* ReferenceObjectStore::GetCurrentValue(DDContext ctx,
                                                        const CDDDefinition& variable) {
    Keep(Call(StoreOperation::GetCurrentValue, variable, ctx));
    return new CDDCommonVariant(CurrentValue(ctx, variable.getID()));
}

const CDDObject* ReferenceObjectStore::Find(DDObjectId id) const {
    auto it = m_byId.find(id);
    return it == m_byId.end() ? nullptr : it->second;
}

const CDDObject* ReferenceObjectStore::Find(const std::string& name) const {
    auto it = m_byName.find(name);
    return it == m_byName.end() ? nullptr : it->second;
}

std::unique_ptr<CDDObject> ReferenceObjectStore::Copy(DDObjectId id) const {
    const CDDObject* object = Find(id);
    return std::unique_ptr<CDDObject>(object ? object->Clone() : nullptr);
}

std::unique_ptr<CDDObject> ReferenceObjectStore::MakeFilled(DDContext ctx,
                                                            const CDDDefinition& definition) {
    std::unique_ptr<CDDObject> object = Copy(definition.getID());
    if (object == nullptr) object = MakeObject(definition);
    if (object != nullptr) FillInternally(ctx, *object);
    return object;
}

void ReferenceObjectStore::FillInternally(DDContext ctx, CDDObject& object) {
    const DDObjectId id = object.getcDefinition()->getID();
    if (m_calculation == nullptr || m_filling.count(id) != 0) return;
    ScopedMark mark(m_filling, id);
    RecorderPause pause;
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(++d) {}
        ~Depth() { --depth; }
    } depth(m_internalDepth);
    Calculate(*m_calculation, ctx, object);
}

CDDCommonVariant ReferenceObjectStore::DefaultValue(DDContext ctx, DDObjectId variable) {
    if (m_computingDefault.count(variable) != 0) return CDDCommonVariant(0);
    ScopedMark mark(m_computingDefault, variable);
    std::unique_ptr<CDDObject> object = Copy(variable);
    auto* filled = dynamic_cast<CDDVariable*>(object.get());
    if (filled == nullptr) return CDDCommonVariant(0);
    FillInternally(ctx, *filled);
    CDDCommonVariant value = filled->getValue();
    return value.getKind() == CDDCommonVariant::Empty ? CDDCommonVariant(0) : value;
}

CDDCommonVariant ReferenceObjectStore::CurrentValue(DDContext ctx, DDObjectId variable) {
    auto it = m_values.find(variable);
    if (it != m_values.end()) return it->second;
    const bool nested = m_computingDefault.count(variable) != 0;
    CDDCommonVariant value = DefaultValue(ctx, variable);
    // A value cut short by the guard is not the variable's default and is not kept.
    if (!nested) m_values.insert_or_assign(variable, value);
    return value;
}

void ReferenceObjectStore::SetCurrentValue(DDObjectId variable, const CDDCommonVariant& value) {
    m_values.insert_or_assign(variable, value);
}

}  // namespace ddhost
