// The document export: a WordprocessingML package (the parts a word processor needs to open
// it: content types, the package relation and the document with one table) zipped in memory
// with libzip and written over the target atomically.
#include <zip.h>

#include <QByteArray>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "Export.h"

using namespace Qt::StringLiterals;

namespace {

constexpr char kContentTypes[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)"
    R"(</Types>)";
constexpr char kPackageRelations[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>)"
    R"(</Relationships>)";
constexpr char kDocumentRelations[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"/>)";

// One table, single borders, each cell the element in plain decimal (empty past a row's end).
QByteArray DocumentXml(const iArray2D& rows) {
  size_t columns = rows.empty() ? 0 : rows.front().size();
  for (const iArray& row : rows) columns = std::max(columns, row.size());  // nothing is lost
  QByteArray xml =
      R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
      "\n"
      R"(<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:body>)"
      R"(<w:tbl><w:tblPr><w:tblW w:w="0" w:type="auto"/><w:tblBorders>)"
      R"(<w:top w:val="single" w:sz="4" w:space="0" w:color="auto"/>)"
      R"(<w:left w:val="single" w:sz="4" w:space="0" w:color="auto"/>)"
      R"(<w:bottom w:val="single" w:sz="4" w:space="0" w:color="auto"/>)"
      R"(<w:right w:val="single" w:sz="4" w:space="0" w:color="auto"/>)"
      R"(<w:insideH w:val="single" w:sz="4" w:space="0" w:color="auto"/>)"
      R"(<w:insideV w:val="single" w:sz="4" w:space="0" w:color="auto"/>)"
      R"(</w:tblBorders></w:tblPr><w:tblGrid>)";
  xml.reserve(xml.size() + static_cast<qsizetype>(rows.size() * columns) * 48);
  for (size_t c = 0; c < columns; ++c) xml += R"(<w:gridCol w:w="700"/>)";
  xml += "</w:tblGrid>";
  for (const iArray& row : rows) {
    xml += "<w:tr>";
    for (size_t c = 0; c < columns; ++c) {
      xml += "<w:tc><w:p>";
      if (c < row.size()) xml += "<w:r><w:t>" + QByteArray::number(row[c]) + "</w:t></w:r>";
      xml += "</w:p></w:tc>";
    }
    xml += "</w:tr>";
  }
  xml += "</w:tbl><w:p/></w:body></w:document>";
  return xml;
}

struct TZipSourceFree {
  void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using TZipSource = std::unique_ptr<zip_source_t, TZipSourceFree>;

QString ZipReason(zip_error_t* error) { return QString::fromUtf8(zip_error_strerror(error)); }

// The zip of the parts, or the reason it could not be made.
TWriteOutcome ZipParts(const std::vector<std::pair<const char*, QByteArray>>& parts,
                       QByteArray& out) {
  zip_error_t error;
  zip_error_init(&error);
  TZipSource buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
  if (!buffer) return {false, ZipReason(&error)};
  zip_source_keep(buffer.get());  // the archive's close must leave the buffer to read
  zip_t* archive = zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error);
  if (archive == nullptr) {
    zip_source_free(buffer.get());  // the reference zip_open_from_source did not take
    const QString reason = ZipReason(&error);
    zip_error_fini(&error);
    return {false, reason};
  }
  for (const auto& [name, bytes] : parts) {
    zip_source_t* part =
        zip_source_buffer(archive, bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0);
    if (part == nullptr || zip_file_add(archive, name, part, ZIP_FL_ENC_UTF_8) < 0) {
      if (part != nullptr) zip_source_free(part);
      const QString reason = QString::fromUtf8(zip_strerror(archive));
      zip_discard(archive);
      return {false, reason};
    }
  }
  if (zip_close(archive) < 0) {
    const QString reason = QString::fromUtf8(zip_strerror(archive));
    zip_discard(archive);
    return {false, reason};
  }
  // The written archive is the buffer's content: its size, then its bytes.
  if (zip_source_open(buffer.get()) < 0) return {false, ZipReason(zip_source_error(buffer.get()))};
  zip_source_seek(buffer.get(), 0, SEEK_END);
  const zip_int64_t size = zip_source_tell(buffer.get());
  zip_source_seek(buffer.get(), 0, SEEK_SET);
  out.resize(static_cast<qsizetype>(std::max<zip_int64_t>(size, 0)));
  const zip_int64_t read =
      size > 0 ? zip_source_read(buffer.get(), out.data(), static_cast<zip_uint64_t>(size)) : -1;
  zip_source_close(buffer.get());
  if (read != size) return {false, u"The document could not be read back from memory."_s};
  return {true, {}};
}

}  // namespace

TWriteOutcome WriteDocx(const QString& path, const iArray2D& rows) {
  QByteArray zipped;
  // The parts stay alive until the archive is closed: libzip reads them then.
  const std::vector<std::pair<const char*, QByteArray>> parts = {
      {"[Content_Types].xml", QByteArray(kContentTypes)},
      {"_rels/.rels", QByteArray(kPackageRelations)},
      {"word/_rels/document.xml.rels", QByteArray(kDocumentRelations)},
      {"word/document.xml", DocumentXml(rows)},
  };
  if (TWriteOutcome zipping = ZipParts(parts, zipped); !zipping.Written) return zipping;
  return WriteFileAtomically(path, zipped);
}
