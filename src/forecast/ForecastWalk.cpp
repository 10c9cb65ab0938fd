#include "ForecastWalk.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <numeric>
#include <thread>
#include <vector>

#include "ForecastKernel.h"

using namespace forecast_walk;

struct TForecastWalk::TPlan : forecast_walk::TPlan {};

namespace {

// The largest chunk the walk hands out, in combinations: its rows wait in memory until the
// chunks before it are committed, so this bounds what one chunk holds (20 MB at 20 balls).
constexpr int64_t kMaxChunkCombinations = int64_t{1} << 20;
// How far past the start of the next chunk to commit the chunks being walked or waiting may
// reach, in combinations: they then hold at most this many rows, whatever the thread count.
constexpr int64_t kCommitWindowCombinations = int64_t{4} << 20;
// The most threads a walk runs per core: more only add waiting and memory.
constexpr int kMaxThreadsPerCore = 4;

struct TChunk {
  iArray Prefix;             // the first positions (0-based) of every combination in the chunk
  int64_t Combinations = 0;  // how many combinations the chunk holds
  int64_t Offset = 0;        // how many combinations come before it in walk order
};

// The chunks of the space in walk order: the subtrees of the first `minDepth` positions,
// each split into the subtrees of one more position while it is larger than
// kMaxChunkCombinations, so that chunks are small enough to wait in memory and many enough
// to share among threads.
std::vector<TChunk> Chunks(int n, int k, int minDepth) {
  std::vector<TChunk> chunks;
  iArray prefix;
  int64_t offset = 0;
  auto add = [&](auto&& self) -> void {
    const int depth = static_cast<int>(prefix.size());
    const int next = depth == 0 ? 0 : prefix.back() + 1;
    for (int q = next; q <= n - (k - depth); ++q) {
      prefix.push_back(q);
      const int64_t size = BinomialCount(n - 1 - q, k - depth - 1);
      if (depth + 1 < minDepth || (size > kMaxChunkCombinations && depth + 1 < k - 1)) {
        self(self);
      } else {
        chunks.push_back({prefix, size, offset});
        offset += size;
      }
      prefix.pop_back();
    }
  };
  if (k >= 1 && k <= n) add(add);
  return chunks;
}

bool HasPopcount() {
  static const bool has = __builtin_cpu_supports("popcnt");
  return has;
}

int ThreadCount(int requested) {
  const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  return requested > 0 ? std::min(requested, kMaxThreadsPerCore * cores) : cores;
}

}  // namespace

bool TForecastWalk::Takes(int combiSize, const iArray& source) {
  const int n = static_cast<int>(source.size());
  return combiSize >= 2 && combiSize <= kMaxWalkBalls && combiSize <= n && n <= kMaxWords * 64 &&
         std::all_of(source.begin(), source.end(),
                     [](int32_t ball) { return ball >= 0 && ball < 256; });
}

