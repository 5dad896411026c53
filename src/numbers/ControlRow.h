#pragma once
// Control arrays: controls cannot be copied or moved, so an array of them is built in place, one
// control an index, from a function that makes the control of that index.
#include <array>
#include <cstddef>
#include <utility>

namespace numbers {

template <std::size_t N, typename Make> auto makeControls(Make make) {
    return [&]<std::size_t... I>(std::index_sequence<I...>) {
        return std::array{make(int(I))...};
    }
    (std::make_index_sequence<N>{});
}

} // namespace numbers
