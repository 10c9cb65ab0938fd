#include "ForecastOptions.h"

#include "Command.h"
#include "core/ReportPane.h"
#include "forecast/PrognozExt.h"

using namespace Qt::StringLiterals;

const QString kAnyRangeHelp =
    u"  --any-range I TEXT WINTEXT  Ticks any-range filter I (0..9) with the ball set TEXT\n"
    "                              and the allowed numbers of its balls WINTEXT. Repeatable.\n"_s;

bool TakeAnyRanges(const QString& command, QStringList& arguments, TPrognozFields& fields) {
  for (qsizetype i = 1; i < arguments.size();) {
    if (arguments[i] != u"--any-range") {
      ++i;
      continue;
    }
    bool number = false;
    const int index = i + 1 < arguments.size() ? arguments[i + 1].toInt(&number) : -1;
    if (i + 3 >= arguments.size() || !number || index < 0 || index > 9) {
      Err() << "lotrix-cli " << command << ": --any-range needs I (0..9), TEXT and WINTEXT\n"
            << Qt::flush;
      return false;
    }
    fields.AnyRange[static_cast<size_t>(index)] = {true, arguments[i + 2]};
    fields.AnyRangeWin[static_cast<size_t>(index)] = arguments[i + 3];
    arguments.remove(i, 4);
  }
  return true;
}

namespace {

const std::pair<const char16_t*, TFilterField TPrognozFields::*> kFilterOptions[] = {
    {u"even", &TPrognozFields::Chetnie},     {u"consecutive", &TPrognozFields::Sleepy},
    {u"sum", &TPrognozFields::SumBalls},     {u"first-last", &TPrognozFields::FirstBall},
    {u"hot-cold", &TPrognozFields::HotCold}, {u"differences", &TPrognozFields::Differences}};

}  // namespace

void AddFilterOptions(QCommandLineParser& parser) {
  parser.addOptions({
      {u"available"_s, u"The available balls (default: all)."_s, u"LIST"_s},
      {u"even"_s, u"Filter 01: allowed numbers of even balls, e.g. \" 1 .. 4\"."_s, u"TEXT"_s},
      {u"consecutive"_s, u"Filter 02: allowed numbers of consecutive pairs, e.g. \" 0 1\"."_s,
       u"TEXT"_s},
      {u"sum"_s, u"Filter 03: allowed sums, e.g. \" 72 .. 107 120 .. 124\"."_s, u"TEXT"_s},
      {u"first-last"_s, u"Filter 04: first / last ball, e.g. \" 1 .. 10 / 25 .. 36\"."_s,
       u"TEXT"_s},
      {u"hot-cold"_s, u"Filter 05: hot/warm/cold codes, e.g. \"212  122  0XX\"."_s, u"TEXT"_s},
      {u"differences"_s, u"Filter 06: difference zone codes, e.g. \"211  121  0XX\"."_s, u"TEXT"_s},
  });
}

void ReadFilterOptions(const QCommandLineParser& parser, TPrognozFields& fields,
                       QString& availableBalls) {
  availableBalls = parser.value(u"available"_s);
  for (const auto& [option, field] : kFilterOptions)
    if (parser.isSet(QString::fromUtf16(option)))
      fields.*field = {true, parser.value(QString::fromUtf16(option))};
}

int LoadForecastLottery(const QString& command, const QString& path, const QString& language,
                        TConsoleHost& host, TLoadedLottery& loaded) {
  loaded = LoadLotteryFile(path, language, host);
  if (!loaded.Valid) {
    Err() << MessagesForTerminal(host.Messages) << Qt::flush;
    return kExitInvalidData;
  }
  const TLottery& lottery = loaded.Lottery;
  if (BinomialCount(lottery.MaxBall, lottery.BallsInDraw) >= kMaxStoredSpace) {
    Err() << "lotrix-cli " << command << ": " << lottery.BallsInDraw << " of " << lottery.MaxBall
          << " has " << GroupThousands(BinomialText(lottery.MaxBall, lottery.BallsInDraw))
          << " combinations; the forecast is offered below 100.000.000\n"
          << Qt::flush;
    return kExitInvalidData;
  }
  return kExitOk;
}
