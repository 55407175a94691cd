#pragma once

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
