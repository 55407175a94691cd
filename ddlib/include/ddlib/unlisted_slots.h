#pragma once

#include <cstdint>

// A host calls the operations of a shared class by their place in its table of virtual
// operations, so each listed operation keeps its place, and the places between them are held by
// unlisted slots. An unlisted slot is never called by the other side and never written by an
// implementer; called anyway, it does nothing and answers 0.
//
//     DD_UNLISTED_SLOTS(9, 10, 11);   // declares Unlisted9, Unlisted10 and Unlisted11
//
// The numbers name the slots they hold, counted from 0 in declaration order with a virtual
// destructor taking one; the suites check that every listed operation lands where it belongs.
#define DD_UNLISTED_SLOTS(...) DD_SLOTS_EXPAND(DD_SLOTS_EACH(__VA_ARGS__)) static_assert(true)

#define DD_UNLISTED_SLOT(slot) \
    virtual std::intptr_t Unlisted##slot() { return 0; }

// One DD_UNLISTED_SLOT per argument: each round of rescanning takes the next one.
#define DD_SLOTS_EACH(first, ...) \
    DD_UNLISTED_SLOT(first) __VA_OPT__(DD_SLOTS_EACH_AGAIN DD_SLOTS_PARENS(__VA_ARGS__))
#define DD_SLOTS_EACH_AGAIN() DD_SLOTS_EACH
#define DD_SLOTS_PARENS ()
#define DD_SLOTS_EXPAND(...) DD_SLOTS_EXPAND4(DD_SLOTS_EXPAND4(DD_SLOTS_EXPAND4(__VA_ARGS__)))
#define DD_SLOTS_EXPAND4(...) DD_SLOTS_EXPAND3(DD_SLOTS_EXPAND3(DD_SLOTS_EXPAND3(__VA_ARGS__)))
#define DD_SLOTS_EXPAND3(...) DD_SLOTS_EXPAND2(DD_SLOTS_EXPAND2(DD_SLOTS_EXPAND2(__VA_ARGS__)))
#define DD_SLOTS_EXPAND2(...) DD_SLOTS_EXPAND1(DD_SLOTS_EXPAND1(DD_SLOTS_EXPAND1(__VA_ARGS__)))
#define DD_SLOTS_EXPAND1(...) __VA_ARGS__
