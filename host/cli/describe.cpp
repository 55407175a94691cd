#include "cli/describe.h"

#include "cli/text_encoding.h"

namespace ddhost {
namespace {

Json ClassFlags(std::uint32_t mask) {
    Json flags = Json::array();
    for (int flag = 0; flag < 32; ++flag) {
        if (mask & (1u << flag)) flags.push_back(flag);
    }
    return flags;
}

Json DescribeType(const CDDType& type) {
    Json json;
    json["code"] = static_cast<int>(type.getType());
    if (type.hasSize()) json["size"] = type.getSize();
    if (type.hasScalingFactor()) json["scalingFactor"] = type.getScalingFactor();
    if (type.hasDisplayFormat()) json["displayFormat"] = Describe(type.getDisplayFormat());
    if (type.hasEditFormat()) json["editFormat"] = Describe(type.getEditFormat());
    if (type.hasMaxRangeNo()) json["maxRangeNo"] = type.getMaxRangeNo();
    if (type.getRangeCount() > 0) {
        Json& ranges = json["ranges"] = Json::array();
        for (int i = 0; i < type.getRangeCount(); ++i) {
            ranges.push_back(
                {{"min", Describe(type.getMinValue(i))}, {"max", Describe(type.getMaxValue(i))}});
        }
    }
    if (type.hasDefaultValue()) json["default"] = Describe(type.getDefaultValue());
    if (type.hasMaxEnumIndex()) json["maxEnumIndex"] = type.getMaxEnumIndex();
    const CDDEnumeratorSet& enumerators = type.enumerators();
    if (enumerators.getCount() > 0) {
        Json& list = json["enumerators"] = Json::array();
        for (int i = 0; i < enumerators.getCount(); ++i) {
            const CDDEnumerator& e = enumerators.getItem(i);
            list.push_back({{"value", e.getValue()},
                            {"description", Describe(e.getDescription())},
                            {"help", Describe(e.getHelp())}});
        }
    }
    if (type.hasMaxBitEnumIndex()) json["maxBitEnumIndex"] = type.getMaxBitEnumIndex();
    const CDDBitEnumeratorSet& bits = type.bitEnumerators();
    if (bits.getCount() > 0) {
        Json& list = json["bitEnumerators"] = Json::array();
        for (int i = 0; i < bits.getCount(); ++i) {
            const CDDBitEnumerator& b = bits.getItem(i);
            Json bit = {{"bit", b.getBit()},
                        {"description", Describe(b.getDescription())},
                        {"help", Describe(b.getHelp())}};
            if (b.getMethod().getID() != 0) bit["method"] = Describe(b.getMethod());
            list.push_back(std::move(bit));
        }
    }
    return json;
}

void DescribeVariable(const CDDVariable& variable, Json& json) {
    json["classFlags"] = ClassFlags(variable.classInfo().getMask());
    json["handling"] = {{"read", variable.getHandling(DD_HANDLING_READ)},
                        {"write", variable.getHandling(DD_HANDLING_WRITE)}};
    if (const CDDType* type = variable.getTypeInfo()) json["type"] = DescribeType(*type);
    if (variable.hasConstantUnit()) json["constantUnit"] = Describe(variable.getConstantUnit());
    if (const CDDDefinitionList* actions = variable.getPostEditActions()) {
        Json& list = json["postEditActions"] = Json::array();
        for (int i = 0; i < actions->getCount(); ++i) {
            const CDDDefinitionList::Entry& entry = actions->getItem(i);
            Json action = Describe(entry.definition);
            action["first"] = entry.first;
            action["second"] = entry.second;
            list.push_back(std::move(action));
        }
    }
}

Json DataItems(const CDDDataItemList* items) {
    Json list = Json::array();
    for (int i = 0; items != nullptr && i < items->getCount(); ++i) {
        const CDDDataItem& item = items->getItem(i);
        const CDDDefinition& target = item.reference().getDefinition();
        list.push_back({{"id", target.getID()},
                        {"name", Describe(target.name())},
                        {"kind", static_cast<int>(item.getKind())},
                        {"mask", item.getMask()}});
    }
    return list;
}

void DescribeCommand(const CDDCommand& command, Json& json) {
    if (const CDDBlock* block = command.getBlock()) {
        json["block"] = Describe(*block->getcDefinition());
    }
    if (const CDDIndex* index = command.getIndex()) json["index"] = index->getIndex();
    if (command.hasOperation()) json["operation"] = static_cast<int>(command.getOperation());
    if (const CDDTransactionSet* transactions = command.getTransactionSet()) {
        Json& list = json["transactions"] = Json::array();
        for (int i = 0; i < transactions->getCount(); ++i) {
            const CDDTransaction& t = transactions->getItem(i);
            list.push_back({{"number", t.getNumber()},
                            {"request", DataItems(t.getRequest())},
                            {"reply", DataItems(t.getReply())}});
        }
    }
}

void DescribeBlock(const CDDBlock& block, Json& json) {
    if (block.hasType()) json["type"] = static_cast<int>(block.getType());
    if (block.hasNumber()) json["number"] = block.getNumber();
    json["blockKind"] = static_cast<int>(block.getBlockKind());
}

void DescribeCollection(const CDDCollection& collection, Json& json) {
    const CDDMemberSet* members = collection.getMemberSet();
    if (members == nullptr) return;
    Json& list = json["members"] = Json::array();
    for (int i = 0; i < members->getCount(); ++i) {
        const CDDMember& m = members->getItem(i);
        list.push_back({{"name", Describe(m.getName())},
                        {"id", m.getDefinition().getID()},
                        {"item", Describe(m.getDefinition().name())},
                        {"description", Describe(m.getDescription())},
                        {"help", Describe(m.getHelp())}});
    }
}

void DescribeUnit(const CDDUnit& unit, Json& json) {
    if (unit.hasUnit()) json["unit"] = Describe(unit.getUnit());
    if (const CDDVariableDefinitionSet* reread = unit.getReread()) {
        Json& list = json["reread"] = Json::array();
        for (int i = 0; i < reread->getCount(); ++i) list.push_back(Describe(reread->getItem(i)));
    }
}

void DescribeMenu(const CDDMenu& menu, Json& json) {
    if (menu.hasAccess()) json["access"] = menu.getAccess();
    const CDDMenuItemList* items = menu.getMenuItems();
    if (items == nullptr) return;
    Json& list = json["items"] = Json::array();
    for (int i = 0; i < items->getCount(); ++i) {
        const CDDMenuItem& item = items->getItem(i);
        Json entry = Describe(item.getDefinition());
        entry["qualifier"] = item.getQualifier();
        // Menu items have no record of what was put; an empty text is taken as none.
        if (!item.getLabel().IsEmpty()) entry["label"] = Describe(item.getLabel());
        if (!item.getHelp().IsEmpty()) entry["help"] = Describe(item.getHelp());
        list.push_back(std::move(entry));
    }
}

void DescribeMethod(const CDDMethod& method, Json& json) {
    json["classFlags"] = ClassFlags(method.classInfo().getMask());
    if (method.hasAccess()) json["access"] = method.getAccess();
    if (method.hasValidity()) json["validity"] = method.getValidity();
}

}  // namespace

Json Describe(const CStrPP& text) {
    return Cp1252ToUtf8(std::string_view(text.ptr(), static_cast<std::size_t>(text.Length())));
}

Json Describe(const CDDCommonVariant& value) {
    switch (value.getKind()) {
        case CDDCommonVariant::Integer:
            return value.getInt();
        case CDDCommonVariant::Float:
            return value.getDouble();
        case CDDCommonVariant::String:
            return Describe(value.getString());
        case CDDCommonVariant::Boolean:
            return value.getBool();
        case CDDCommonVariant::Empty:
            break;
    }
    return nullptr;
}

Json Describe(const HeldType* type, const CDDCommonVariant& value) {
    if (value.getKind() != CDDCommonVariant::Float) return Describe(value);
    const std::optional<std::string> shown = ShownText(type, value.getDouble());
    return shown ? NumberWithText(*shown) : Describe(value);
}

namespace {

constexpr std::uint8_t kNumberTextSubtype = 0x4E;

}  // namespace

Json NumberWithText(std::string_view text) {
    return Json::binary(std::vector<std::uint8_t>(text.begin(), text.end()), kNumberTextSubtype);
}

const std::vector<std::uint8_t>* NumberTextOf(const Json& json) {
    if (!json.is_binary()) return nullptr;
    const auto& binary = json.get_binary();
    return binary.has_subtype() && binary.subtype() == kNumberTextSubtype ? &binary : nullptr;
}

Json Describe(const CDDDefinition& definition) {
    return {{"id", definition.getID()},
            {"name", Describe(definition.name())},
            {"kind", static_cast<int>(definition.getKind())}};
}

Json Describe(const CDDObject& object) {
    Json json = Describe(*object.getcDefinition());
    json["class"] = object.getClassName();
    json["attributesAvailable"] = object.getAttributesAvailable();
    if (object.hasLabel()) json["label"] = Describe(object.getLabel());
    if (object.hasHelp()) json["help"] = Describe(object.getHelp());
    if (auto* variable = dynamic_cast<const CDDVariable*>(&object)) {
        DescribeVariable(*variable, json);
    } else if (auto* command = dynamic_cast<const CDDCommand*>(&object)) {
        DescribeCommand(*command, json);
    } else if (auto* block = dynamic_cast<const CDDBlock*>(&object)) {
        DescribeBlock(*block, json);
    } else if (auto* collection = dynamic_cast<const CDDCollection*>(&object)) {
        DescribeCollection(*collection, json);
    } else if (auto* unit = dynamic_cast<const CDDUnit*>(&object)) {
        DescribeUnit(*unit, json);
    } else if (auto* menu = dynamic_cast<const CDDMenu*>(&object)) {
        DescribeMenu(*menu, json);
    } else if (auto* method = dynamic_cast<const CDDMethod*>(&object)) {
        DescribeMethod(*method, json);
    }
    return json;
}

Json DescribeDirectory(const ReferenceObjectStore& store) {
    Json json;
    Json& objects = json["objects"] = Json::array();
    for (const auto& object : store.objects()) {
        Json entry = Describe(*object->getcDefinition());
        if (auto* variable = dynamic_cast<const CDDVariable*>(object.get())) {
            if (const CDDType* type = variable->getTypeInfo()) {
                entry["type"] = static_cast<int>(type->getType());
            }
            entry["classFlags"] = ClassFlags(variable->classInfo().getMask());
        }
        objects.push_back(std::move(entry));
    }
    auto ids = [](const std::vector<CDDDefinition>& definitions) {
        Json list = Json::array();
        for (const CDDDefinition& d : definitions) list.push_back(d.getID());
        return list;
    };
    Json& transactions = json["transactionSets"] = Json::array();
    for (const TransactionSets& sets : store.transactionSets()) {
        transactions.push_back({{"command", sets.command.getID()},
                                {"transaction", sets.transaction},
                                {"request", ids(sets.request)},
                                {"reply", ids(sets.reply)}});
    }
    Json& variables = json["variableSets"] = Json::array();
    for (const VariableSet& set : store.variableSets()) {
        variables.push_back(set.variable.getID());
    }
    return json;
}

}  // namespace ddhost
