#include <gtest/gtest.h>

#include "core/Lottery.h"
#include "core/ResultsRecognition.h"

using namespace Qt::StringLiterals;

namespace {

// A listing as a results page shows it, newest draw first; the draw number starts three
// characters after the colon.
const QStringList kListing = {
    u"Тираж №:  007143 от 08.12.2026"_s,
    u"4 11 19 27 33   2"_s,
    u"Тираж №:  007142 от 07.12.2026"_s,
    u"1 2 3 30 36   7"_s,
    u"advert"_s,
};

TEST(ResultsRecognition, FiveOfThirtySixDropsTheExtraNumberAndRunsOldestFirst) {
  EXPECT_EQ(RecognizeResults(kListing, TResultsListing::Lotto5x36),
            (QStringList{u"007142         1  2  3 30 36"_s, u"007143         4 11 19 27 33"_s}));
}

TEST(ResultsRecognition, SixOfFortyFiveKeepsEveryNumber) {
  EXPECT_EQ(
      RecognizeResults(kListing, TResultsListing::Lotto6x45),
      (QStringList{u"007142         1  2  3 30 36  7"_s, u"007143         4 11 19 27 33  2"_s}));
}

TEST(ResultsRecognition, EdgesOfTheListing) {
  // A colon line at the end gives a line without balls; a short line a shorter draw text.
  EXPECT_EQ(RecognizeResults({u"x:"_s, u"5 6"_s, u"Draw: 12"_s}, TResultsListing::Lotto6x45),
            (QStringList{u"2       "_s, u"       "_s + u"  5  6"_s}));
  EXPECT_TRUE(RecognizeResults({u"no colon here"_s}, TResultsListing::Lotto5x36).isEmpty());
}

TEST(ResultsRecognition, OutputReadsAsADrawsFile) {
  const iArray2D rows = TextToRows(RecognizeResults(kListing, TResultsListing::Lotto5x36));
  EXPECT_EQ(rows, (iArray2D{{7142, 1, 2, 3, 30, 36}, {7143, 4, 11, 19, 27, 33}}));
}

}  // namespace
