#pragma once

#include <string>
#include <vector>

#include "interfaces/host_interfaces.h"

namespace ddhost {

enum class StoreOperation {
    AddObject,
    AddRequestSet,
    AddReplySet,
    AddVariableSet,
    GetBlock,
    GetCollection,
    GetMember,
    GetCurrentValue,
};

// One call that the object store received, with its arguments.
struct StoreCall {
    StoreOperation operation;
    // The object added, the command of a transaction set, the variable of a variable set, the
    // definition asked for, or the collection asked for a member.
    DDObjectId id = 0;
    std::string name;
    enumDDObjectKind kind = DD_KIND_VARIABLE;
    // Transaction sets: the transaction's number.
    int transaction = 0;
    // The sets: the IDs of their definitions, in order.
    std::vector<DDObjectId> set;
    // The Get operations: the host value handed in.
    DDContext ctx = 0;
    // GetMember: the member's name.
    std::string member;
};

const char* OperationName(StoreOperation operation);

// One line, e.g. "GetCurrentValue(ctx 1, 233 func1_out_decimal_point)".
std::string Describe(const StoreCall& call);

}  // namespace ddhost
