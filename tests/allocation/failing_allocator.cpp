#include "allocation/failing_allocator.h"

#include <cstdlib>
#include <new>

// Every form that the program's code may call is replaced, so that what one form allocates
// another frees with malloc's partner, free.

namespace failing_allocator {
namespace {

thread_local long t_failAt = 0;
thread_local long t_counted = 0;
thread_local bool t_failed = false;

// Null when this is the allocation that is to fail.
void* Allocate(std::size_t size) {
    ++t_counted;
    if (t_failAt != 0 && t_counted == t_failAt) {
        t_failed = true;
        return nullptr;
    }
    return std::malloc(size == 0 ? 1 : size);
}

void* AllocateOrThrow(std::size_t size) {
    void* memory = Allocate(size);
    if (memory == nullptr) throw std::bad_alloc();
    return memory;
}

}  // namespace

void FailAllocation(long n) {
    t_failAt = n;
    t_counted = 0;
    t_failed = false;
}

bool Failed() { return t_failed; }

long Counted() { return t_counted; }

}  // namespace failing_allocator

void* operator new(std::size_t size) { return failing_allocator::AllocateOrThrow(size); }
void* operator new[](std::size_t size) { return failing_allocator::AllocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return failing_allocator::Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return failing_allocator::Allocate(size);
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
