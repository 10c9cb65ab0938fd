#include "FilterSyntax.h"

#include <algorithm>

using namespace Qt::StringLiterals;

iArray ReadNumberListEdit(QString& field, bool* rangeCut) {
  iArray values = ParseNumberList(field, rangeCut);
  field = FormatNumberList(values);
  return values;
}

iArray2D ReadFirstLastEdit(QString& field, bool* rangeCut) {
  iArray2D rows;
  QStringList texts;
  qsizetype start = 0;
  while (true) {
    const qsizetype slash = field.indexOf(u'/', start);
    const qsizetype end = slash < 0 ? field.size() : slash + 1;
    rows.push_back(ParseNumberList(field.mid(start, end - start), rangeCut));
    texts.append(FormatNumberList(rows.back()));
    if (slash < 0) break;
    start = end;
  }
  field = texts.join(u" / "_s);
  return rows;
}

iArray ParseWinCode(QStringView token) {
  iArray code(3, -1);
  for (qsizetype i = 0; i < 3 && i < token.size(); ++i) {
    const char16_t c = token[i].unicode();
    if (c >= u'0' && c <= u'9') code[static_cast<size_t>(i)] = c - u'0';
  }
  return code;
}

iArray2D ReadWinCodeEdit(QString& field) {
  iArray2D codes;
  QString normal;
  for (QStringView token : QStringView(field).split(u' ', Qt::SkipEmptyParts)) {
    codes.push_back(ParseWinCode(token));
    for (int32_t digit : codes.back()) normal += digit < 0 ? u"X"_s : QString::number(digit);
    normal += u"  "_s;
  }
  field = normal;
  return codes;
}

QString RangeCutMessage(bool russian) {
  return russian
             ? u"Диапазоны в полях фильтров ограничены числом 99999:\rбольшие значения в прогнозе не встречаются."_s
             : u"Ranges in the filter fields are cut at 99999:\rlarger values never occur in a forecast."_s;
}
