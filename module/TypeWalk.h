// TypeWalk: the guard of every walk from a type to the types it implements. A damaged library can
// name a type as its own base, directly or round a loop of any length, or nest bases far deeper
// than any sound library: a walk enters each type once and goes no deeper than kDeepest levels
// below where it started. Each type entered once also keeps a type reached along many paths (each
// type implementing the next one twice) from costing a walk along each path.
#pragma once

#include <set>

template <typename Identity> class TypeWalk
{
public:
    // Far deeper than any sound library goes.
    static constexpr int kDeepest = 64;

    // Enters the type, depth levels below the start (0 for the start itself); false when the walk
    // must not go there: too deep, or entered already along this path (a loop) or another.
    bool Enter(const Identity& type, int depth) { return depth <= kDeepest && m_entered.insert(type).second; }

private:
    std::set<Identity> m_entered;
};
