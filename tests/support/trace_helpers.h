#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "engine/call_trace.h"
#include "support/plugin_fixture.h"

// What the tests read from the library calls of a fill and from the filled objects, and the
// checks that every factory has to pass.

using Calls = std::vector<std::string>;

// The library calls that an action makes, as "Receiver::operation(arguments)".
inline Calls TraceOf(const std::function<void()>& action) {
    ddhost::CallTrace trace;
    action();
    Calls calls;
    for (const ddhost::TracedCall& call : trace.calls()) calls.push_back(call.Text());
    return calls;
}

inline bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}
inline bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The calls whose text starts with `prefix`.
inline Calls Only(const Calls& calls, const std::string& prefix) {
    Calls kept;
    for (const std::string& call : calls)
        if (StartsWith(call, prefix)) kept.push_back(call);
    return kept;
}

// The calls whose text starts with none of the prefixes.
inline Calls Without(const Calls& calls, const std::vector<std::string>& prefixes) {
    Calls kept;
    for (const std::string& call : calls) {
        bool drop = false;
        for (const std::string& prefix : prefixes) drop = drop || StartsWith(call, prefix);
        if (!drop) kept.push_back(call);
    }
    return kept;
}

// The trace without the class reset that every variable makes before its own flags.
inline Calls WithoutClassReset(const Calls& calls) {
    Calls kept;
    for (const std::string& call : calls)
        if (!StartsWith(call, "CDDVariableClass::putClassInfo(") ||
            call.find(", false)") == std::string::npos)
            kept.push_back(call);
    return kept;
}

// The trace without the class reset and without the calls whose text starts with one of the
// prefixes: what is left shows the order of the item's own steps.
inline Calls Steps(const Calls& calls, const std::vector<std::string>& dropped = {}) {
    return Without(WithoutClassReset(calls), dropped);
}

// The calls from the first one that starts with `prefix` on.
inline Calls From(const Calls& calls, const std::string& prefix) {
    for (auto it = calls.begin(); it != calls.end(); ++it)
        if (StartsWith(*it, prefix)) return Calls(it, calls.end());
    return {};
}
// The calls from the type on: what follows the label and the class flags.
inline Calls FromType(const Calls& calls) { return From(calls, "CDDVariable::setTypeInfo"); }
// The calls from the first handling call on.
inline Calls FromHandling(const Calls& calls) { return From(calls, "CDDVariable::putHandling"); }

// The parts, one after the other.
inline Calls Join(std::initializer_list<Calls> parts) {
    Calls joined;
    for (const Calls& part : parts) joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

// The class reset that every variable makes before it sets its own flags.
inline const Calls kResetClass = {
    "CDDVariableClass::putClassInfo(2, false)",  "CDDVariableClass::putClassInfo(15, false)",
    "CDDVariableClass::putClassInfo(14, false)", "CDDVariableClass::putClassInfo(9, false)",
    "CDDVariableClass::putClassInfo(10, false)", "CDDVariableClass::putClassInfo(11, false)",
    "CDDVariableClass::putClassInfo(16, false)", "CDDVariableClass::putClassInfo(13, false)",
    "CDDVariableClass::putClassInfo(18, false)", "CDDVariableClass::putClassInfo(12, false)",
};

// The handling calls of a variable: both flags reset, then the flags it sets, in order.
inline const Calls kResetHandling = {"CDDVariable::putHandling(0, false)",
                                     "CDDVariable::putHandling(1, false)"};
inline const Calls kReadOnly = {"CDDVariable::putHandling(0, false)",
                                "CDDVariable::putHandling(1, false)",
                                "CDDVariable::putHandling(1, true)"};
inline const Calls kReadThenWrite = {
    "CDDVariable::putHandling(0, false)", "CDDVariable::putHandling(1, false)",
    "CDDVariable::putHandling(1, true)", "CDDVariable::putHandling(0, true)"};
inline const Calls kWriteThenRead = {
    "CDDVariable::putHandling(0, false)", "CDDVariable::putHandling(1, false)",
    "CDDVariable::putHandling(0, true)", "CDDVariable::putHandling(1, true)"};

// The whole fill of a block object: its type and its number among the blocks of that type.
inline Calls BlockFill(int type, int number) {
    return {"CDDBlock::putType(" + std::to_string(type) + ")",
            "CDDBlock::putNumber(" + std::to_string(number) + ")", "CDDBlock::putBlockKind(0)",
            "CDDBlock::putAttributesAvailable(true)"};
}

inline const char* Name(DDObjectId id) {
    return registry::kItems[static_cast<std::size_t>(id)].name;
}
inline std::string Label(const CDDObject& object) { return object.getLabel().ptr(); }
inline std::string Help(const CDDObject& object) { return object.getHelp().ptr(); }

// The values of the variable's enumerators, and the bits of its bit enumerators, in order.
using Values = std::vector<std::int32_t>;
inline Values EnumValues(const CDDVariable& variable) {
    Values values;
    const CDDEnumeratorSet& set = variable.getTypeInfo()->enumerators();
    for (int i = 0; i < set.getCount(); ++i) values.push_back(set.getItem(i).getValue());
    return values;
}
inline Values BitValues(const CDDVariable& variable) {
    Values values;
    const CDDBitEnumeratorSet& set = variable.getTypeInfo()->bitEnumerators();
    for (int i = 0; i < set.getCount(); ++i) values.push_back(set.getItem(i).getBit());
    return values;
}

// The store calls that asked for a current value, in order, and the items they asked for.
inline std::vector<ddhost::StoreCall> Fetches(PluginFixture& f) {
    std::vector<ddhost::StoreCall> fetches;
    for (const ddhost::StoreCall& call : f.host.store().calls())
        if (call.operation == ddhost::StoreOperation::GetCurrentValue) fetches.push_back(call);
    return fetches;
}
inline std::vector<DDObjectId> FetchedItems(PluginFixture& f) {
    std::vector<DDObjectId> ids;
    for (const ddhost::StoreCall& call : Fetches(f)) ids.push_back(call.id);
    return ids;
}

// Fills an object on which the host had already switched read and write handling on.
inline std::unique_ptr<CDDVariable> FillWithHandlingOn(PluginFixture& f, DDObjectId id) {
    std::unique_ptr<CDDObject> object = f.host.store().Copy(id);
    auto* variable = static_cast<CDDVariable*>(object.get());
    variable->putHandling(DD_HANDLING_READ, true);
    variable->putHandling(DD_HANDLING_WRITE, true);
    ddhost::Calculate(f.calculation, 1, *object);
    return std::unique_ptr<CDDVariable>(static_cast<CDDVariable*>(object.release()));
}

// Single-byte Western texts: no C1 control range, no UTF-8 lead byte of an accent.
inline bool PlainBytes(const char* text) {
    for (const char* c = text; *c; ++c) {
        const auto byte = static_cast<unsigned char>(*c);
        if ((byte >= 0x80 && byte <= 0x9F) || byte == 0xC3) return false;
    }
    return true;
}

// A fill of the variable ends with its one putAttributesAvailable, and leaves the variable
// available with the class flags that the directory gives it.
inline void ExpectFillEndsAvailableWithTheDirectorysClassFlags(PluginFixture& f, DDObjectId id) {
    const Calls calls = f.Trace(id);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), "CDDVariable::putAttributesAvailable(true)");
    EXPECT_EQ(Only(calls, "CDDVariable::putAttributesAvailable").size(), 1u);
    const auto variable = f.FillAs<CDDVariable>(id);
    EXPECT_TRUE(variable->getAttributesAvailable());
    EXPECT_EQ(variable->classInfo().getMask(), registry::kItems[id].classMask);
}

