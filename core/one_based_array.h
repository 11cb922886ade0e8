// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cassert>
#include <cstdint>

namespace tolvar {

// Every number the questionnaire keeps is a 16-bit signed value, truth values included.
using Int16 = std::int16_t;

inline constexpr Int16 TRUE_FLAG = -1;
inline constexpr Int16 FALSE_FLAG = 0;

// A fixed array whose slots are numbered 1 to N, as questions and motivators are.
// Callers check Contains() before indexing; an index outside 1..N is a programming error.
template <typename T, Int16 N>
class OneBasedArray {
    static_assert(N > 0);

  public:
    static constexpr Int16 size() { return N; }
    static constexpr bool Contains(int index) { return index >= 1 && index <= N; }

    constexpr T& operator()(Int16 index) {
        assert(Contains(index));
        return slots_[static_cast<std::size_t>(index - 1)];
    }
    constexpr const T& operator()(Int16 index) const {
        assert(Contains(index));
        return slots_[static_cast<std::size_t>(index - 1)];
    }

    constexpr void Fill(const T& value) { slots_.fill(value); }

  private:
    std::array<T, N> slots_{};
};

}  // namespace tolvar
