#include "Random.h"

#include <chrono>

namespace {

// The one generator of the process. mt19937_64 is fully specified by the standard, so a
// seed gives the same numbers with every compiler; the bounded draw below is ours for the
// same reason (std::uniform_int_distribution differs between libraries).
struct TProcessRandom {
  std::mutex Mutex;
  std::mt19937_64 Engine;
  std::optional<uint64_t> FixedSeed;
};

TProcessRandom& ProcessRandom() {
  static TProcessRandom random;
  return random;
}

uint64_t ClockSeed() {
  return static_cast<uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace

void FixRandomSeed(std::optional<uint64_t> seed) {
  TProcessRandom& random = ProcessRandom();
  std::lock_guard lock(random.Mutex);
  random.FixedSeed = seed;
}

TRandomUse::TRandomUse(std::optional<uint64_t> seed) : m_lock(ProcessRandom().Mutex) {
  TProcessRandom& random = ProcessRandom();
  m_seed = seed ? *seed : random.FixedSeed ? *random.FixedSeed : ClockSeed();
  random.Engine.seed(m_seed);
}

int64_t TRandomUse::Uniform(int64_t low, int64_t high) {
  if (high <= low) return low;
  std::mt19937_64& engine = ProcessRandom().Engine;
  const uint64_t range = static_cast<uint64_t>(high) - static_cast<uint64_t>(low) + 1;
  if (range == 0) return static_cast<int64_t>(engine());  // the whole 64-bit range
  // Rejection of the incomplete last stretch keeps every value equally likely.
  const uint64_t threshold = (0 - range) % range;
  uint64_t x = engine();
  while (x < threshold) x = engine();
  return static_cast<int64_t>(static_cast<uint64_t>(low) + x % range);
}
