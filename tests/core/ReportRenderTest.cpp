// Renderers of the result pane: resolved runs, plain text, ANSI, HTML and JSON.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <ostream>

#include "core/ReportRender.h"

using namespace Qt::StringLiterals;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

static void PrintTo(const TStyledRun& r, std::ostream* os) {
  *os << "{start " << r.Start << ", len " << r.Length << std::hex;
  if (r.Color) *os << ", color " << *r.Color;
  if (r.Background) *os << ", background " << *r.Background;
  *os << std::dec;
  if (r.Style) *os << ", style " << int{*r.Style};
  *os << "}";
}

namespace {

const QString kPreOpen = u"<pre style=\"font-family:'Courier New', monospace\">\n"_s;

// Two lines with overlapping spans:
//   "Tira 12 34": red bold on white over "12 34", then a grey background over "34" that
//                 leaves colour and style;
//   "  7 8":      blue italic+underline on white over "7 8", then strike-out on white over
//                 "  7" that leaves the colour and replaces the style.
TReportPane SamplePane() {
  TReportPane pane;
  pane.AddLine(u"Tira 12 34"_s);
  pane.HighlightSpan(0, 5, 5, clRed, clWhite, fsBold);
  pane.HighlightSpan(0, 8, 2, clLeave, clLightGrey, 0);
  pane.AddLine(u"  7 8"_s);
  pane.HighlightSpan(1, 2, 3, clBlue, clWhite, fsItalic | fsUnderline);
  pane.HighlightSpan(1, 0, 3, clLeave, clWhite, fsStrikeOut);
  return pane;
}

// ---------------------------------------------------------------------------------------
// Resolved runs

TEST(ReportRenderRuns, SampleLinesResolveLaterSpansWinningPerAttribute) {
  const TReportPane pane = SamplePane();
  EXPECT_THAT(ResolveRuns(pane.Lines()[0]),
              ElementsAre(TStyledRun{0, 5, {}, {}, {}}, TStyledRun{5, 3, clRed, clWhite, fsBold},
                          TStyledRun{8, 2, clRed, clLightGrey, fsBold}));
  EXPECT_THAT(ResolveRuns(pane.Lines()[1]),
              ElementsAre(TStyledRun{0, 2, {}, clWhite, fsStrikeOut},
                          TStyledRun{2, 1, clBlue, clWhite, fsStrikeOut},
                          TStyledRun{3, 2, clBlue, clWhite, fsItalic | fsUnderline}));
}

TEST(ReportRenderRuns, PlainLinesAndEmptyLines) {
  EXPECT_THAT(ResolveRuns(TPaneLine{u"abc"_s, {}}), ElementsAre(TStyledRun{0, 3, {}, {}, {}}));
  EXPECT_THAT(ResolveRuns(TPaneLine{QString(), {}}), IsEmpty());
}

TEST(ReportRenderRuns, NeighbouringSpansOfEqualLookMergeIntoOneRun) {
  TPaneLine line{u" 1 2 3"_s, {}};
  line.Spans.push_back({1, 2, clRed, clWhite, fsBold});
  line.Spans.push_back({3, 2, clRed, clWhite, fsBold});
  line.Spans.push_back({2, 2, clRed, clWhite, fsBold});  // overlapping, same look
  EXPECT_THAT(ResolveRuns(line),
              ElementsAre(TStyledRun{0, 1, {}, {}, {}}, TStyledRun{1, 4, clRed, clWhite, fsBold},
                          TStyledRun{5, 1, {}, {}, {}}));
}

TEST(ReportRenderRuns, SpansOfAHandBuiltLineAreClippedToItsText) {
  TPaneLine line{u"abcd"_s, {}};
  line.Spans.push_back({-2, 3, clRed, clWhite, 0});
  line.Spans.push_back({3, 100, clLeave, clLightGrey, fsBold});
  line.Spans.push_back({9, 2, clBlue, clWhite, fsBold});
  EXPECT_THAT(ResolveRuns(line),
              ElementsAre(TStyledRun{0, 1, clRed, clWhite, {}}, TStyledRun{1, 2, {}, {}, {}},
                          TStyledRun{3, 1, {}, clLightGrey, fsBold}));
}

// ---------------------------------------------------------------------------------------
// Plain text and ANSI

TEST(ReportRenderPlain, LinesEndedByLineFeed) {
  EXPECT_EQ(RenderPlainText(SamplePane()), u"Tira 12 34\n  7 8\n"_s);
  TReportPane pane;
  EXPECT_EQ(RenderPlainText(pane), QString());
  pane.AddLine(QString());
  pane.AddLine(u"Тираж 5"_s);
  pane.AddLine(QString());
  EXPECT_EQ(RenderPlainText(pane), u"\nТираж 5\n\n"_s);
}

TEST(ReportRenderAnsi, SampleExactEscapes) {
  const QString expected =
      u"Tira "
      u"\x1b[38;2;255;0;0m\x1b[48;2;255;255;255m\x1b[1m12 \x1b[0m"
      u"\x1b[38;2;255;0;0m\x1b[48;2;230;230;230m\x1b[1m34\x1b[0m\n"
      u"\x1b[48;2;255;255;255m\x1b[9m  \x1b[0m"
      u"\x1b[38;2;0;0;255m\x1b[48;2;255;255;255m\x1b[9m7\x1b[0m"
      u"\x1b[38;2;0;0;255m\x1b[48;2;255;255;255m\x1b[3m\x1b[4m 8\x1b[0m\n"_s;
  EXPECT_EQ(RenderAnsi(SamplePane()), expected);
}

TEST(ReportRenderAnsi, UnstyledTextHasNoEscapesAndCyrillicStays) {
  TReportPane pane;
  EXPECT_EQ(RenderAnsi(pane), QString());
  pane.AddLine(u"Частота (frequency)"_s);
  pane.AddLine(u"Тираж 5"_s);
  pane.HighlightSpan(1, 0, 5, clLeave, clWhite, 0);
  pane.HighlightSpan(1, 6, 2, ColorFromWindows(0x258F25), clWhite, 0);
  EXPECT_EQ(RenderAnsi(pane),
            u"Частота (frequency)\n"
            u"\x1b[48;2;255;255;255mТираж\x1b[0m "
            u"\x1b[38;2;37;143;37m\x1b[48;2;255;255;255m5\x1b[0m\n"_s);
}

// ---------------------------------------------------------------------------------------
// HTML

TEST(ReportRenderHtml, SampleBodyExactMarkup) {
  const QString expected =
      kPreOpen +
      u"Tira "
      u"<span style=\"color:#ff0000;background-color:#ffffff;font-weight:bold\">12 </span>"
      u"<span style=\"color:#ff0000;background-color:#e6e6e6;font-weight:bold\">34</span>\n"
      u"<span style=\"background-color:#ffffff;text-decoration:line-through\">  </span>"
      u"<span style=\"color:#0000ff;background-color:#ffffff;text-decoration:line-through\">"
      u"7</span>"
      u"<span style=\"color:#0000ff;background-color:#ffffff;font-style:italic;"
      u"text-decoration:underline\"> 8</span>\n"
      u"</pre>"_s;
  EXPECT_EQ(RenderHtmlBody(SamplePane()), expected);
}

TEST(ReportRenderHtml, EveryStyleTogether) {
  TReportPane pane;
  pane.AddLine(u"x"_s);
  pane.HighlightSpan(0, 0, 1, 0x010203, 0xA0B0C0, fsBold | fsItalic | fsUnderline | fsStrikeOut);
  EXPECT_EQ(RenderHtmlBody(pane),
            kPreOpen +
                u"<span style=\"color:#010203;background-color:#a0b0c0;font-weight:bold;"
                u"font-style:italic;text-decoration:underline line-through\">x</span>\n</pre>"_s);
}

TEST(ReportRenderHtml, TextIsEscapedInsideAndOutsideSpans) {
  TReportPane pane;
  pane.AddLine(u"a<b> & \"c\" 'd'"_s);
  pane.AddLine(u"<&>"_s);
  pane.HighlightSpan(1, 1, 1, clRed, clWhite, 0);
  EXPECT_EQ(RenderHtmlBody(pane),
            kPreOpen +
                u"a&lt;b&gt; &amp; &quot;c&quot; 'd'\n"
                u"&lt;<span style=\"color:#ff0000;background-color:#ffffff\">&amp;</span>"
                u"&gt;\n</pre>"_s);
}

TEST(ReportRenderHtml, EmptyLinesAndEmptyPane) {
  TReportPane pane;
  EXPECT_EQ(RenderHtmlBody(pane), kPreOpen + u"</pre>"_s);
  pane.AddLine(QString());
  pane.AddLine(u"Тираж"_s);
  pane.AddLine(QString());
  EXPECT_EQ(RenderHtmlBody(pane), kPreOpen + u"\nТираж\n\n</pre>"_s);
}

TEST(ReportRenderHtml, StandalonePage) {
  TReportPane pane;
  pane.AddLine(u"Частота 12"_s);
  pane.HighlightSpan(0, 8, 2, clRed, clWhite, fsBold);
  EXPECT_EQ(RenderHtml(pane),
            u"<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>Lotrix</title>\n"
            u"</head>\n<body>\n"_s +
                kPreOpen +
                u"Частота "
                u"<span style=\"color:#ff0000;background-color:#ffffff;font-weight:bold\">12"
                u"</span>\n</pre>\n</body>\n</html>\n"_s);
}

TEST(ReportRenderHtml, LargePaneKeepsEveryLineInOrder) {
  TReportPane pane;
  constexpr int kLines = 400000;
  for (int i = 0; i < kLines; ++i) {
    pane.AddLine(IntPadLeft(6, i) + u"  1 12 23"_s);
    if (i % 10 == 0) pane.HighlightSpan(i, 10, 2, clRed, clWhite, fsBold);
  }
  const QString body = RenderHtmlBody(pane);
  EXPECT_EQ(body.count(u'\n'), kLines + 1);
  EXPECT_EQ(body.count(u"<span "_s), kLines / 10);
  EXPECT_TRUE(body.endsWith(u"399999  1 12 23\n</pre>"_s));
  EXPECT_TRUE(body.contains(
      u"\n399990  1 <span style=\"color:#ff0000;background-color:#ffffff;font-weight:bold\">12"
      u"</span> 23\n"_s));
}

// ---------------------------------------------------------------------------------------
// JSON

TEST(ReportRenderJson, SampleExactText) {
  // Keys in the documented order: text, spans; col, len, color, background, bold.
  const QString expected =
      uR"({"lines":[)"
      uR"({"text":"Tira 12 34","spans":[{"col":5,"len":5,"color":"#ff0000","background":"#ffffff","bold":true},)"
      uR"({"col":8,"len":2,"color":null,"background":"#e6e6e6","bold":null}]},)"
      uR"({"text":"  7 8","spans":[{"col":2,"len":3,"color":"#0000ff","background":"#ffffff","bold":false},)"
      uR"({"col":0,"len":3,"color":null,"background":"#ffffff","bold":false}]}]})"_s;
  EXPECT_EQ(RenderJson(SamplePane()), expected);
}

TEST(ReportRenderJson, EmptyPaneCyrillicAndEscapes) {
  TReportPane pane;
  EXPECT_EQ(RenderJson(pane), uR"({"lines":[]})"_s);
  pane.AddLine(u"Тираж \"5\" \\ x\t\r\x01"_s);
  pane.AddLine(QString());
  EXPECT_EQ(
      RenderJson(pane),
      uR"({"lines":[{"text":"Тираж \"5\" \\ x\t\r\u0001","spans":[]},{"text":"","spans":[]}]})"_s);
  // What the writer produces is JSON that reads back to the same texts.
  const QJsonDocument parsed = QJsonDocument::fromJson(RenderJson(pane).toUtf8());
  EXPECT_EQ(parsed[u"lines"_s][0][u"text"_s].toString(), pane.Line(0));
}

}  // namespace
