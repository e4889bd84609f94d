// A print surface that prints nothing and remembers every call with its
// exact twips, so a test can read back what went onto which page.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <memory>
#include <vector>

#include "ui/PrintSurface.h"

namespace kw::test {

struct PrintedText {
  int page;  // from 1
  int x, y;
  double size;
  QString font, text;
  int cutAt = 0;  // the width after which the text was cut off; 0: whole
  bool operator==(const PrintedText&) const = default;
};

struct PrintedLine {
  int page, x1, y1, x2, y2;
  bool operator==(const PrintedLine&) const = default;
};

struct PrintedImage {
  int page;
  QImage image;
  QRect area;
};

class RecordingPrintSurface : public PrintSurface {
 public:
  // A4 less a quarter-inch border, as the PDF surface has it.
  explicit RecordingPrintSurface(QString name = QStringLiteral("Recorder"), int width = 11180,
                                 int height = 16120)
      : deviceName(std::move(name)), pageWidth(width), pageHeight(height) {}

  QString DeviceName() const override { return deviceName; }
  int PageWidth() const override { return pageWidth; }
  int PageHeight() const override { return pageHeight; }
  void SetFontName(const QString& name) override { font_ = name; }
  void SetFontSize(double points) override { size_ = points; }
  // Chinese characters are as wide as the font is high (20 twips a point),
  // everything else half that.
  int TextWidth(const QString& text) const override {
    double width = 0;
    for (QChar c : text) width += size_ * (c.unicode() >= 0x2E80 ? 20 : 10);
    return static_cast<int>(width);
  }
  void DrawText(int x, int y, const QString& text) override {
    texts.push_back({page, x, y, size_, font_, text});
  }
  void DrawTextWithin(int x, int y, int width, const QString& text) override {
    texts.push_back({page, x, y, size_, font_, text, width});
  }
  void DrawLine(int x1, int y1, int x2, int y2) override { lines.push_back({page, x1, y1, x2, y2}); }
  void DrawImage(const QImage& image, const QRect& area) override { images.push_back({page, image, area}); }
  void NewPage() override { ++page; }
  bool EndDoc() override {
    ++endDocCount;
    return true;
  }
  QString Error() const override { return {}; }

  // The device: an empty name stands for "no printer installed".
  QString deviceName;
  int pageWidth;
  int pageHeight;

  // What was printed.
  int page = 1;  // the page being drawn on: the page count once the document ends
  int endDocCount = 0;
  std::vector<PrintedText> texts;
  std::vector<PrintedLine> lines;
  std::vector<PrintedImage> images;

  // The texts printed on `onPage` at text y `y`, left to right.
  QStringList TextsAt(int onPage, int y) const {
    std::vector<PrintedText> row;
    for (const PrintedText& t : texts)
      if (t.page == onPage && t.y == y) row.push_back(t);
    std::stable_sort(row.begin(), row.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    QStringList out;
    for (const PrintedText& t : row) out << t.text;
    return out;
  }
  bool HasLine(const PrintedLine& line) const {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  int CountLines(int onPage, bool horizontal) const {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const PrintedLine& l) {
      return l.page == onPage && (horizontal ? l.y1 == l.y2 : l.x1 == l.x2);
    }));
  }

 private:
  QString font_;
  double size_ = 0;
};

// The printers of the platform in a test: the system printer is `printer`
// (its device name empty for a system without one), and a PDF file is a
// real one.
class RecordingPrinters final : public Printers {
 public:
  std::unique_ptr<PrintSurface> SystemPrinter() override { return std::make_unique<Handle>(printer); }
  std::unique_ptr<PrintSurface> PdfFile(const QString& path) override {
    pdfPaths << path;
    return MakePdfSurface(path);
  }

  RecordingPrintSurface printer;
  QStringList pdfPaths;  // the PDF files written

 private:
  // A copy of `printer` for the command that prints; what it recorded goes
  // back to `printer` when the command lets it go.
  struct Handle final : RecordingPrintSurface {
    explicit Handle(RecordingPrintSurface& target) : RecordingPrintSurface(target), target_(target) {}
    ~Handle() override { target_ = *this; }
    RecordingPrintSurface& target_;
  };
};

}  // namespace kw::test
