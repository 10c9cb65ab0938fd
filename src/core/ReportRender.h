#pragma once
// Renderers of the result pane: plain text, ANSI-coloured terminal text, HTML (a standalone
// page, or just the <pre> block for the desktop's rich-text view) and JSON for scripts.
// Every renderer builds its output in one pass into one string; none changes the pane.

#include <QString>
#include <optional>
#include <vector>

#include "ReportPane.h"

// A stretch of a line whose characters all look the same. An unset attribute means the
// pane's default look (window-text colour, no background, regular style).
struct TStyledRun {
  int Start = 0;
  int Length = 0;
  std::optional<TColor> Color;
  std::optional<TColor> Background;
  std::optional<TFontStyles> Style;
  bool IsStyled() const { return Color || Background || Style; }
  bool operator==(const TStyledRun&) const = default;
};

// The line cut into maximal runs of equal look, covering the whole text from column 0.
// Spans apply in order, later ones win per attribute: the colour unless clLeave, the style
// unless empty (replacing the earlier style), the background always. Empty text: no runs.
std::vector<TStyledRun> ResolveRuns(const TPaneLine& line);

// The lines joined by LF, the last line ended too; an empty pane gives an empty text.
QString RenderPlainText(const TReportPane& pane);

// As RenderPlainText, with SGR escapes around styled runs: ESC[38;2;R;G;Bm for the colour,
// ESC[48;2;R;G;Bm for the background, ESC[1m bold, ESC[3m italic, ESC[4m underline,
// ESC[9m strike-out, and ESC[0m after each styled run.
QString RenderAnsi(const TReportPane& pane);

// A standalone UTF-8 HTML page holding RenderHtmlBody.
QString RenderHtml(const TReportPane& pane);
// One <pre> block in Courier New: a LF after the opening tag, then every line ended by LF;
// styled runs as <span style="..."> with only the attributes that are set; text escaped
// (&, <, >, "). Built in one pass into one reserved string, for the desktop's rich text.
QString RenderHtmlBody(const TReportPane& pane);
// The page of RenderHtml in pieces, for writers that render a long pane in slices of lines:
// HtmlPageStart(), then RenderHtmlLines of every slice, then HtmlPageEnd().
QString HtmlPageStart();
QString RenderHtmlLines(const TReportPane& pane);
QString HtmlPageEnd();

// Compact JSON for scripts: {"lines":[{"text":"...","spans":[...]}]}; every span as stored,
// in order: {"col":n,"len":n,"color":"#rrggbb"|null,"background":"#rrggbb",
// "bold":true|false|null}. "color" is null for clLeave, "bold" null for an empty style.
QString RenderJson(const TReportPane& pane);
// The elements of RenderJson's "lines" array, comma-separated, without the brackets.
QString RenderJsonLines(const TReportPane& pane);