TForecastWalk::TForecastWalk(const TMainPrognozFilters& f, const iArray& source, int combiSize,
                             int maxBall)
    : m_plan(std::make_unique<TPlan>()) {
  if (!Takes(combiSize, source)) return;  // an empty plan: Run walks nothing
  TPlan& plan = *m_plan;
  plan.Source = source;
  plan.N = static_cast<int>(source.size());
  plan.K = combiSize;
  plan.MaxBall = maxBall;
  plan.Words = std::max(1, (plan.N + 63) / 64);
  const int K = plan.K;
  std::fill(std::begin(plan.PosOfBall), std::end(plan.PosOfBall), -1);
  TWords evenBalls, oddBalls, classBalls[3];
  const iArray* classes[3] = {&f.Hot, &f.Warm, &f.Cold};
  // One count of class or zone i in the packed prefix counts (see TPrefix).
  const uint64_t unit[3] = {uint64_t(K + 1) * uint64_t(K + 1), uint64_t(K + 1), 1};
  uint8_t ballClasses[256] = {};  // bit c: the ball is in class c
  for (int q = 0; q < plan.N; ++q) {
    const int ball = source[static_cast<size_t>(q)];
    plan.PosOfBall[ball] = q;
    plan.All.Set(q);
    (ball % 2 == 0 ? evenBalls : oddBalls).Set(q);
    plan.BallCounts[ball] += ball % 2 == 0 ? Field(0) : 0;
    // A ball in several classes counts in each, as the one-by-one test counts it.
    for (int c = 0; c < 3; ++c)
      if (SortedContains(*classes[c], ball)) {
        plan.BallCounts[ball] += unit[c] << kClassShift;
        ballClasses[ball] |= static_cast<uint8_t>(1u << c);
        classBalls[c].Set(q);
      }
  }
  // The mask of last balls whose value v makes `count + v` allowed, for every count 0..K-1.
  auto leafTable = [&](const iArray& allowed, const TWords& with, const TWords& without) {
    std::vector<TWords> table(static_cast<size_t>(K + 1));
    for (int count = 0; count < K; ++count)
      for (int word = 0; word < kMaxWords; ++word)
        table[static_cast<size_t>(count)].w[word] =
            (SortedContains(allowed, count + 1) ? with.w[word] : 0) |
            (SortedContains(allowed, count) ? without.w[word] : 0);
    return table;
  };
  // A filter that is off allows every ball: each of its table entries is the whole source.
  auto allowAll = [&](std::vector<TWords>& table) {
    std::fill(table.begin(), table.end(), plan.All);
  };
  const bool evenOn = !f.Even.empty();
  plan.EvenLeaf = leafTable(f.Even, evenBalls, oddBalls);
  if (!evenOn) allowAll(plan.EvenLeaf);

  // Only the ball right after the prefix's last and, with ball 1 first in the prefix, MaxBall
  // add a pair to the prefix's count; a ball that is both adds two.
  const bool sleepyOn = !f.Sleepy.empty();
  const int maxBallPos = maxBall >= 0 && maxBall < 256 ? plan.PosOfBall[maxBall] : -1;
  plan.SleepyLeaf.resize(plan.SleepyIndex(K, 0, 0));
  for (int pairs = 0; pairs < K; ++pairs)
    for (int first : {0, 1})
      for (int last = 0; last < plan.N; ++last) {
        TWords& mask = plan.SleepyLeaf[plan.SleepyIndex(pairs, first, last)];
        for (int q = last + 1; q < plan.N; ++q) {
          const int added = (q == last + 1 && source[static_cast<size_t>(q)] ==
                                                  source[static_cast<size_t>(last)] + 1) +
                            (first == 1 && q == maxBallPos);
          if (!sleepyOn || SortedContains(f.Sleepy, pairs + added)) mask.Set(q);
        }
      }

  const bool sumOn = !f.SumBalls.empty();
  iArray byValue = source;  // the largest sum of a prefix: its K - 1 largest balls
  std::sort(byValue.begin(), byValue.end(), std::greater<>());
  const int maxPrefixSum = std::accumulate(byValue.begin(), byValue.begin() + (K - 1), 0);
  plan.SumLeaf.resize(static_cast<size_t>(maxPrefixSum + 1));
  for (int sum = 0; sum <= maxPrefixSum; ++sum)
    for (int q = 0; q < plan.N; ++q)
      if (!sumOn || SortedContains(f.SumBalls, int64_t{sum} + source[static_cast<size_t>(q)]))
        plan.SumLeaf[static_cast<size_t>(sum)].Set(q);

  TWords lastMask;
  for (int q = 0; q < plan.N; ++q)
    if (f.LastBall.empty() || SortedContains(f.LastBall, source[static_cast<size_t>(q)]))
      lastMask.Set(q);
  for (int ball = 0; ball < 256; ++ball)
    plan.FirstLeaf[ball] =
        f.FirstBall.empty() || SortedContains(f.FirstBall, ball) ? lastMask : TWords{};

  const size_t countStates = static_cast<size_t>((K + 1) * (K + 1) * (K + 1));
  const bool classOn = !f.HotColdWinCode.empty();
  const bool diffOn = !f.DifferencesWinCode.empty();
  plan.ClassLeaf.resize(countStates);
  if (!classOn) allowAll(plan.ClassLeaf);
  std::vector<uint8_t> diffPatterns(
      countStates);  // which gap patterns fit the zone counts, as 8 bits
  for (int a = 0; a < K; ++a)
    for (int b = 0; b < K; ++b)
      for (int c = 0; c < K; ++c) {
        const size_t index = static_cast<size_t>(plan.CountIndex(a, b, c));
        if (classOn) {
          // A last ball adds 1 to each class it belongs to.
          for (int q = 0; q < plan.N; ++q) {
            const int ball = source[static_cast<size_t>(q)];
            const int in = ballClasses[ball];
            if (AnyCodeFits(f.HotColdWinCode, a + (in & 1), b + ((in >> 1) & 1), c + (in >> 2)))
              plan.ClassLeaf[index].Set(q);
          }
        }
        if (diffOn)
          for (int pattern = 0; pattern < 8; ++pattern)
            if (AnyCodeFits(f.DifferencesWinCode, a + (pattern & 1), b + ((pattern >> 1) & 1),
                            c + (pattern >> 2)))
              diffPatterns[index] |= static_cast<uint8_t>(1u << pattern);
      }
  uint8_t gapZones[256] = {};  // bit z: the gap is in difference zone z + 1
  const iArray* zones[3] = {&f.DiffZone1, &f.DiffZone2, &f.DiffZone3};
  for (int gap = 0; gap < 256; ++gap)
    for (int z = 0; z < 3; ++z)
      if (SortedContains(*zones[z], gap)) {
        plan.GapCounts[gap] += unit[z] << kZoneShift;
        gapZones[gap] |= static_cast<uint8_t>(1u << z);
      }
  // Pattern sets numbered by first appearance, the empty set first (the entries no prefix reaches).
  std::vector<uint8_t> sets{0};
  plan.DiffSet.resize(countStates);
  for (size_t index = 0; index < countStates; ++index) {
    const uint8_t set = diffOn ? diffPatterns[index] : uint8_t{0xff};
    auto it = std::find(sets.begin(), sets.end(), set);
    if (it == sets.end()) it = sets.insert(sets.end(), set);
    plan.DiffSet[index] = static_cast<uint16_t>(it - sets.begin());
  }
  plan.DiffSets = static_cast<int>(sets.size());
  plan.DiffLeaf.resize(static_cast<size_t>(plan.N) * sets.size());
  for (int last = 0; last < plan.N; ++last)
    for (int q = last + 1; q < plan.N; ++q) {
      const int pattern =
          gapZones[source[static_cast<size_t>(q)] - source[static_cast<size_t>(last)]];
      for (size_t id = 0; id < sets.size(); ++id)
        if (sets[id] >> pattern & 1)
          plan.DiffLeaf[static_cast<size_t>(last) * sets.size() + id].Set(q);
    }

  for (int i = 0; i < 10; ++i) {
    const iArray& set = f.AnyRange[static_cast<size_t>(i)];
    const bool anyOn = !set.empty();
    TWords in, out;
    for (int q = 0; q < plan.N; ++q) {
      const int ball = source[static_cast<size_t>(q)];
      if (SortedContains(set, ball)) {
        plan.BallAny[ball] += Field(i);
        in.Set(q);
      } else {
        out.Set(q);
      }
    }
    std::vector<TWords> leaf = leafTable(f.AnyRangeWin[static_cast<size_t>(i)], in, out);
    if (!anyOn) allowAll(leaf);
    plan.AnyLeaf.insert(plan.AnyLeaf.end(), leaf.begin(), leaf.end());
  }
}

