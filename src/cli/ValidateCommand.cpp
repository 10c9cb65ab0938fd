// lotrix-cli validate FILE: the file-name rule and the check of the history.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "Command.h"
#include "LotteryLoader.h"

using namespace Qt::StringLiterals;

namespace {

class TValidateCommand : public TCommand {
public:
  QString Name() const override { return u"validate"_s; }
  QString Summary() const override {
    return u"check a draws file and print what the desktop would say"_s;
  }

  int Run(const QStringList& arguments) override {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Reads the lottery from the file name (\"6x49 ...\" = 6 balls of 49) and checks every\n"
        "draw. Prints the messages the desktop would show, in their order, and exits 1 when the\n"
        "history is invalid. Message lines are separated by CR in json, by line ends in text."_s);
    parser.addPositionalArgument(u"FILE"_s, u"The draws file."_s);
    const QCommandLineOption lang(
        u"lang"_s, u"Language of the messages: eng or rus (default: the stored one, else rus)."_s,
        u"eng|rus"_s);
    const QCommandLineOption format(u"format"_s, u"Output: text (default) or json."_s,
                                    u"text|json"_s, u"text"_s);
    parser.addOptions({lang, format});
    if (int code = ParseArguments(
            parser, arguments, u"lotrix-cli validate FILE [--lang eng|rus] [--format text|json]"_s);
        code >= 0)
      return code;
    if (parser.positionalArguments().size() != 1) {
      Err() << "lotrix-cli validate: give exactly one FILE (see --help)\n" << Qt::flush;
      return kExitUsage;
    }
    const QString language = parser.isSet(lang) ? parser.value(lang) : DefaultLanguage();
    if (!CheckChoice(u"lang"_s, language, {u"eng"_s, u"rus"_s}) ||
        !CheckChoice(u"format"_s, parser.value(format), {u"text"_s, u"json"_s}))
      return kExitUsage;

    TConsoleHost host;
    const TLoadedLottery loaded =
        LoadLotteryFile(parser.positionalArguments().front(), language, host);
    const TLottery& lottery = loaded.Lottery;
    if (parser.value(format) == u"json") {
      const QJsonObject result{{u"valid"_s, loaded.Valid},
                               {u"messages"_s, QJsonArray::fromStringList(host.Messages)},
                               {u"balls"_s, lottery.BallsInDraw},
                               {u"max"_s, lottery.MaxBall},
                               {u"draws"_s, static_cast<qint64>(lottery.Tirazhi.size())}};
      Out() << QString::fromUtf8(QJsonDocument(result).toJson(QJsonDocument::Compact)) << '\n';
    } else if (loaded.Valid) {
      Out() << "valid: " << lottery.BallsInDraw << " of " << lottery.MaxBall << ", "
            << lottery.Tirazhi.size() << " draws, numbers " << lottery.FirstTira << " to "
            << lottery.NewTira - 1 << '\n';
    } else {
      Out() << MessagesForTerminal(host.Messages);
    }
    Out().flush();
    return loaded.Valid ? kExitOk : kExitInvalidData;
  }
};

}  // namespace

std::unique_ptr<TCommand> MakeValidateCommand() { return std::make_unique<TValidateCommand>(); }
