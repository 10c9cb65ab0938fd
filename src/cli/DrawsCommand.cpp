// lotrix-cli draws FILE: the history in its written form, in draw order or sorted, on the
// terminal or saved to a file through the save the draws panel uses.
#include "Command.h"
#include "LotteryLoader.h"

using namespace Qt::StringLiterals;

namespace {

// Rows written per piece: a 2,000,000-draw history is never held as one text.
constexpr size_t kRowsPerPiece = 65536;

class TDrawsCommand : public TCommand {
public:
  QString Name() const override { return u"draws"_s; }
  QString Summary() const override {
    return u"print the history as the draws panel shows it, or save it"_s;
  }

  int Run(const QStringList& arguments) override {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Prints every draw: the draw number right-aligned in 5 characters, 3 spaces, then each\n"
        "ball right-aligned in 4. With --sorted the balls of each draw are in ascending order.\n"
        "With --save OUT the history (in draw order, lines ended by CR LF) is checked and written\n"
        "to OUT as the draws panel's Save writes it: OUT is replaced only when every byte is\n"
        "written, and a refused or failed save exits 1 with the message on stderr."_s);
    parser.addPositionalArgument(u"FILE"_s, u"The draws file."_s);
    const QCommandLineOption sorted(u"sorted"_s, u"Balls of each draw in ascending order."_s);
    const QCommandLineOption save(u"save"_s, u"Write the history to OUT instead of printing it."_s,
                                  u"OUT"_s);
    const QCommandLineOption lang(
        u"lang"_s, u"Language of the messages (default: the stored one)."_s, u"eng|rus"_s);
    parser.addOptions({sorted, save, lang});
    if (int code = ParseArguments(
            parser, arguments, u"lotrix-cli draws FILE [--sorted] [--save OUT] [--lang eng|rus]"_s);
        code >= 0)
      return code;
    if (parser.positionalArguments().size() != 1) {
      Err() << "lotrix-cli draws: give exactly one FILE (see --help)\n" << Qt::flush;
      return kExitUsage;
    }
    if (parser.isSet(save) && parser.isSet(sorted)) {
      Err() << "lotrix-cli draws: --save writes the history in draw order; drop --sorted\n"
            << Qt::flush;
      return kExitUsage;
    }
    const QString language = parser.isSet(lang) ? parser.value(lang) : DefaultLanguage();
    if (!CheckChoice(u"lang"_s, language, {u"eng"_s, u"rus"_s})) return kExitUsage;

    TConsoleHost host;
    TLoadedLottery loaded = LoadLotteryFile(parser.positionalArguments().front(), language, host);
    if (!loaded.Valid) {
      Err() << MessagesForTerminal(host.Messages) << Qt::flush;
      return kExitInvalidData;
    }
    const iArray2D& table = loaded.Lottery.Tirazhi;
    if (parser.isSet(save)) {
      const TSaveOutcome outcome =
          SaveDraws(loaded.Lottery, ShowDraws(table), parser.value(save), language, host);
      Err() << MessagesForTerminal(host.Messages) << Qt::flush;
      return outcome == TSaveOutcome::Saved ? kExitOk : kExitInvalidData;
    }
    const TBallOrder order = parser.isSet(sorted) ? TBallOrder::Sorted : TBallOrder::AsDrawn;
    QString piece;
    for (size_t first = 0; first < table.size(); first += kRowsPerPiece) {
      piece.clear();
      AppendDraws(piece, table, first, first + kRowsPerPiece, order, u"\n");
      Out() << piece;
    }
    Out().flush();
    return kExitOk;
  }
};

}  // namespace

std::unique_ptr<TCommand> MakeDrawsCommand() { return std::make_unique<TDrawsCommand>(); }
