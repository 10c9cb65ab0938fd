#pragma once
// Results recognition: turns a results listing pasted into the result pane (a line with the
// draw number after a colon, the balls on the next line, newest draw first) into draw lines
// in the draws-file format, oldest first.

#include <QStringList>

enum class TResultsListing {
  Lotto5x36,  // the ball lines end with an extra number, which is dropped
  Lotto6x45,  // every number of a ball line is a ball
};

QStringList RecognizeResults(const QStringList& paneLines, TResultsListing listing);
