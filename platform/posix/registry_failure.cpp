#include "platform/posix/registry_failure.h"

#include <cerrno>

#include "platform/registry.h"

namespace platform::registry {
namespace {

thread_local int t_failure = 0;

}  // namespace

bool Fail(int reason) {
    t_failure = reason;
    return false;
}

int KeptFailure() { return t_failure; }

void ForgetFailure() { t_failure = 0; }

void FailForLackOfMemory() { t_failure = ENOMEM; }

void FailForFailedStart() { t_failure = kStartFailed; }

void PassOnFailure() { errno = t_failure; }

Reason LastFailure() { return errno; }

}  // namespace platform::registry
