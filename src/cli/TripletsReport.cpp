// lotrix-cli report triplets: the close triples of one draw.
#include "Command.h"
#include "Report.h"

using namespace Qt::StringLiterals;

namespace {

class TTripletsReport : public TReport {
public:
  QString Name() const override { return u"triplets"_s; }
  QString Usage() const override { return u"[--draw T]"_s; }
  void AddOptions(QCommandLineParser& parser) override { AddDrawOption(parser); }
  int Fill(const QCommandLineParser& parser, const TLottery* lottery, QChar,
           TReportParams& out) override {
    bool ok = true;
    TTripletsParams params;
    params.NextTira = DrawOption(parser, *lottery, &ok);
    if (!ok) return kExitUsage;
    out = params;
    return kExitOk;
  }
};

const TReportRegistration registration([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TTripletsReport>();
});

}  // namespace
