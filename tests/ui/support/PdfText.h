// Reading a PDF back with poppler's tools: the output of a tool, and the
// words of a page with their boxes.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

namespace kw::test {

// What `program` writes to stdout; "<program failed>" when it fails.
inline QString RunTool(const QString& program, const QStringList& args) {
  QProcess process;
  process.start(program, args);
  if (!process.waitForFinished(60000) || process.exitCode() != 0)
    return QStringLiteral("<%1 failed>").arg(program);
  return QString::fromUtf8(process.readAllStandardOutput());
}

// A word on a page, its box in points from the page's top-left corner.
struct PdfWord {
  double xMin, yMin, xMax, yMax;
  QString text;
};

inline std::vector<PdfWord> PdfWords(const QString& path, int page) {
  const QString bbox =
      RunTool("pdftotext", {"-bbox", "-f", QString::number(page), "-l", QString::number(page), path, "-"});
  static const QRegularExpression word(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
  std::vector<PdfWord> words;
  for (auto it = word.globalMatch(bbox); it.hasNext();) {
    const auto m = it.next();
    words.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                     m.captured(4).toDouble(), m.captured(5)});
  }
  return words;
}

}  // namespace kw::test