// The same for each of the variables, which also keep the directory's type.
inline void ExpectEveryFillEndsAvailableWithTheDirectorysTypeAndClassFlags(
    PluginFixture& f, std::span<const DDObjectId> ids) {
    for (DDObjectId id : ids) {
        SCOPED_TRACE(Name(id));
        ExpectFillEndsAvailableWithTheDirectorysClassFlags(f, id);
        EXPECT_EQ(f.FillAs<CDDVariable>(id)->getTypeInfo()->getType(), registry::kItems[id].type);
    }
}

// Each factory, on a fresh object: the fill ends with the putAttributesAvailable of its kind of
// object; a variable has the directory's class flags and type, texts of single Western bytes and
// no help on its enumerators and bits; a collection's member descriptions are single bytes too.
inline void ExpectEveryFactoryEndsAvailableWithItsDirectoryTypeAndClasses(
    PluginFixture& f, std::span<const DDObjectId> ids) {
    for (DDObjectId id : ids) {
        const registry::ItemInfo& info = registry::kItems[static_cast<std::size_t>(id)];
        SCOPED_TRACE(info.name);
        const std::string kind = info.kind == DD_KIND_BLOCK        ? "CDDBlock"
                                 : info.kind == DD_KIND_COLLECTION ? "CDDCollection"
                                                                   : "CDDVariable";
        EXPECT_EQ(f.Trace(id).back(), kind + "::putAttributesAvailable(true)");
        const std::unique_ptr<CDDObject> object = f.Fill(id);
        EXPECT_TRUE(object->getAttributesAvailable());
        if (info.kind == DD_KIND_COLLECTION) {
            const CDDMemberSet& members =
                *static_cast<const CDDCollection&>(*object).getMemberSet();
            for (int i = 0; i < members.getCount(); ++i)
                EXPECT_TRUE(PlainBytes(members.getItem(i).getDescription().ptr()));
        }
        if (info.kind != DD_KIND_VARIABLE) continue;
        const auto& variable = static_cast<const CDDVariable&>(*object);
        EXPECT_EQ(variable.classInfo().getMask(), info.classMask);
        EXPECT_EQ(variable.getTypeInfo()->getType(), info.type);
        EXPECT_TRUE(PlainBytes(variable.getLabel().ptr()));
        EXPECT_TRUE(PlainBytes(variable.getHelp().ptr()));
        const CDDEnumeratorSet& enumerators = variable.getTypeInfo()->enumerators();
        for (int i = 0; i < enumerators.getCount(); ++i) {
            EXPECT_TRUE(PlainBytes(enumerators.getItem(i).getDescription().ptr()));
            EXPECT_TRUE(enumerators.getItem(i).getHelp().IsEmpty());
        }
        const CDDBitEnumeratorSet& bits = variable.getTypeInfo()->bitEnumerators();
        for (int i = 0; i < bits.getCount(); ++i) {
            EXPECT_TRUE(PlainBytes(bits.getItem(i).getDescription().ptr()));
            EXPECT_TRUE(bits.getItem(i).getHelp().IsEmpty());
        }
    }
}

// After an edit the variable runs `method`, alone and without arguments.
inline void ExpectOnePostEditAction(const CDDVariable& variable, DDObjectId method) {
    const CDDDefinitionList* actions = variable.getPostEditActions();
    ASSERT_NE(actions, nullptr);
    ASSERT_EQ(actions->getCount(), 1);
    EXPECT_EQ(actions->getItem(0).definition.getID(), method);
    EXPECT_EQ(actions->getItem(0).first, -1);
    EXPECT_EQ(actions->getItem(0).second, -1);
}
