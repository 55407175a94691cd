#include "engine/store_call.h"

namespace ddhost {

const char* OperationName(StoreOperation operation) {
    switch (operation) {
        case StoreOperation::AddObject:
            return "AddObject";
        case StoreOperation::AddRequestSet:
            return "AddRequestSet";
        case StoreOperation::AddReplySet:
            return "AddReplySet";
        case StoreOperation::AddVariableSet:
            return "AddVariableSet";
        case StoreOperation::GetBlock:
            return "GetBlock";
        case StoreOperation::GetCollection:
            return "GetCollection";
        case StoreOperation::GetMember:
            return "GetMember";
        case StoreOperation::GetCurrentValue:
            return "GetCurrentValue";
    }
    return "?";
}

std::string Describe(const StoreCall& call) {
    std::string text = OperationName(call.operation);
    text += '(';
    const bool isGet = call.operation >= StoreOperation::GetBlock;
    if (isGet) text += "ctx " + std::to_string(call.ctx) + ", ";
    text += std::to_string(call.id) + ' ' + call.name;
    switch (call.operation) {
        case StoreOperation::AddObject:
            text += ", kind " + std::to_string(static_cast<int>(call.kind));
            break;
        case StoreOperation::AddRequestSet:
        case StoreOperation::AddReplySet:
            text += ", transaction " + std::to_string(call.transaction);
            [[fallthrough]];
        case StoreOperation::AddVariableSet:
            text += ", {";
            for (std::size_t i = 0; i < call.set.size(); ++i) {
                text += (i ? " " : "") + std::to_string(call.set[i]);
            }
            text += '}';
            break;
        case StoreOperation::GetMember:
            text += ", \"" + call.member + '"';
            break;
        default:
            break;
    }
    return text + ')';
}

}  // namespace ddhost
