// lotrix-cli report map: the draws map as characters, or its cells in json.
#include <QJsonArray>

#include "Command.h"
#include "Report.h"

using namespace Qt::StringLiterals;

namespace {

class TMapReport : public TReport {
public:
  QString Name() const override { return u"map"_s; }
  QString Usage() const override { return u"[--draw T] [--no-show-next]"_s; }
  void AddOptions(QCommandLineParser& parser) override {
    AddDrawOption(parser);
    parser.addOption(
        {u"no-show-next"_s, u"Leave the rows of T .. T + 9 unfilled (\"Show next\" unticked)."_s});
  }
  int Fill(const QCommandLineParser& parser, const TLottery* lottery, QChar,
           TReportParams& out) override {
    bool ok = true;
    TTiraMapParams params;
    params.NextTira = DrawOption(parser, *lottery, &ok);
    params.ShowNext = !parser.isSet(u"no-show-next"_s);
    if (!ok) return kExitUsage;
    out = params;
    return kExitOk;
  }
  // {"labels":[30 draw numbers], "filled":[[balls of row i, ascending] x 30], "cell": s}
  QJsonObject ExtraJson(const TReportParams& params, const TLottery* lottery) const override {
    const TTiraMap map = BuildTiraMap(*lottery, std::get<TTiraMapParams>(params));
    QJsonArray labels, filled;
    for (const int32_t label : map.Labels) labels.append(label);
    for (const iArray& row : map.Filled) {
      QJsonArray balls;
      for (const int32_t ball : row) balls.append(ball);
      filled.append(balls);
    }
    return {{u"labels"_s, labels}, {u"filled"_s, filled}, {u"cell"_s, map.Cell}};
  }
};

const TReportRegistration registration([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TMapReport>();
});

}  // namespace
