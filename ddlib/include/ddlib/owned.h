#pragma once

#include <memory>

// A sub-object that its holder owns: handed over by a set… call, freed when replaced or when
// the holder goes, and copied deeply when the holder is copied.
template <class T>
class DDOwned {
  public:
    DDOwned() = default;
    DDOwned(const DDOwned& other) : m_ptr(other.m_ptr ? new T(*other.m_ptr) : nullptr) {}
    DDOwned& operator=(const DDOwned& other) {
        if (this != &other) m_ptr.reset(other.m_ptr ? new T(*other.m_ptr) : nullptr);
        return *this;
    }
    DDOwned(DDOwned&&) noexcept = default;
    DDOwned& operator=(DDOwned&&) noexcept = default;

    // Handing over the object already held keeps it.
    void reset(T* taken) {
        if (taken != m_ptr.get()) m_ptr.reset(taken);
    }
    T* get() const { return m_ptr.get(); }

  private:
    std::unique_ptr<T> m_ptr;
};
