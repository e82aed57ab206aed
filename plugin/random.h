// The plug-in's pseudo-random generator: a 32-bit linear congruential generator.
#pragma once

#include <cstdint>

namespace plugin {

// ---- Generator ----

// One step of the generator: x' = x * 134775813 + 1 (mod 2^32); the draw is
// (x' * range) div 2^32, so 0 <= draw < range. Backgammon's dice use the same step on a
// seed of their own, so both players' plug-ins draw identical dice.
inline std::uint32_t LcgStep(std::uint32_t& state, std::uint32_t range) {
  state = state * 134775813u + 1u;
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(state) * range) >> 32);
}

// Random holds the state of one generator. Every plug-in has exactly one process-wide
// instance (ProcessRandom): it supplies the scrambler's start values, and backgammon
// reseeds it from the clock at each game start; an unseeded generator starts at 0, so its
// sequence repeats from one load to the next.
class Random {
 public:
  std::uint32_t Next(std::uint32_t range) { return LcgStep(seed_, range); }
  void Seed(std::uint32_t seed) { seed_ = seed; }
  std::uint32_t SeedValue() const { return seed_; }

 private:
  std::uint32_t seed_ = 0;
};

// The process-wide generator of this plug-in (each loaded copy has its own).
Random& ProcessRandom();

}  // namespace plugin
