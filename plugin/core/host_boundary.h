#pragma once

#include <new>

#include "platform/framework.h"

// Runs one operation that the host called and answers `failure` if anything is thrown on the
// way: the host's process has no handler for what the plug-in might throw (an allocation that
// fails, an exception from the host's own interfaces), so nothing may leave the module.
template <class Result, class Operation>
Result AnswerOr(Result failure, Operation&& operation) noexcept {
    try {
        return operation();
    } catch (...) {
        return failure;
    }
}

// An object that an export hands the host: null when memory runs out, or when the module failed
// to start and the system loaded it all the same.
template <class Object>
Object* NewForHost() noexcept {
    return platform::StartFailed() ? nullptr : new (std::nothrow) Object;
}
