#pragma once

#include <memory>
#include <string>
#include <type_traits>

#include "interfaces/attribute_calculation.h"

namespace ddhost {

// A new bare object of class T for the definition (a block with block kind 0).
template <class T>
std::unique_ptr<T> MakeBare(const CDDDefinition& definition) {
    if constexpr (std::is_same_v<T, CDDBlock>) {
        return std::make_unique<CDDBlock>(definition, DD_BLOCK_KIND_DEFAULT);
    } else {
        return std::make_unique<T>(definition);
    }
}

// The object as a T when it is one; otherwise it is freed and a bare T made from the
// definition takes its place, so the caller always holds an object of the class it needs.
template <class T>
std::unique_ptr<T> Narrow(std::unique_ptr<CDDObject> object, const CDDDefinition& definition) {
    if (auto* typed = dynamic_cast<T*>(object.get())) {
        object.release();
        return std::unique_ptr<T>(typed);
    }
    return MakeBare<T>(definition);
}

// A new bare object of the library class that the definition's kind names (a block with block
// kind 0); null for a kind that no class stands for.
std::unique_ptr<CDDObject> MakeObject(const CDDDefinition& definition);

// Hands the object to the calculate operation declared for its class and returns what the
// plug-in returns; an exception that leaves the plug-in comes out as a PluginError.
CDDObject* Calculate(CAttributeCalculation& calculation, DDContext ctx, CDDObject& object);

// "variable", "command", ...; "kind N" for a value that names no kind.
std::string KindName(enumDDObjectKind kind);

}  // namespace ddhost
