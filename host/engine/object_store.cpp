#include "engine/object_store.h"

#include <algorithm>

#include "engine/call_trace.h"
#include "engine/held_value.h"
#include "engine/object_kinds.h"

namespace ddhost {
namespace {

std::vector<CDDDefinition> Members(const CDDDefinitionSet* set) {
    std::vector<CDDDefinition> members;
    if (set == nullptr) return members;
    members.reserve(static_cast<std::size_t>(set->getCount()));
    for (int i = 0; i < set->getCount(); ++i) members.push_back(set->getItem(i));
    return members;
}

std::vector<DDObjectId> Ids(const std::vector<CDDDefinition>& definitions) {
    std::vector<DDObjectId> ids;
    for (const CDDDefinition& definition : definitions) ids.push_back(definition.getID());
    return ids;
}

// What a call without an object is recorded with.
const CDDDefinition& NoDefinition() {
    static const CDDDefinition none;
    return none;
}

// The object of the key in an index sorted by key, the last of equal keys; null when none.
template <class Key>
const CDDObject* Lookup(const std::vector<std::pair<Key, const CDDObject*>>& index,
                        const Key& key) {
    auto after = std::upper_bound(index.begin(), index.end(), key,
                                  [](const Key& k, const auto& entry) { return k < entry.first; });
    if (after == index.begin() || std::prev(after)->first != key) return nullptr;
    return std::prev(after)->second;
}

template <class Key>
void SortByKey(std::vector<std::pair<Key, const CDDObject*>>& index) {
    std::stable_sort(index.begin(), index.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
}

// Marks an ID as in progress while the scope lasts, also on an exception. The marks nest, so
// they form a stack.
class ScopedMark {
  public:
    ScopedMark(std::vector<DDObjectId>& marks, DDObjectId id) : m_marks(marks) {
        m_marks.push_back(id);
    }
    ~ScopedMark() { m_marks.pop_back(); }
    ScopedMark(const ScopedMark&) = delete;
    ScopedMark& operator=(const ScopedMark&) = delete;

    static bool Marked(const std::vector<DDObjectId>& marks, DDObjectId id) {
        return std::find(marks.begin(), marks.end(), id) != marks.end();
    }

  private:
    std::vector<DDObjectId>& m_marks;
};

}  // namespace

StoreCall* ReferenceObjectStore::Record(StoreOperation operation, const CDDDefinition& definition,
                                        DDContext ctx) {
    // The store's own fills are not part of what the plug-in was asked.
    if (m_recording == StoreRecording::Off || m_internalDepth != 0) return nullptr;
    StoreCall& call = m_calls.emplace_back();
    call.operation = operation;
    call.ctx = ctx;
    call.id = definition.getID();
    call.name = definition.name().ptr();
    call.kind = definition.getKind();
    return &call;
}

bool ReferenceObjectStore::AddObject(CDDObject* object) {
    if (object == nullptr) {
        Record(StoreOperation::AddObject, NoDefinition());
        return false;
    }
    Record(StoreOperation::AddObject, *object->getcDefinition());
    // A later object of the same ID or name replaces the earlier one in the look-ups only;
    // the list keeps what was received.
    m_objects.emplace_back(object->Clone());
    return true;
}

void ReferenceObjectStore::Reindex() const {
    if (m_byId.size() == m_objects.size()) return;
    m_byId.clear();
    m_byName.clear();
    m_byId.reserve(m_objects.size());
    m_byName.reserve(m_objects.size());
    for (const auto& object : m_objects) {
        const CDDDefinition& definition = *object->getcDefinition();
        m_byId.emplace_back(definition.getID(), object.get());
        m_byName.emplace_back(definition.name().ptr(), object.get());
    }
    SortByKey(m_byId);
    SortByKey(m_byName);
}

TransactionSets& ReferenceObjectStore::SetsOf(const CDDTransactionRef& ref) {
    for (auto it = m_transactionSets.rbegin(); it != m_transactionSets.rend(); ++it) {
        if (it->command.getID() == ref.getCommand().getID() &&
            it->transaction == ref.getTransaction()) {
            return *it;
        }
    }
    return m_transactionSets.emplace_back(ref.getCommand(), ref.getTransaction());
}

bool ReferenceObjectStore::AddTransactionSet(StoreOperation operation, CDDTransactionRef* ref,
                                             CDDDefinitionSet* set,
                                             std::vector<CDDDefinition> TransactionSets::*part) {
    std::vector<CDDDefinition> members = Members(set);
    if (StoreCall* call = Record(operation, ref ? ref->getCommand() : NoDefinition())) {
        call->set = Ids(members);
        call->transaction = ref ? ref->getTransaction() : 0;
    }
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
    std::vector<CDDDefinition> members = Members(set);
    if (StoreCall* call = Record(StoreOperation::AddVariableSet, variable)) {
        call->set = Ids(members);
    }
    m_variableSets.emplace_back(variable, std::move(members));
    return set != nullptr;
}

CDDBlock* ReferenceObjectStore::GetBlock(DDContext ctx, const CDDDefinition& block) {
    Record(StoreOperation::GetBlock, block, ctx);
    return Narrow<CDDBlock>(MakeFilled(ctx, block), block).release();
}

CDDCollection* ReferenceObjectStore::GetCollection(DDContext ctx, const CDDDefinition& collection) {
    Record(StoreOperation::GetCollection, collection, ctx);
    return Narrow<CDDCollection>(MakeFilled(ctx, collection), collection).release();
}

CDDObject* ReferenceObjectStore::GetMember(DDContext ctx, CDDCollection* collection,
                                           CStrPP memberName) {
    if (StoreCall* call =
            Record(StoreOperation::GetMember,
                   collection ? *collection->getcDefinition() : NoDefinition(), ctx)) {
        call->member = memberName.ptr();
    }
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
    Record(StoreOperation::GetCurrentValue, variable, ctx);
    return new CDDCommonVariant(CurrentValue(ctx, variable.getID()));
}

const CDDObject* ReferenceObjectStore::Find(DDObjectId id) const {
    Reindex();
    return Lookup(m_byId, id);
}

const CDDObject* ReferenceObjectStore::Find(const std::string& name) const {
    Reindex();
    return Lookup(m_byName, std::string_view(name));
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

bool ReferenceObjectStore::FillInternally(DDContext ctx, CDDObject& object) {
    const DDObjectId id = object.getcDefinition()->getID();
    if (m_calculation == nullptr || ScopedMark::Marked(m_filling, id)) return false;
    ScopedMark mark(m_filling, id);
    RecorderPause pause;
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(++d) {}
        ~Depth() { --depth; }
    } depth(m_internalDepth);
    Calculate(*m_calculation, ctx, object);
    return true;
}

std::unique_ptr<CDDVariable> ReferenceObjectStore::FilledVariable(DDContext ctx,
                                                                  DDObjectId variable) {
    std::unique_ptr<CDDObject> object = Copy(variable);
    auto* filled = dynamic_cast<CDDVariable*>(object.get());
    if (filled == nullptr) return nullptr;
    if (FillInternally(ctx, *object)) {
        const CDDType* type = filled->getTypeInfo();
        m_types.insert_or_assign(variable, type ? std::optional<HeldType>(*type) : std::nullopt);
    }
    object.release();
    return std::unique_ptr<CDDVariable>(filled);
}

const HeldType* ReferenceObjectStore::TypeOf(DDContext ctx, DDObjectId variable) {
    auto known = m_types.find(variable);
    if (known == m_types.end()) {
        FilledVariable(ctx, variable);
        known = m_types.find(variable);
    }
    return known != m_types.end() && known->second ? &*known->second : nullptr;
}

CDDCommonVariant ReferenceObjectStore::DefaultValue(DDContext ctx, DDObjectId variable) {
    if (ScopedMark::Marked(m_computingDefault, variable)) return CDDCommonVariant(0);
    ScopedMark mark(m_computingDefault, variable);
    const std::unique_ptr<CDDVariable> filled = FilledVariable(ctx, variable);
    if (filled == nullptr) return CDDCommonVariant(0);
    const CDDCommonVariant value = filled->getValue();
    if (value.getKind() == CDDCommonVariant::Empty) return CDDCommonVariant(0);
    return HeldValue(TypeOf(ctx, variable), value);
}

CDDCommonVariant ReferenceObjectStore::CurrentValue(DDContext ctx, DDObjectId variable) {
    auto it = m_values.find(variable);
    if (it != m_values.end()) return it->second;
    const bool nested = ScopedMark::Marked(m_computingDefault, variable);
    CDDCommonVariant value = DefaultValue(ctx, variable);
    // A value cut short by the guard is not the variable's default and is not kept, nor is the
    // 0 of an ID outside the directory: what the store keeps stays bounded by the directory.
    if (!nested && Find(variable) != nullptr) m_values.insert_or_assign(variable, value);
    return value;
}

void ReferenceObjectStore::SetCurrentValue(DDContext ctx, DDObjectId variable,
                                           const CDDCommonVariant& value) {
    // Only a number that single precision changes needs the variable's type.
    m_values.insert_or_assign(variable, ChangedBySinglePrecision(value)
                                            ? HeldValue(TypeOf(ctx, variable), value)
                                            : value);
}

}  // namespace ddhost
