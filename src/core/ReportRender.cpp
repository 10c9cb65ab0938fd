#include "ReportRender.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Resolves a line into `runs`, reusing the caller's buffers so that a renderer walking
// hundreds of thousands of lines allocates only when a line needs more room than before.
void ResolveRunsInto(const TPaneLine& line, std::vector<TStyledRun>& runs,
                     std::vector<int>& bounds) {
  runs.clear();
  const int length = static_cast<int>(line.Text.size());
  if (length == 0) return;
  if (line.Spans.empty()) {
    runs.push_back({0, length, {}, {}, {}});
    return;
  }
  // Spans are stored clipped to their line, but a line built by hand may hold any numbers.
  auto clip = [length](int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, 0, length)); };
  bounds.clear();
  bounds.push_back(0);
  bounds.push_back(length);
  for (const THighlight& span : line.Spans) {
    bounds.push_back(clip(span.Column));
    bounds.push_back(clip(int64_t{span.Column} + std::max(span.Length, 0)));
  }
  std::sort(bounds.begin(), bounds.end());
  bounds.erase(std::unique(bounds.begin(), bounds.end()), bounds.end());

  for (size_t i = 0; i + 1 < bounds.size(); ++i) {
    TStyledRun run{bounds[i], bounds[i + 1] - bounds[i], {}, {}, {}};
    for (const THighlight& span : line.Spans) {
      const int64_t end = int64_t{span.Column} + std::max(span.Length, 0);
      if (span.Column > run.Start || end <= run.Start) continue;
      if (span.Color != clLeave) run.Color = span.Color;
      if (span.Style != 0) run.Style = span.Style;
      run.Background = span.Background;
    }
    if (!runs.empty()) {
      TStyledRun& last = runs.back();
      if (last.Color == run.Color && last.Background == run.Background && last.Style == run.Style) {
        last.Length += run.Length;
        continue;
      }
    }
    runs.push_back(run);
  }
}

// Room for the text of every line plus its line end, and `perSpan` characters of markup
// for every stored span: one reservation instead of repeated growth.
qsizetype EstimateSize(const TReportPane& pane, qsizetype perSpan) {
  qsizetype size = 0;
  for (const TPaneLine& line : pane.Lines())
    size += line.Text.size() + 1 + perSpan * static_cast<qsizetype>(line.Spans.size());
  return size;
}

void AppendDecimal(QString& out, uint32_t value) {
  char16_t digits[10];
  int n = 0;
  do {
    digits[n++] = static_cast<char16_t>(u'0' + value % 10);
    value /= 10;
  } while (value != 0);
  while (n > 0) out += QChar(digits[--n]);
}

// "#rrggbb", lowercase.
void AppendHexColor(QString& out, TColor color) {
  static constexpr char16_t kHex[] = u"0123456789abcdef";
  out += u'#';
  for (int shift = 20; shift >= 0; shift -= 4) out += QChar(kHex[(color >> shift) & 0xF]);
}

QString HexColor(TColor color) {
  QString text;
  text.reserve(7);
  AppendHexColor(text, color);
  return text;
}

void AppendAnsiColor(QString& out, int selector, TColor color) {
  out += u"\x1b["_s;
  AppendDecimal(out, static_cast<uint32_t>(selector));
  out += u";2;"_s;
  AppendDecimal(out, (color >> 16) & 0xFF);
  out += u';';
  AppendDecimal(out, (color >> 8) & 0xFF);
  out += u';';
  AppendDecimal(out, color & 0xFF);
  out += u'm';
}

void AppendHtmlEscaped(QString& out, QStringView text) {
  qsizetype plainFrom = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    QStringView entity;
    switch (text[i].unicode()) {
      case u'&':
        entity = u"&amp;";
        break;
      case u'<':
        entity = u"&lt;";
        break;
      case u'>':
        entity = u"&gt;";
        break;
      case u'"':
        entity = u"&quot;";
        break;
      default:
        continue;
    }
    out += text.mid(plainFrom, i - plainFrom);
    out += entity;
    plainFrom = i + 1;
  }
  out += text.mid(plainFrom);
}

