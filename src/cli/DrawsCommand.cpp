// lotrix-cli draws FILE: the history in its written form, in draw order or sorted.
#include "Command.h"
#include "LotteryLoader.h"

using namespace Qt::StringLiterals;

namespace {

class TDrawsCommand : public TCommand {
public:
  QString Name() const override { return u"draws"_s; }
  QString Summary() const override { return u"print the history as the draws panel shows it"_s; }

  int Run(const QStringList& arguments) override {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Prints every draw: the draw number right-aligned in 5 characters, 3 spaces, then each\n"
        "ball right-aligned in 4. With --sorted the balls of each draw are in ascending order."_s);
    parser.addPositionalArgument(u"FILE"_s, u"The draws file."_s);
    const QCommandLineOption sorted(u"sorted"_s, u"Balls of each draw in ascending order."_s);
    parser.addOption(sorted);
    if (int code = ParseArguments(parser, arguments, u"lotrix-cli draws FILE [--sorted]"_s); code >= 0)
      return code;
    if (parser.positionalArguments().size() != 1) {
      Err() << "lotrix-cli draws: give exactly one FILE (see --help)\n" << Qt::flush;
      return kExitUsage;
    }
    TConsoleHost host;
    const TLoadedLottery loaded =
        LoadLotteryFile(parser.positionalArguments().front(), DefaultLanguage(), host);
    if (!loaded.Valid) {
      Err() << MessagesForTerminal(host.Messages) << Qt::flush;
      return kExitInvalidData;
    }
    QString text = parser.isSet(sorted) ? loaded.Texts.MemoTirazhiUp : loaded.Texts.MemoTirazhi;
    text.replace(u"\r\n"_s, u"\n"_s);
    Out() << text << Qt::flush;
    return kExitOk;
  }
};

}  // namespace

std::unique_ptr<TCommand> MakeDrawsCommand() { return std::make_unique<TDrawsCommand>(); }
