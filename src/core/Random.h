#pragma once
// The process-wide pseudo-random generator of uniform integers (the automatic forecast
// choice, the random pools). It is reseeded before each use: from the clock, unless the use
// names a seed, or a seed was fixed for the whole process (lotrix-cli --seed, tests), so the
// same seed always gives the same choice.

#include <cstdint>
#include <mutex>
#include <optional>
#include <random>

// Fixes the seed of every later use that names none; std::nullopt goes back to the clock.
void FixRandomSeed(std::optional<uint64_t> seed);

// One use of the generator: holds it exclusively (another thread's use waits) and reseeds it
// when made: with `seed` when given, else with the fixed seed, else from the clock.
class TRandomUse {
public:
  explicit TRandomUse(std::optional<uint64_t> seed = std::nullopt);
  TRandomUse(const TRandomUse&) = delete;
  TRandomUse& operator=(const TRandomUse&) = delete;

  // A uniformly drawn integer in low .. high (both included); low when high < low.
  int64_t Uniform(int64_t low, int64_t high);
  // The seed this use started from.
  uint64_t Seed() const { return m_seed; }

private:
  std::unique_lock<std::mutex> m_lock;
  uint64_t m_seed = 0;
};
