#include "ResultsRecognition.h"

#include <algorithm>

#include "CommonFunctions.h"
#include "ReportPane.h"

using namespace Qt::StringLiterals;

QStringList RecognizeResults(const QStringList& paneLines, TResultsListing listing) {
  QStringList drawLines;
  for (qsizetype i = 0; i < paneLines.size(); ++i) {
    const qsizetype colon = paneLines[i].indexOf(u':');
    if (colon < 0) continue;
    // The draw number: six characters from the third after the colon.
    const QString draw = paneLines[i].mid(colon + 3, 6);
    iArray balls = i + 1 < paneLines.size() ? ExtractNumbers(paneLines[i + 1]) : iArray();
    if (listing == TResultsListing::Lotto5x36 && !balls.empty()) balls.pop_back();
    drawLines.append(draw + QString(7, u' ') + NumbersToText(3, balls));
  }
  std::reverse(drawLines.begin(), drawLines.end());
  return drawLines;
}
