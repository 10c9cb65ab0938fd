// lotrix-cli report slices / total-win: the runs of S consecutive balls of a draws file.
#include "Command.h"
#include "Report.h"

using namespace Qt::StringLiterals;

namespace {

// The two reports read the same controls of PanelSlice.
class TSliceReport : public TReport {
public:
  explicit TSliceReport(bool totalWin) : m_totalWin(totalWin) {}
  QString Name() const override { return m_totalWin ? u"total-win"_s : u"slices"_s; }
  QString Usage() const override { return u"[--draw T] [--size S] [--max-skip M] [--history H]"_s; }
  void AddOptions(QCommandLineParser& parser) override {
    AddDrawOption(parser);
    parser.addOptions({
        {u"size"_s,
         u"S: balls per slice, %1..%2 (default %3)."_s.arg(kSliceSizeMin)
             .arg(kSliceSizeMax)
             .arg(kSliceSizeDefault),
         u"S"_s},
        {u"max-skip"_s,
         u"M: the largest ball skip a listed slice may hold, %1..%2 (default %3: no limit)."_s
             .arg(kSliceMaxSkipMin)
             .arg(kSliceMaxSkipMax)
             .arg(kSliceMaxSkipDefault),
         u"M"_s},
        {u"history"_s,
         u"H: past draws, %1..%2 (default %3)."_s.arg(kSliceHistoryMin)
             .arg(kSliceHistoryMax)
             .arg(kSliceHistoryDefault),
         u"H"_s},
    });
  }
  int Fill(const QCommandLineParser& parser, const TLottery* lottery, QChar decimalSeparator,
           TReportParams& out) override {
    bool ok = true;
    TSliceParams params;
    params.NextTira = DrawOption(parser, *lottery, &ok);
    params.Size =
        SpinOption(parser, u"size"_s, kSliceSizeDefault, kSliceSizeMin, kSliceSizeMax, &ok);
    params.MaxSkip = SpinOption(parser, u"max-skip"_s, kSliceMaxSkipDefault, kSliceMaxSkipMin,
                                kSliceMaxSkipMax, &ok);
    params.History = SpinOption(parser, u"history"_s, kSliceHistoryDefault, kSliceHistoryMin,
                                kSliceHistoryMax, &ok);
    if (!ok) return kExitUsage;
    params.DecimalSeparator = decimalSeparator;
    if (m_totalWin)
      out = TSliceTotalWinParams{params};
    else
      out = params;
    return kExitOk;
  }

private:
  bool m_totalWin;
};

const TReportRegistration slices([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TSliceReport>(false);
});
const TReportRegistration totalWin([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TSliceReport>(true);
});

}  // namespace