TForecastWalk::~TForecastWalk() = default;

void TForecastWalk::CountMatches(const iArray& drawBalls) {
  TPlan& plan = *m_plan;
  if (plan.CountMatches) return;  // counted once per ball
  plan.CountMatches = true;
  for (const int32_t ball : drawBalls) {
    if (ball < 1 || ball > 255 || plan.PosOfBall[ball] < 0) continue;  // not a source ball
    const int q = plan.PosOfBall[ball];
    if ((plan.HitMask.w[q >> 6] >> (q & 63)) & 1) continue;  // a ball listed twice
    plan.BallCounts[ball] += uint64_t{1} << kHitShift;
    plan.HitMask.Set(plan.PosOfBall[ball]);
  }
}

TWalkResult TForecastWalk::Run(int threads, int64_t storeLimit, const TWalkProgress& progress,
                               TCombinationTable& table, TWalkKernel kernel) {
  const TPlan& plan = *m_plan;
  TWalkResult result;
  table.Reset(plan.K);
  if (plan.K == 0) return result;  // a space the walk does not take
  table.Reserve(storeLimit);

  const std::vector<TChunk> chunks = Chunks(plan.N, plan.K, std::min(2, plan.K - 1));
  const int64_t total = BinomialCount(plan.N, plan.K);
  std::atomic<size_t> nextChunk{0};
  std::atomic<bool> cancelled{false};
  std::atomic<int64_t> committedRows{0};
  std::mutex commitMutex;
  std::condition_variable committed;  // nextCommit moved on, or the walk was cancelled
  std::map<size_t, TChunkResult> pending;
  size_t nextCommit = 0;
  int64_t done = 0;
  int64_t stages[17] = {};
  std::vector<int64_t> matches(static_cast<size_t>(plan.K) + 1, 0);

  auto commit = [&](size_t index, TChunkResult&& chunk) {
    std::lock_guard lock(commitMutex);
    pending.emplace(index, std::move(chunk));
    done += chunks[index].Combinations;
    for (auto it = pending.find(nextCommit); it != pending.end(); it = pending.find(nextCommit)) {
      TChunkResult& ready = it->second;
      for (int s = 0; s <= 16; ++s) stages[s] += ready.Stage[s];
      for (size_t m = 0; m < matches.size(); ++m) matches[m] += ready.Matches[m];
      table.AppendRows(ready.Rows, storeLimit - table.RowCount());
      committedRows = table.RowCount();
      pending.erase(it);
      ++nextCommit;
    }
    if (progress && !progress(done, total)) cancelled = true;
    committed.notify_all();
  };
  // A chunk starts only when it ends within the commit window, so the rows of the chunks in
  // flight stay bounded; the chunk next to commit always starts, so the walk goes on.
  auto waitForWindow = [&](size_t index) {
    const TChunk& chunk = chunks[index];
    std::unique_lock lock(commitMutex);
    committed.wait(lock, [&] {
      return cancelled || index == nextCommit ||
             chunk.Offset + chunk.Combinations - chunks[nextCommit].Offset <=
                 kCommitWindowCombinations;
    });
  };

  const auto walkChunk =
      kernel == TWalkKernel::Fastest && HasPopcount() ? WalkChunkPopcnt : WalkChunkGeneric;
  auto worker = [&] {
    while (!cancelled) {
      const size_t index = nextChunk++;
      if (index >= chunks.size()) return;
      waitForWindow(index);
      if (cancelled) return;
      TPrefix start;
      for (int32_t position : chunks[index].Prefix) AddStartBall(plan, start, position);
      TChunkResult chunk;
      chunk.Rows.Reset(plan.K);
      const bool store = committedRows.load() < storeLimit;
      walkChunk(plan, start, chunk, store);
      chunk.Stage[0] = chunks[index].Combinations;
      commit(index, std::move(chunk));
    }
  };
  const int workers = std::min<int>(ThreadCount(threads), static_cast<int>(chunks.size()));
  std::vector<std::thread> pool;
  for (int t = 1; t < workers; ++t) pool.emplace_back(worker);
  worker();
  for (std::thread& thread : pool) thread.join();
  // A filter that is off allowed every ball, so its stage already equals the one before.
  for (int s = 1; s <= 16; ++s) {
    TFilterCount& count = result.Statistics[static_cast<size_t>(kFilterOrder[s - 1])];
    count.Accepted = stages[s];
    count.Denied = stages[s - 1] - stages[s];
  }
  result.Filtered = stages[16];
  result.Cancelled = cancelled;
  if (plan.CountMatches) result.Matches = std::move(matches);
  return result;
}

