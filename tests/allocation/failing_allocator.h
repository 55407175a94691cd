#pragma once

// The global allocator of this test program, with one allocation made to fail on request.
namespace failing_allocator {

// Makes the n-th allocation from now on this thread (1: the next one) throw std::bad_alloc, or
// a nothrow one yield null; 0 makes none fail.
void FailAllocation(long n);

// Whether the allocation asked to fail has been reached since FailAllocation.
bool Failed();

// The allocations made on this thread since FailAllocation.
long Counted();

}  // namespace failing_allocator
