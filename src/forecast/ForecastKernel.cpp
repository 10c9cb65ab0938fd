// The forecast walk kernel built for any x86-64 processor.
#include "ForecastKernel.h"

#include <algorithm>

#include "ForecastKernel.inc"

namespace forecast_walk {

void WalkChunkGeneric(const TPlan& plan, const TPrefix& start, TChunkResult& out, bool store) {
  if (plan.Words == 1)
    WalkChunk<1>(plan, start, out, store);
  else
    WalkChunk<kMaxWords>(plan, start, out, store);
}

void AddStartBall(const TPlan& plan, TPrefix& prefix, int position) {
  AddBall(plan, prefix, position);
}

}  // namespace forecast_walk
