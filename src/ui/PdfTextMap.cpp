#include "ui/PdfTextMap.h"

#include <QByteArrayView>
#include <QFile>
#include <QList>
#include <QRawFont>
#include <QRegularExpression>
#include <utility>

namespace kw {

namespace {

constexpr char16_t kFirstRadical = 0x2E80;  // CJK Radicals Supplement, then Kangxi Radicals
constexpr char16_t kLastRadical = 0x2FDF;

QString CodeRun(char16_t first, char16_t last) {
  QString text;
  for (char32_t c = first; c <= last; ++c) text += QChar(static_cast<char16_t>(c));
  return text;
}

// Mends the destinations of one bfchar or bfrange block, line by line.
void MendBlock(QByteArray& data, qsizetype begin, qsizetype end, bool ranges,
               const QHash<char16_t, char16_t>& radicals) {
  static const QRegularExpression code(QStringLiteral("<([0-9A-Fa-f]+)>"));
  qsizetype lineStart = begin;
  while (lineStart < end) {
    qsizetype lineEnd = data.indexOf('\n', lineStart);
    if (lineEnd < 0 || lineEnd > end) lineEnd = end;
    const QString line = QString::fromLatin1(data.mid(lineStart, lineEnd - lineStart));
    QList<QRegularExpressionMatch> codes;
    for (auto it = code.globalMatch(line); it.hasNext();) codes << it.next();
    // bfchar: <source> <text>. bfrange: <first> <last> then either an array
    // of texts, or one text that counts up along the range; only a range of
    // one glyph can take another text there.
    qsizetype firstText = ranges ? 2 : 1;
    if (ranges && !line.contains(u'[') && codes.size() > 2 && codes[0].captured(1) != codes[1].captured(1))
      firstText = codes.size();
    for (qsizetype i = firstText; i < codes.size(); ++i) {
      const QString hex = codes[i].captured(1);
      if (hex.size() != 4) continue;
      const auto found = radicals.constFind(static_cast<char16_t>(hex.toUInt(nullptr, 16)));
      if (found == radicals.constEnd()) continue;
      const QByteArray ideograph = QByteArray::number(*found, 16).toUpper().rightJustified(4, '0');
      data.replace(lineStart + codes[i].capturedStart(1), 4, ideograph);
    }
    lineStart = lineEnd + 1;
  }
}

}  // namespace

QHash<char16_t, char16_t> RadicalsSharingGlyphs(const QRawFont& font) {
  QHash<char16_t, char16_t> radicals;
  if (!font.isValid()) return radicals;
  // The first ideograph of a glyph wins, the unified ideographs before
  // those of Extension A.
  QHash<quint32, char16_t> ideographOfGlyph;
  for (const auto& [first, last] : {std::pair<char16_t, char16_t>{0x3400, 0x4DBF}, {0x4E00, 0x9FFF}}) {
    const QList<quint32> ideographs = font.glyphIndexesForString(CodeRun(first, last));
    for (qsizetype i = ideographs.size() - 1; i >= 0; --i) {
      if (ideographs[i]) ideographOfGlyph[ideographs[i]] = static_cast<char16_t>(first + i);
    }
  }
  const QList<quint32> glyphs = font.glyphIndexesForString(CodeRun(kFirstRadical, kLastRadical));
  for (qsizetype i = 0; i < glyphs.size(); ++i) {
    const auto found = ideographOfGlyph.constFind(glyphs[i]);
    if (glyphs[i] && found != ideographOfGlyph.constEnd())
      radicals.insert(static_cast<char16_t>(kFirstRadical + i), *found);
  }
  return radicals;
}

bool MendPdfTextMaps(const QString& path, const QHash<char16_t, char16_t>& radicals) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  QByteArray data = file.readAll();
  file.close();
  const QByteArray original = data;
  for (const bool ranges : {false, true}) {
    const QByteArray open = ranges ? "beginbfrange" : "beginbfchar";
    const QByteArray close = ranges ? "endbfrange" : "endbfchar";
    for (qsizetype at = data.indexOf(open); at >= 0; at = data.indexOf(open, at)) {
      const qsizetype end = data.indexOf(close, at);
      if (end < 0) break;
      MendBlock(data, at + open.size(), end, ranges, radicals);
      at = end;
    }
  }
  if (data == original) return true;
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(data) == data.size() && file.flush();
}

}  // namespace kw
