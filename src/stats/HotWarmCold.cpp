#include "stats/HotWarmCold.h"

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// A ball is hot from this many draws of the long window on (with one in the short window);
// at most kColdLongMax draws of the long window and none of the short one make it cold.
constexpr int kHotLongMin = 6;
constexpr int kColdLongMax = 5;

// The draws of the run newest, newest − 1, ..., newest − count + 1 that lie in the table,
// as the range [oldest, newest] (empty when oldest > newest).
struct TDrawRun {
  int64_t Oldest = 1;
  int64_t Newest = 0;
};

TDrawRun RunInTable(const TLottery& lottery, int64_t newest, int64_t count) {
  if (count <= 0 || lottery.Tirazhi.empty() || lottery.Tirazhi.front().empty()) return {};
  const int64_t first = lottery.Tirazhi.front()[0];
  const int64_t last = first + static_cast<int64_t>(lottery.Tirazhi.size()) - 1;
  return {std::max(newest - count + 1, first), std::min(newest, last)};
}

}  // namespace

int HotWindow(int ballsInDraw, int maxBall) {
  if (ballsInDraw <= 0 || maxBall <= 0) return 0;
  return static_cast<int>(RoundHalfEven(10.0 * maxBall / ballsInDraw));
}

int HotLongWindow(int hotWindow) { return static_cast<int>(RoundHalfEven(hotWindow / 2.0)); }

int HotShortWindow(int hotWindow) { return static_cast<int>(RoundHalfEven(hotWindow / 10.0)); }

// ---------------------------------------------------------------------------------------

THotWarmColdWindow::THotWarmColdWindow(const TLottery& lottery, int draw)
    : m_lottery(lottery), m_draw(draw) {
  const int p = HotWindow(lottery.BallsInDraw, lottery.MaxBall);
  m_long = HotLongWindow(p);
  m_short = HotShortWindow(p);
  const size_t size = static_cast<size_t>(std::max(lottery.MaxBall, 0)) + 1;
  m_longCounts.assign(size, 0);
  m_shortCounts.assign(size, 0);
  m_classes.assign(size, Cold);
  m_seen.assign(size, 0);
  m_totals = {0, 0, static_cast<int>(size) - 1};

  // Only the draws of the windows that lie in the table are visited.
  const TDrawRun longRun = RunInTable(lottery, m_draw - 1, m_long);
  for (int64_t d = longRun.Oldest; d <= longRun.Newest; ++d) AddDraw(d, m_longCounts.data(), 1);
  const TDrawRun shortRun = RunInTable(lottery, m_draw - 1, m_short);
  for (int64_t d = shortRun.Oldest; d <= shortRun.Newest; ++d) AddDraw(d, m_shortCounts.data(), 1);
  for (int ball = 1; ball < static_cast<int>(size); ++ball) Reclassify(ball);
}

int THotWarmColdWindow::ClassOfCounts(int longCount, int shortCount) {
  if (longCount >= kHotLongMin && shortCount >= 1) return Hot;
  if (longCount <= kColdLongMax && shortCount == 0) return Cold;
  return Warm;
}

const iArray& THotWarmColdWindow::DistinctBalls(int64_t draw) {
  m_rowBalls.clear();
  const std::span<const int32_t> balls = m_lottery.DrawBallsView(draw);
  if (balls.empty()) return m_rowBalls;
  if (m_stamp == std::numeric_limits<int>::max()) {
    std::fill(m_seen.begin(), m_seen.end(), 0);
    m_stamp = 0;
  }
  ++m_stamp;
  for (int32_t ball : balls) {
    if (ball < 1 || ball > m_lottery.MaxBall) continue;
    int32_t& seen = m_seen[static_cast<size_t>(ball)];
    if (seen == m_stamp) continue;
    seen = m_stamp;
    m_rowBalls.push_back(ball);
  }
  return m_rowBalls;
}

void THotWarmColdWindow::AddDraw(int64_t draw, int32_t* counts, int delta) {
  for (int32_t ball : DistinctBalls(draw)) counts[ball] += delta;
}

void THotWarmColdWindow::Reclassify(int ball) {
  const size_t b = static_cast<size_t>(ball);
  const int now = ClassOfCounts(m_longCounts[b], m_shortCounts[b]);
  if (now == m_classes[b]) return;
  --m_totals[static_cast<size_t>(m_classes[b])];
  ++m_totals[static_cast<size_t>(now)];
  m_classes[b] = now;
}

