// lotrix-cli report past-matches-source / past-matches / past-matches-history: the candidate
// table read from a file as the clipboard text is read, its filtering by the matches with
// recent draws, and the match history of the real draws.
#include <QJsonArray>
#include <QJsonObject>

#include "Command.h"
#include "InputFiles.h"
#include "Report.h"
#include "core/AtomicWrite.h"
#include "core/SilentHost.h"

using namespace Qt::StringLiterals;

namespace {

const QCommandLineOption kSourceOption(
    u"source"_s,
    u"The candidate table: one row per line of FILE (\"-\": standard input) that holds "
    "numbers, read as the clipboard text is read (without it there is no table)."_s,
    u"FILE"_s);

QCommandLineOption WindowOption() {
  return {u"window"_s,
          u"W: the past draws compared, %1..%2 (default %3)."_s.arg(kMatchWindowMin)
              .arg(kMatchWindowMax)
              .arg(kMatchWindowDefault),
          u"W"_s};
}

int WindowValue(const QCommandLineParser& parser, bool* ok) {
  return SpinOption(parser, u"window"_s, kMatchWindowDefault, kMatchWindowMin, kMatchWindowMax, ok);
}

// The source table of --source (empty without it); nothing when the file cannot be read.
std::shared_ptr<TPastMatchesTables> SourceTables(const QCommandLineParser& parser) {
  auto tables = std::make_shared<TPastMatchesTables>();
  if (!parser.isSet(kSourceOption)) return tables;
  std::optional<iArray2D> rows = ReadRowsFile(parser.value(kSourceOption));
  if (!rows) return nullptr;
  if (LoadSourceRows(*tables, std::move(*rows))) return tables;
  Err() << "lotrix-cli: " << parser.value(kSourceOption) << ": " << SourceTooLongMessage() << '\n'
        << Qt::flush;
  return nullptr;
}

class TPastMatchesSourceReport : public TReport {
public:
  QString Name() const override { return u"past-matches-source"_s; }
  QString Usage() const override { return u"[--source FILE]"_s; }
  void AddOptions(QCommandLineParser& parser) override { parser.addOption(kSourceOption); }
  int Fill(const QCommandLineParser& parser, const TLottery*, QChar, TReportParams& out) override {
    std::shared_ptr<TPastMatchesTables> tables = SourceTables(parser);
    if (!tables) return kExitInvalidData;
    out = TPastMatchesSourceParams{TSourceOrigin::Clipboard, std::move(tables)};
    return kExitOk;
  }
};

class TPastMatchesReport : public TReport {
public:
  QString Name() const override { return u"past-matches"_s; }
  QString Usage() const override {
    return u"[--draw T] [--source FILE] [--window W] [--filter TEXT | --filter-text TEXT] "
           "[--output FILE]"_s;
  }
  QString Details() const override {
    return u"For every row, how many of the draws T-1 .. T-W shared exactly 0, 1, .., "
           "min(K, row length) balls with it (a draw before the first shares none); with "
           "--filter a row is kept when every non-empty group allows its count. At most "
           "1,000,000 rows."_s;
  }
  void AddOptions(QCommandLineParser& parser) override {
    AddDrawOption(parser);
    parser.addOptions({
        kSourceOption,
        WindowOption(),
        {u"filter"_s,
         u"Filter by this match filter (\"Фильтровать\" ticked): allowed values of the count of "
         "draws sharing 0, 1, 2, ... balls, the groups separated by \"/\", each a number list, "
         "an empty group allowing anything (\"10..30 / 0..5\")."_s,
         u"TEXT"_s},
        {u"filter-text"_s,
         u"The match filter field with \"Фильтровать\" unticked: only rewritten, every row "
         "kept."_s,
         u"TEXT"_s},
        {u"output"_s, u"Write the kept rows to FILE as the clipboard text (\"в Буфер\")."_s,
         u"FILE"_s},
    });
  }
  int Fill(const QCommandLineParser& parser, const TLottery* lottery, QChar,
           TReportParams& out) override {
    if (parser.isSet(u"filter"_s) && parser.isSet(u"filter-text"_s)) {
      Err() << "lotrix-cli report past-matches: --filter and --filter-text exclude each other\n"
            << Qt::flush;
      return kExitUsage;
    }
    bool ok = true;
    TPastMatchesParams params;
    params.NextTira = DrawOption(parser, *lottery, &ok);
    params.Window = WindowValue(parser, &ok);
    if (!ok) return kExitUsage;
    params.Filter = parser.isSet(u"filter"_s);
    params.FilterText = parser.value(params.Filter ? u"filter"_s : u"filter-text"_s);
    params.Tables = SourceTables(parser);
    if (!params.Tables) return kExitInvalidData;
    m_output = parser.value(u"output"_s);
    out = std::move(params);
    return kExitOk;
  }
  bool WritesOutput() const override { return true; }
  int Finish(const TReportParams& params) override {
    if (m_output.isEmpty()) return kExitOk;
    const QString text = KeptText(std::get<TPastMatchesParams>(params));
    const TWriteOutcome outcome = WriteFileAtomically(m_output, text.toUtf8());
    if (outcome.Written) return kExitOk;
    Err() << "lotrix-cli: " << m_output << ": " << outcome.Reason << '\n' << Qt::flush;
    return kExitInvalidData;
  }
  // "fields": {"filter": the rewritten field}, "filtered": [rows], "clipboard": their text,
  // written straight as text (a million rows as json values would take a gigabyte).
  QByteArray ExtraJsonText(const TReportParams& params, const TLottery*) const override {
    const TPastMatchesParams& p = std::get<TPastMatchesParams>(params);
    const iArray2D& kept = p.Tables->FilteredTable;
    QByteArray text = JsonKeys(
        {{u"fields"_s, QJsonObject{{u"filter"_s, ReadMatchFilterText(p.FilterText).Text}}}});
    text += ",\"filtered\":[";
    for (size_t i = 0; i < kept.size(); ++i) {
      text += i == 0 ? "[" : ",[";
      for (size_t j = 0; j < kept[i].size(); ++j) {
        if (j > 0) text += ',';
        text += QByteArray::number(kept[i][j]);
      }
      text += ']';
    }
    text += "],\"clipboard\":\"";
    for (const iArray& row : kept) {  // RowsToClipboard, json-escaped
      for (const int32_t v : row) text += QByteArray::number(v) + ' ';
      text += "\\r\\n";
    }
    text += '"';
    return text;
  }

private:
  static QString KeptText(const TPastMatchesParams& params) {
    TSilentHost host;
    RowsToClipboard(params.Tables->FilteredTable, host);
    return host.ClipboardText();
  }
  QString m_output;
};

class TPastMatchesHistoryReport : public TReport {
public:
  QString Name() const override { return u"past-matches-history"_s; }
  QString Usage() const override { return u"[--draw T] [--window W] [--history Hh]"_s; }
  QString Details() const override {
    return u"For each of the draws T-Hh .. T-1, how many of its W predecessors shared 0, 1, .., "
           "K balls with it; then per match count its series (newest first) and how often each "
           "value occurs in it (under its heading, each value padded to 5 characters and "
           "its count to 15)."_s;
  }
  void AddOptions(QCommandLineParser& parser) override {
    AddDrawOption(parser);
    parser.addOptions({
        WindowOption(),
        {u"history"_s,
         u"Hh: the real draws listed, %1..%2 (default %3)."_s.arg(kMatchHistoryMin)
             .arg(kMatchHistoryMax)
             .arg(kMatchHistoryDefault),
         u"Hh"_s},
    });
  }
  int Fill(const QCommandLineParser& parser, const TLottery* lottery, QChar,
           TReportParams& out) override {
    bool ok = true;
    TPastMatchesHistoryParams params;
    params.NextTira = DrawOption(parser, *lottery, &ok);
    params.Window = WindowValue(parser, &ok);
    params.History = SpinOption(parser, u"history"_s, kMatchHistoryDefault, kMatchHistoryMin,
                                kMatchHistoryMax, &ok);
    if (!ok) return kExitUsage;
    out = params;
    return kExitOk;
  }
};

const TReportRegistration source([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TPastMatchesSourceReport>();
});
const TReportRegistration matches([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TPastMatchesReport>();
});
const TReportRegistration history([]() -> std::unique_ptr<TReport> {
  return std::make_unique<TPastMatchesHistoryReport>();
});

}  // namespace
