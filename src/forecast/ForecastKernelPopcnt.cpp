// The forecast walk kernel built for processors with a hardware popcount (the build gives
// this file -mpopcnt); used only when the processor has it.
#include <algorithm>

#include "ForecastKernel.h"
#include "ForecastKernel.inc"

namespace forecast_walk {

void WalkChunkPopcnt(const TPlan& plan, const TPrefix& start, TChunkResult& out, bool store) {
  if (plan.Words == 1)
    WalkChunk<1>(plan, start, out, store);
  else
    WalkChunk<kMaxWords>(plan, start, out, store);
}

}  // namespace forecast_walk