void AppendHtmlSpanStart(QString& out, const TStyledRun& run) {
  out += u"<span style=\""_s;
  bool first = true;
  auto property = [&](QStringView name) {
    if (!first) out += u';';
    first = false;
    out += name;
    out += u':';
  };
  if (run.Color) {
    property(u"color");
    AppendHexColor(out, *run.Color);
  }
  if (run.Background) {
    property(u"background-color");
    AppendHexColor(out, *run.Background);
  }
  const TFontStyles style = run.Style.value_or(0);
  if (style & fsBold) {
    property(u"font-weight");
    out += u"bold"_s;
  }
  if (style & fsItalic) {
    property(u"font-style");
    out += u"italic"_s;
  }
  if (style & (fsUnderline | fsStrikeOut)) {
    property(u"text-decoration");
    if (style & fsUnderline) out += u"underline"_s;
    if ((style & fsUnderline) && (style & fsStrikeOut)) out += u' ';
    if (style & fsStrikeOut) out += u"line-through"_s;
  }
  out += u"\">"_s;
}

}  // namespace

std::vector<TStyledRun> ResolveRuns(const TPaneLine& line) {
  std::vector<TStyledRun> runs;
  std::vector<int> bounds;
  ResolveRunsInto(line, runs, bounds);
  return runs;
}

QString RenderPlainText(const TReportPane& pane) {
  QString out;
  out.reserve(EstimateSize(pane, 0));
  for (const TPaneLine& line : pane.Lines()) {
    out += line.Text;
    out += u'\n';
  }
  return out;
}

QString RenderAnsi(const TReportPane& pane) {
  QString out;
  out.reserve(EstimateSize(pane, 64));
  std::vector<TStyledRun> runs;
  std::vector<int> bounds;
  for (const TPaneLine& line : pane.Lines()) {
    if (line.Spans.empty()) {
      out += line.Text;
      out += u'\n';
      continue;
    }
    ResolveRunsInto(line, runs, bounds);
    const QStringView text(line.Text);
    for (const TStyledRun& run : runs) {
      if (!run.IsStyled()) {
        out += text.mid(run.Start, run.Length);
        continue;
      }
      if (run.Color) AppendAnsiColor(out, 38, *run.Color);
      if (run.Background) AppendAnsiColor(out, 48, *run.Background);
      const TFontStyles style = run.Style.value_or(0);
      if (style & fsBold) out += u"\x1b[1m"_s;
      if (style & fsItalic) out += u"\x1b[3m"_s;
      if (style & fsUnderline) out += u"\x1b[4m"_s;
      if (style & fsStrikeOut) out += u"\x1b[9m"_s;
      out += text.mid(run.Start, run.Length);
      out += u"\x1b[0m"_s;
    }
    out += u'\n';
  }
  return out;
}

namespace {

// Browsers and Qt's rich text ignore a line end right after <pre> and show nothing for the
// one before </pre>: writing both keeps an empty first or last line of the pane.
constexpr QStringView kPreOpen = u"<pre style=\"font-family:'Courier New', monospace\">\n";
constexpr QStringView kPreClose = u"</pre>";
constexpr QStringView kPageHead =
    u"<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>Lotrix</title>\n"
    u"</head>\n<body>\n";
constexpr QStringView kPageTail = u"\n</body>\n</html>\n";

void AppendHtmlLines(QString& out, const TReportPane& pane) {
  std::vector<TStyledRun> runs;
  std::vector<int> bounds;
  for (const TPaneLine& line : pane.Lines()) {
    if (line.Spans.empty()) {
      AppendHtmlEscaped(out, line.Text);
      out += u'\n';
      continue;
    }
    ResolveRunsInto(line, runs, bounds);
    const QStringView text(line.Text);
    for (const TStyledRun& run : runs) {
      if (!run.IsStyled()) {
        AppendHtmlEscaped(out, text.mid(run.Start, run.Length));
        continue;
      }
      AppendHtmlSpanStart(out, run);
      AppendHtmlEscaped(out, text.mid(run.Start, run.Length));
      out += u"</span>"_s;
    }
    out += u'\n';
  }
}

// A usual span's markup (colour, background, bold) is 77 characters; an escape or a span
// cut into several runs only makes the string grow once more.
constexpr qsizetype kHtmlPerSpan = 80;

}  // namespace

