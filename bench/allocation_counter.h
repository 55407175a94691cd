#pragma once

#include <cstdint>

// Every operator new of the benchmark program, the libraries it loads included, goes through
// the counting allocator of allocation_counter.cpp.
namespace bench {

// Allocations made so far.
std::uint64_t Allocations();
// Bytes allocated and not yet freed.
std::int64_t LiveBytes();
// The process's resident memory, in bytes.
std::int64_t ResidentBytes();

// Allocations made while it lives.
class AllocationScope {
  public:
    AllocationScope() : m_start(Allocations()) {}
    std::uint64_t count() const { return Allocations() - m_start; }

  private:
    std::uint64_t m_start;
};

}  // namespace bench
