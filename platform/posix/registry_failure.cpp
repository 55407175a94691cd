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

void ForgetFailure() { t_failure = 0; }

void FailForLackOfMemory() { t_failure = ENOMEM; }

void PassOnFailure() { errno = t_failure; }

}  // namespace platform::registry