namespace {

// Visits every combination of the positions start..n-1 taken k at a time in lexicographic
// order, one step of the odometer per combination; the checksum keeps the visits real.
int64_t CountBare(int n, int k, int start, int64_t& checksum) {
  int index[64];
  for (int i = 0; i < k; ++i) index[i] = start + i;
  int64_t count = 0, sum = 0;
  for (;;) {
    ++count;
    sum += index[k - 1];
    if (index[k - 1] < n - 1) {
      ++index[k - 1];
      continue;
    }
    int i = k - 2;
    while (i >= 0 && index[i] == n - k + i) --i;
    if (i < 0) break;
    ++index[i];
    for (int j = i + 1; j < k; ++j) index[j] = index[j - 1] + 1;
  }
  checksum += sum;
  return count;
}

}  // namespace

int64_t CountCombinationsBare(int n, int k, int threads) {
  if (k < 1 || k > n || k > 64) return 0;
  const std::vector<TChunk> chunks = Chunks(n, k, std::min(2, k - 1));
  std::atomic<size_t> next{0};
  std::atomic<int64_t> total{0}, checksum{0};
  auto worker = [&] {
    int64_t count = 0, sum = 0;
    for (size_t index = next++; index < chunks.size(); index = next++) {
      const iArray& prefix = chunks[index].Prefix;
      const int depth = static_cast<int>(prefix.size());
      count += depth == k ? 1 : CountBare(n, k - depth, prefix.back() + 1, sum);
    }
    total += count;
    checksum += sum;
  };
  std::vector<std::thread> pool;
  for (int t = 1; t < ThreadCount(threads); ++t) pool.emplace_back(worker);
  worker();
  for (std::thread& thread : pool) thread.join();
  return checksum.load() > 0 ? total.load() : 0;
}
