// lotrix-cli report intervals: balls of each draw in up to twelve sets of balls.
#include <QJsonArray>
#include <QJsonDocument>

#include "Command.h"
#include "Report.h"
#include "core/Settings.h"

using namespace Qt::StringLiterals;

namespace {

class TIntervalsReport : public TReport {
public:
  QString Name() const override { return u"intervals"_s; }
  QString Usage() const override {
    return u"[--draw T] [--set N] [--intervals JSON-LIST] [--interval TEXT]... [--history H] [--markov]"_s;
  }
  void AddOptions(QCommandLineParser& parser) override {
    AddDrawOption(parser);
    parser.addOptions({
        {u"set"_s, u"Start from the stored interval set N, 0..9 (read, never written)."_s, u"N"_s},
        {u"intervals"_s,
         u"Several interval texts at once, as a json list: '[\"1 .. 9\",\"\",\"10 .. 18\"]'."_s,
         u"JSON-LIST"_s},
        {u"interval"_s,
         u"The next interval text, e.g. \"1 .. 9\" (repeatable; after --intervals)."_s, u"TEXT"_s},
        {u"history"_s,
         u"H: past draws in each Win history, %1..%2 (default %3)."_s.arg(kIntervalsHistoryMin)
             .arg(kIntervalsHistoryMax)
             .arg(kIntervalsHistoryDefault),
         u"H"_s},
        {u"markov"_s, u"Add a Markov table for each interval."_s},
    });
  }
  int Fill(const QCommandLineParser& parser, const TLottery* lottery, QChar decimalSeparator,
           TReportParams& out) override {
    bool ok = true;
    TIntervalsParams params;
    params.NextTira = DrawOption(parser, *lottery, &ok);
    params.History = SpinOption(parser, u"history"_s, kIntervalsHistoryDefault,
                                kIntervalsHistoryMin, kIntervalsHistoryMax, &ok);
    if (parser.isSet(u"set"_s)) {
      const int set = SpinOption(parser, u"set"_s, 0, 0, kIntervalSets - 1, &ok);
      params.Texts = LoadIntervalSet(TSettings(), set);
    }
    size_t next = 0;
    if (parser.isSet(u"intervals"_s)) {
      const QJsonDocument list = QJsonDocument::fromJson(parser.value(u"intervals"_s).toUtf8());
      if (!list.isArray()) {
        Err() << "lotrix-cli: --intervals needs a json list of texts, e.g. '[\"1 .. 9\"]'\n"
              << Qt::flush;
        return kExitUsage;
      }
      for (const QJsonValue& text : list.array())
        if (next < params.Texts.size()) params.Texts[next++] = text.toString();
    }
    for (const QString& text : parser.values(u"interval"_s)) {
      if (next >= params.Texts.size()) {
        Err() << "lotrix-cli: at most " << kIntervalCount << " intervals\n" << Qt::flush;
        return kExitUsage;
      }
      params.Texts[next++] = text;
    }
    if (!ok) return kExitUsage;
    // The edits as the panel shows them after a run: in canonical form.
    for (QString& text : params.Texts) text = CanonicalInterval(text, lottery->MaxBall);
    params.Markov = parser.isSet(u"markov"_s);
    params.DecimalSeparator = decimalSeparator;
    out = params;
    return kExitOk;
  }
  QJsonObject ExtraJson(const TReportParams& params, const TLottery*) const override {
    QJsonArray texts;
    for (const QString& text : std::get<TIntervalsParams>(params).Texts) texts.append(text);
    return {{u"fields"_s, QJsonObject{{u"intervals"_s, texts}}}};
  }
};

const TReportRegistration registration([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TIntervalsReport>();
});

}  // namespace
