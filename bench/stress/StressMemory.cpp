// The hostile inputs within the file bounds, each run through lotrix-cli as a script would
// run it: peak memory (the child's maximum resident set) and the median wall time of three
// runs. Exits 1 when any command passes 1 GiB, the bound every command must stay under.
//   build/bench/lotrix_stress [--quick]   (--quick: one run each instead of three)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr long kMemoryBoundKiB = 1024L * 1024L;
constexpr int kDraws = 2'000'000;

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// `draws` random draws of k balls out of n, one per line, numbered from 1 (or, as a table of
// tickets, not numbered).
QByteArray History(int k, int n, int draws, unsigned seed, bool numbered = true) {
  std::mt19937 random(seed);
  std::vector<int> balls(static_cast<size_t>(n));
  QByteArray text;
  text.reserve(static_cast<qsizetype>(draws) * (8 + 3 * k));
  for (int draw = 1; draw <= draws; ++draw) {
    for (int b = 0; b < n; ++b) balls[static_cast<size_t>(b)] = b + 1;
    if (numbered) text += QByteArray::number(draw);
    for (int i = 0; i < k; ++i) {
      std::swap(balls[static_cast<size_t>(i)],
                balls[static_cast<size_t>(i) + random() % static_cast<size_t>(n - i)]);
      if (numbered || i > 0) text += ' ';
      text += QByteArray::number(balls[static_cast<size_t>(i)]);
    }
    text += '\n';
  }
  return text;
}

struct TMeasure {
  int Status = -1;
  double Seconds = 0;
  long PeakKiB = 0;
};

// Runs lotrix-cli with the arguments, its output thrown away.
TMeasure RunCli(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  std::string program = LOTRIX_CLI_PATH;
  argv.push_back(program.data());
  std::vector<std::string> copy = arguments;
  for (std::string& a : copy) argv.push_back(a.data());
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    if (!freopen("/dev/null", "w", stdout) || !freopen("/dev/null", "w", stderr)) _exit(127);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  TMeasure m;
  m.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  m.PeakKiB = usage.ru_maxrss;
  m.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return m;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 && std::string(argv[1]) == "--quick" ? 1 : 3;
  QTemporaryDir dir;
  auto path = [&](const char* name) { return dir.filePath(QString::fromUtf8(name)).toStdString(); };
  std::fprintf(stderr, "writing the inputs into %s ...\n", qPrintable(dir.path()));

  // 2,000,000 lines of 33 one-digit numbers (134 MB, within the 128 MiB bound): refused at line 1.
  QByteArray wide;
  const QByteArray line = "1 2 3 4 5 6 7 8 9 1 2 3 4 5 6 7 8 9 1 2 3 4 5 6 7 8 9 1 2 3 4 5 6\n";
  wide.reserve(line.size() * kDraws);
  for (int i = 0; i < kDraws; ++i) wide += line;
  std::string series;
  for (int v = 1; v <= 10000; ++v) series += std::to_string(v) + ' ';
  if (!WriteFile(QString::fromStdString(path("5x36 wide.txt")), wide) ||
      !WriteFile(QString::fromStdString(path("20x80 long.txt")), History(20, 80, kDraws, 1)) ||
      !WriteFile(QString::fromStdString(path("6x49 long.txt")), History(6, 49, kDraws, 2)) ||
      !WriteFile(QString::fromStdString(path("14x29 forecast.txt")), History(14, 29, 200, 3)) ||
      !WriteFile(QString::fromStdString(path("12x30 forecast.txt")), History(12, 30, 200, 4)) ||
      !WriteFile(QString::fromStdString(path("6x49 short.txt")), History(6, 49, 200, 5)) ||
      !WriteFile(QString::fromStdString(path("tickets.txt")),
                 History(6, 49, 1'000'000, 6, false))) {
    std::fprintf(stderr, "could not write the inputs\n");
    return 2;
  }
  wide.clear();

  const std::string wideFile = path("5x36 wide.txt"), keno = path("20x80 long.txt"),
                    lotto = path("6x49 long.txt"), f14 = path("14x29 forecast.txt"),
                    f12 = path("12x30 forecast.txt"), lottoShort = path("6x49 short.txt"),
                    tickets = path("tickets.txt");
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"validate, 2M lines of 33 numbers", {"validate", wideFile}},
      {"report even, 2M lines of 33 numbers", {"report", "even", wideFile}},
      {"validate, 2M draws of 20/80", {"validate", keno}},
      {"draws, 2M draws of 20/80", {"draws", keno}},
      {"draws --sorted, 2M draws of 20/80", {"draws", keno, "--sorted"}},
      {"report hot-cold, 2M draws of 20/80", {"report", "hot-cold", keno}},
      {"report even, 2M draws of 6/49", {"report", "even", lotto}},
      {"draws --save, 2M draws of 6/49", {"draws", lotto, "--save", path("6x49 saved.txt")}},
      {"forecast 14/29 (77.6M), 1 thread", {"forecast", f14, "--threads", "1"}},
      {"forecast 14/29 (77.6M), 2 threads", {"forecast", f14, "--threads", "2"}},
      {"forecast 14/29 (77.6M), 4 threads", {"forecast", f14, "--threads", "4"}},
      {"forecast 14/29 (77.6M), 16 threads", {"forecast", f14, "--threads", "16"}},
      {"forecast 12/30 (86.5M), 1024 threads", {"forecast", f12, "--threads", "1024"}},
      {"report past-matches, 1M rows of 6/49, W=30",
       {"report", "past-matches", lottoShort, "--source", tickets}},
      {"report past-matches, 1M rows, W=30, filtered",
       {"report", "past-matches", lottoShort, "--source", tickets, "--filter",
        "10 .. 30 / 0 .. 15"}},
      {"report range, 10,000 distinct, all columns",
       {"report", "range", "--series-text", series, "--series", "--steps", "--markov"}},
  };

  bool over = false;
  std::printf("%-46s %6s %10s %12s\n", "command", "exit", "median s", "peak MiB");
  std::fflush(stdout);  // before the children inherit the buffer
  for (const auto& [name, arguments] : cases) {
    std::vector<double> seconds;
    long peak = 0;
    int status = 0;
    for (int r = 0; r < runs; ++r) {
      const TMeasure m = RunCli(arguments);
      seconds.push_back(m.Seconds);
      peak = std::max(peak, m.PeakKiB);
      status = m.Status;
    }
    std::sort(seconds.begin(), seconds.end());
    over = over || peak >= kMemoryBoundKiB;
    std::printf("%-46s %6d %10.2f %12.1f%s\n", name.c_str(), status, seconds[seconds.size() / 2],
                static_cast<double>(peak) / 1024.0, peak >= kMemoryBoundKiB ? "  OVER 1 GiB" : "");
    std::fflush(stdout);
  }
  return over ? 1 : 0;
}