void THotWarmColdWindow::StepBack() {
  // The newest draw of both windows (Draw − 1) leaves; the draw just below each window enters.
  const int64_t leaving = m_draw - 1;
  --m_draw;
  if (m_long > 0) {
    AddDraw(leaving, m_longCounts.data(), -1);
    AddDraw(leaving - m_long, m_longCounts.data(), 1);
  }
  if (m_short > 0) {
    AddDraw(leaving, m_shortCounts.data(), -1);
    AddDraw(leaving - m_short, m_shortCounts.data(), 1);
  }
  // Only the balls of the three draws that moved can have changed class.
  for (const int64_t d : {leaving, leaving - m_long, leaving - m_short})
    for (int32_t ball : DistinctBalls(d)) Reclassify(ball);
}

int THotWarmColdWindow::ClassOf(int ball) const {
  if (ball < 1 || ball >= static_cast<int>(m_classes.size())) return -1;
  return m_classes[static_cast<size_t>(ball)];
}

THotWarmCold THotWarmColdWindow::Classes() const {
  THotWarmCold result;
  for (size_t ball = 1; ball < m_classes.size(); ++ball) {
    iArray& target = m_classes[ball] == Hot    ? result.Hot
                     : m_classes[ball] == Warm ? result.Warm
                                               : result.Cold;
    target.push_back(static_cast<int32_t>(ball));
  }
  return result;
}

std::array<int, 3> THotWarmColdWindow::Wins(std::span<const int32_t> balls) {
  std::array<int, 3> wins{};
  if (m_stamp == std::numeric_limits<int>::max()) {
    std::fill(m_seen.begin(), m_seen.end(), 0);
    m_stamp = 0;
  }
  ++m_stamp;
  for (int32_t ball : balls) {
    const int cls = ClassOf(ball);
    if (cls < 0) continue;
    int32_t& seen = m_seen[static_cast<size_t>(ball)];
    if (seen == m_stamp) continue;
    seen = m_stamp;
    ++wins[static_cast<size_t>(cls)];
  }
  return wins;
}

std::array<int, 3> THotWarmColdWindow::WinsOfDraw(int64_t draw) {
  return Wins(m_lottery.DrawBallsView(draw));
}

// ---------------------------------------------------------------------------------------

THotWarmCold ClassifyHotWarmCold(const TLottery& lottery, int draw) {
  return THotWarmColdWindow(lottery, draw).Classes();
}

int CountDrawsWithBall(const TLottery& lottery, int ball, int newest, int count) {
  const TDrawRun run = RunInTable(lottery, newest, count);
  int found = 0;
  for (int64_t d = run.Oldest; d <= run.Newest; ++d) {
    const std::span<const int32_t> balls = lottery.DrawBallsView(d);
    if (std::find(balls.begin(), balls.end(), ball) != balls.end()) ++found;
  }
  return found;
}

TWinCode WinCodeOf(const iArray& zone1, const iArray& zone2, const iArray& zone3,
                   const iArray& values) {
  if (values.empty()) return {};
  TWinCode code;
  for (const iArray* zone : {&zone1, &zone2, &zone3}) {
    int count = 0;
    for (int32_t v : values)
      if (std::find(zone->begin(), zone->end(), v) != zone->end()) ++count;
    code.push_back(count > 9 ? -1 : count);
  }
  return code;
}

int WinCodeToNumber(const TWinCode& code) {
  if (code.size() < 3) return -1;
  for (size_t i = 0; i < 3; ++i)
    if (code[i] < 0 || code[i] > 9) return -1;
  return 100 * code[0] + 10 * code[1] + code[2];
}

TWinCode WinCodeFromNumber(int number) {
  if (number < 0) return {-1, -1, -1};
  TWinCode code = {number / 100, (number % 100) / 10, number % 10};
  for (int32_t& digit : code)
    if (digit > 9) digit = -1;
  return code;
}

QString WinCodeText(const TWinCode& code) {
  if (code.size() < 3) return u"xxx"_s;
  QString text;
  for (size_t i = 0; i < 3; ++i)
    text +=
        (code[i] >= 0 && code[i] <= 9) ? QChar(static_cast<char16_t>(u'0' + code[i])) : QChar(u'x');
  return text;
}

iArray BallsOfDraws(const TLottery& lottery, int newest, int count, bool distinct) {
  iArray balls;
  const TDrawRun run = RunInTable(lottery, newest, count);
  for (int64_t d = run.Newest; d >= run.Oldest; --d) {
    const std::span<const int32_t> row = lottery.DrawBallsView(d);
    balls.insert(balls.end(), row.begin(), row.end());
  }
  if (distinct) {
    std::sort(balls.begin(), balls.end());
    balls.erase(std::unique(balls.begin(), balls.end()), balls.end());
  }
  return balls;
}
