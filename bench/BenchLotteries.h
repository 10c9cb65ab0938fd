#pragma once
// The histories the benchmarks run on: the test fixtures (a bundled example, a random
// history), and a long random 6-of-49 history.

#include "LotteryFixtures.h"

inline TLottery Random649Lottery(int draws) { return RandomLottery(6, 49, draws, 49); }
