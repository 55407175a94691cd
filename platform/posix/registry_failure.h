#pragma once

namespace platform::registry {

// The stand-in's own reasons for a failure, numbered far above any errno value so that the two
// never meet; what a host shows for each is in FailureText.
// Another writer kept the lock for longer than a writer waits.
inline constexpr int kLockHeld = 0x20000001;
// The store would grow past the size that is read back.
inline constexpr int kStoreTooLarge = 0x20000002;
// The store, its lock or its place is not one the stand-in uses: Problem says why.
inline constexpr int kStoreRefused = 0x20000003;
// The module did not start when it was loaded, for another reason than running out of memory.
inline constexpr int kStartFailed = 0x20000004;

// Keeps `reason`, an errno value or one of the above, as this thread's last failure; false, for
// the caller to answer.
bool Fail(int reason);
// The reason kept; 0 when none is.
int KeptFailure();

}  // namespace platform::registry
