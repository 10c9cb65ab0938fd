// lotrix-cli report skips / skip-frequency / flash / parsec: the fotons of PanelSkips and of
// the Test panel's flash listing.
#include <QJsonObject>

#include "Command.h"
#include "Report.h"

using namespace Qt::StringLiterals;

namespace {

void AddKindOption(QCommandLineParser& parser) {
  parser.addOption(
      {u"kind"_s,
       u"The foton kind: Single, Double (default), Triple, Four, Drop2.3, Drop2.4 or Drop3.4 "
       "(\"Drop 2.3\" too)."_s,
       u"K"_s});
}

void AddHistoryOption(QCommandLineParser& parser) {
  parser.addOption({u"history"_s,
                    u"H: the history length, %1..%2 (default %3)."_s.arg(kSkipsHistoryMin)
                        .arg(kSkipsHistoryMax)
                        .arg(kSkipsHistoryDefault),
                    u"H"_s});
}

// The kind of --kind; false (with the reason) for a name that is none.
bool KindOption(const QCommandLineParser& parser, int* type) {
  if (!parser.isSet(u"kind"_s)) return true;
  *type = FotonTypeOfName(parser.value(u"kind"_s));
  if (*type != 0) return true;
  Err() << "lotrix-cli: --kind must be Single, Double, Triple, Four, Drop2.3, Drop2.4 or Drop3.4, "
           "not \""
        << parser.value(u"kind"_s) << "\"\n"
        << Qt::flush;
  return false;
}

int History(const QCommandLineParser& parser, bool* ok) {
  return SpinOption(parser, u"history"_s, kSkipsHistoryDefault, kSkipsHistoryMin, kSkipsHistoryMax,
                    ok);
}

class TSkipsReport : public TReport {
public:
  QString Name() const override { return u"skips"_s; }
  QString Usage() const override {
    return u"[--draw T] [--kind K] [--history H] [--sort] [--filter TEXT] [--available LIST]"_s;
  }
  void AddOptions(QCommandLineParser& parser) override {
    AddDrawOption(parser);
    AddKindOption(parser);
    AddHistoryOption(parser);
    parser.addOptions({
        {u"sort"_s, u"Sort the list by skip (never-flashed fotons last)."_s},
        {u"filter"_s,
         u"List only fotons whose skip is in TEXT, e.g. \"0 .. 5\" (the Filter box ticked)."_s,
         u"TEXT"_s},
        {u"available"_s, u"The balls the fotons are made of (default: all)."_s, u"LIST"_s},
    });
  }
  int Fill(const QCommandLineParser& parser, const TLottery* lottery, QChar,
           TReportParams& out) override {
    bool ok = true;
    TSkipsParams params;
    params.NextTira = DrawOption(parser, *lottery, &ok);
    params.History = History(parser, &ok);
    if (!ok || !KindOption(parser, &params.FotonType)) return kExitUsage;
    params.Sort = parser.isSet(u"sort"_s);
    params.Filtered = parser.isSet(u"filter"_s);
    params.Filter = parser.value(u"filter"_s);
    params.AvailableBalls = parser.value(u"available"_s);
    out = params;
    return kExitOk;
  }
  // The fields as the panel rewrites them.
  QJsonObject ExtraJson(const TReportParams& params, const TLottery* lottery) const override {
    const TSkipsParams& p = std::get<TSkipsParams>(params);
    QString available;
    AvailableBalls(p.AvailableBalls, lottery->MaxBall, &available);
    return {
        {u"fields"_s,
         QJsonObject{{u"filter"_s, p.Filtered ? TNumberRanges::Parse(p.Filter).Format() : p.Filter},
                     {u"available"_s, available}}}};
  }
};

class TSkipFrequencyReport : public TReport {
public:
  QString Name() const override { return u"skip-frequency"_s; }
  QString Usage() const override {
    return u"[--draw T] [--kind K] [--history H] [--show20] [--sort]"_s;
  }
  void AddOptions(QCommandLineParser& parser) override {
    AddDrawOption(parser);
    AddKindOption(parser);
    AddHistoryOption(parser);
    parser.addOptions(
        {{u"show20"_s, u"Print at most 20 values."_s}, {u"sort"_s, u"Sort the table by count."_s}});
  }
  int Fill(const QCommandLineParser& parser, const TLottery* lottery, QChar decimalSeparator,
           TReportParams& out) override {
    bool ok = true;
    TSkipsFrequencyParams params;
    params.NextTira = DrawOption(parser, *lottery, &ok);
    params.History = History(parser, &ok);
    if (!ok || !KindOption(parser, &params.FotonType)) return kExitUsage;
    params.Show20 = parser.isSet(u"show20"_s);
    params.Sort = parser.isSet(u"sort"_s);
    params.DecimalSeparator = decimalSeparator;
    out = params;
    return kExitOk;
  }
};

class TFlashReport : public TReport {
public:
  QString Name() const override { return u"flash"_s; }
  QString Usage() const override { return u"[--draw T] [--kind K] [--available LIST]"_s; }
  void AddOptions(QCommandLineParser& parser) override {
    AddDrawOption(parser);
    AddKindOption(parser);
    parser.addOption(
        {u"available"_s, u"The balls the fotons are made of (default: all)."_s, u"LIST"_s});
  }
  int Fill(const QCommandLineParser& parser, const TLottery* lottery, QChar,
           TReportParams& out) override {
    bool ok = true;
    TFlashListingParams params;
    params.NextTira = DrawOption(parser, *lottery, &ok);
    if (!ok || !KindOption(parser, &params.FotonType)) return kExitUsage;
    params.AvailableBalls = parser.value(u"available"_s);
    out = params;
    return kExitOk;
  }
};

class TParsecReport : public TReport {
public:
  QString Name() const override { return u"parsec"_s; }
  QString Usage() const override { return u"[--kind K] [--history H]"_s; }
  void AddOptions(QCommandLineParser& parser) override {
    AddKindOption(parser);
    AddHistoryOption(parser);
  }
  int Fill(const QCommandLineParser& parser, const TLottery*, QChar, TReportParams& out) override {
    bool ok = true;
    TParsecParams params;
    params.History = History(parser, &ok);
    if (!ok || !KindOption(parser, &params.FotonType)) return kExitUsage;
    out = params;
    return kExitOk;
  }
  // {"value": V, "history": the spin edit's value after the button}
  QJsonObject ExtraJson(const TReportParams& params, const TLottery* lottery) const override {
    const TParsecParams& p = std::get<TParsecParams>(params);
    return {{u"value"_s, SkipsParsec(*lottery, p.FotonType)},
            {u"history"_s, ParsecHistory(*lottery, p)}};
  }
};

const TReportRegistration skips([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TSkipsReport>();
});
const TReportRegistration frequency([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TSkipFrequencyReport>();
});
const TReportRegistration flash([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TFlashReport>();
});
const TReportRegistration parsec([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TParsecReport>();
});

}  // namespace
