// The 13 bars of one cube-shaped module, the topology that many tests and
// the benchmarks expand. Nodes 1-4 are Base 0 and 5-8 Base 1, in the same
// turn. The bars come in the order of the element kinds: the four chords,
// the Base 1 frame, the four side diagonals and the one diagonal of the
// Base 1 frame. Models that carry the Base 0 frame add it once.
#pragma once

#include <array>
#include <utility>
#include <vector>

namespace zentrix::testing {

using CubeBar = std::pair<int, int>;

inline constexpr std::array<CubeBar, 13> kCubeTopology = {{
    {1, 5},
    {2, 6},
    {3, 7},
    {4, 8},  // chords
    {5, 6},
    {6, 7},
    {7, 8},
    {8, 5},  // Base 1 frame
    {1, 6},
    {2, 7},
    {3, 8},
    {4, 5},  // side diagonals
    {5, 7},  // diagonal of the Base 1 frame
}};

inline constexpr std::array<CubeBar, 4> kCubeBase0Frame = {{{1, 2}, {2, 3}, {3, 4}, {4, 1}}};

// The cube's bars, with the Base 0 frame after them when asked for.
inline std::vector<CubeBar> cubeBars(bool withBase0Frame = false) {
  std::vector<CubeBar> bars(kCubeTopology.begin(), kCubeTopology.end());
  if (withBase0Frame) bars.insert(bars.end(), kCubeBase0Frame.begin(), kCubeBase0Frame.end());
  return bars;
}

}  // namespace zentrix::testing