QString RenderHtmlBody(const TReportPane& pane) {
  QString out;
  out.reserve(kPreOpen.size() + kPreClose.size() + EstimateSize(pane, kHtmlPerSpan));
  out += kPreOpen;
  AppendHtmlLines(out, pane);
  out += kPreClose;
  return out;
}

QString RenderHtmlLines(const TReportPane& pane) {
  QString out;
  out.reserve(EstimateSize(pane, kHtmlPerSpan));
  AppendHtmlLines(out, pane);
  return out;
}

QString HtmlPageStart() { return kPageHead + kPreOpen; }
QString HtmlPageEnd() { return kPreClose + kPageTail; }

QString RenderHtml(const TReportPane& pane) {
  QString out;
  out.reserve(kPageHead.size() + kPreOpen.size() + EstimateSize(pane, kHtmlPerSpan) +
              kPreClose.size() + kPageTail.size());
  out += kPageHead;
  out += kPreOpen;
  AppendHtmlLines(out, pane);
  out += kPreClose;
  out += kPageTail;
  return out;
}

namespace {

// A JSON string literal: quotes, backslashes and control characters escaped, the rest as is.
void AppendJsonString(QString& out, const QString& text) {
  static constexpr char16_t kHex[] = u"0123456789abcdef";
  out += u'"';
  for (QChar c : text) {
    const char16_t u = c.unicode();
    if (u == u'"' || u == u'\\') {
      out += u'\\';
      out += c;
    } else if (u == u'\n') {
      out += u"\\n"_s;
    } else if (u == u'\r') {
      out += u"\\r"_s;
    } else if (u == u'\t') {
      out += u"\\t"_s;
    } else if (u < 0x20) {
      out += u"\\u00"_s;
      out += QChar(kHex[u >> 4]);
      out += QChar(kHex[u & 15]);
    } else {
      out += c;
    }
  }
  out += u'"';
}

}  // namespace

// Written by hand: keys in the documented order, and linear in the pane's size.
QString RenderJson(const TReportPane& pane) {
  return u"{\"lines\":["_s + RenderJsonLines(pane) + u"]}"_s;
}

QString RenderJsonLines(const TReportPane& pane) {
  QString out;
  out.reserve(pane.LineCount() * 96);
  bool firstLine = true;
  for (const TPaneLine& line : pane.Lines()) {
    if (!firstLine) out += u',';
    firstLine = false;
    out += u"{\"text\":"_s;
    AppendJsonString(out, line.Text);
    out += u",\"spans\":["_s;
    bool firstSpan = true;
    for (const THighlight& span : line.Spans) {
      if (!firstSpan) out += u',';
      firstSpan = false;
      out += u"{\"col\":"_s + QString::number(span.Column) + u",\"len\":"_s +
             QString::number(span.Length) + u",\"color\":"_s +
             (span.Color == clLeave ? u"null"_s : u'"' + HexColor(span.Color) + u'"') +
             u",\"background\":\""_s + HexColor(span.Background) + u"\",\"bold\":"_s +
             (span.Style == 0         ? u"null"_s
              : (span.Style & fsBold) ? u"true"_s
                                      : u"false"_s) +
             u'}';
    }
    out += u"]}"_s;
  }
  return out;
}
