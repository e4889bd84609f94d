#include "ui/PrintSurface.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRawFont>

#include "ui/PdfTextMap.h"
#include "ui/Strings.h"

namespace kw {

// Where the named font is missing, Latin letters and digits come from DejaVu
// Serif and Chinese from Noto CJK. The CJK faces alone would do for the eye,
// but they draw a digit after a Latin letter with a glyph that PDF readers
// cannot map back to text: a train number K101 would copy and search as "K".
QStringList PrintFontFamilies(const QString& name) {
  QStringList families{name};
  for (const QString& standIn : {QStringLiteral("SimSun"), QStringLiteral("DejaVu Serif"),
                                 QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")}) {
    if (!families.contains(standIn)) families << standIn;
  }
  return families;
}

namespace {

// Draws on a paged Qt device (printer or PDF writer). The painter starts with
// the first drawing, so that asking for the device's name or size starts no
// print job. Twips become device units by the device's resolution; point sizes
// are converted by Qt with the same resolution.
class PaintedSurface : public PrintSurface {
 public:
  int PageWidth() const override {
    return Twips(Device().pageLayout().paintRect(QPageLayout::Point).width());
  }
  int PageHeight() const override {
    return Twips(Device().pageLayout().paintRect(QPageLayout::Point).height());
  }

  void SetFontName(const QString& name) override {
    font_.setFamilies(PrintFontFamilies(name));
    if (painter_.isActive()) painter_.setFont(font_);
  }
  void SetFontSize(double points) override {
    if (points > 0) font_.setPointSizeF(points);
    if (painter_.isActive()) painter_.setFont(font_);
  }
  int TextWidth(const QString& text) const override {
    const QFontMetricsF metrics(font_, &Device());
    return qRound(metrics.horizontalAdvance(text) * kTwipsPerInch / Device().logicalDpiX());
  }

  void DrawText(int x, int y, const QString& text) override {
    if (text.isEmpty() || !Begin()) return;
    const QFontMetricsF metrics(font_, &Device());
    painter_.drawText(QPointF(X(x), Y(y) + metrics.ascent()), text);
  }
  void DrawTextWithin(int x, int y, int width, const QString& text) override {
    if (text.isEmpty() || !Begin()) return;
    const QFontMetricsF metrics(font_, &Device());
    painter_.save();
    painter_.setClipRect(QRectF(X(x), Y(y), X(width), metrics.height()));
    painter_.drawText(QPointF(X(x), Y(y) + metrics.ascent()), text);
    painter_.restore();
  }
  void DrawLine(int x1, int y1, int x2, int y2) override {
    if (!Begin()) return;
    painter_.drawLine(QPointF(X(x1), Y(y1)), QPointF(X(x2), Y(y2)));
  }
  void DrawImage(const QImage& image, const QRect& area) override {
    if (image.isNull() || !Begin()) return;
    painter_.drawImage(QRectF(X(area.left()), Y(area.top()), X(area.width()), Y(area.height())), image);
  }

  void NewPage() override {
    if (Begin()) Device().newPage();
  }
  bool EndDoc() override {
    if (!started_) Begin();  // a document without drawing is still one blank page
    if (painter_.isActive() && !painter_.end() && error_.isEmpty()) error_ = FailureText();
    return error_.isEmpty();
  }
  QString Error() const override { return error_; }

 protected:
  PaintedSurface() { font_.setFamilies(PrintFontFamilies(str::kPrintFont)); }
  virtual QPagedPaintDevice& Device() const = 0;
  // What to tell the user when the device refuses the document.
  virtual QString FailureText() const = 0;

 private:
  bool Begin() {
    if (started_) return painter_.isActive();
    started_ = true;
    if (!painter_.begin(&Device())) {
      error_ = FailureText();
      return false;
    }
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.setPen(QPen(Qt::black, X(kRuleWidth)));
    painter_.setFont(font_);
    return true;
  }
  double X(int twips) const { return twips * double(Device().logicalDpiX()) / kTwipsPerInch; }
  double Y(int twips) const { return twips * double(Device().logicalDpiY()) / kTwipsPerInch; }
  static int Twips(double points) { return qFloor(points * kTwipsPerPoint); }

  static constexpr int kTwipsPerPoint = 20;
  static constexpr int kRuleWidth = 10;  // half a point
  QPainter painter_;
  QFont font_;
  bool started_ = false;
  QString error_;
};

class PrinterSurface final : public PaintedSurface {
 public:
  explicit PrinterSurface(const QPrinterInfo& info)
      : name_(info.printerName()), printer_(info, QPrinter::HighResolution) {
    printer_.setDocName(str::kProductTitle);
  }
  QString DeviceName() const override { return name_; }

 protected:
  QPagedPaintDevice& Device() const override { return printer_; }
  QString FailureText() const override { return str::PrinterFailedMessage(name_); }

 private:
  QString name_;
  mutable QPrinter printer_;
};

class PdfSurface final : public PaintedSurface {
 public:
  explicit PdfSurface(const QString& path) : path_(path), writer_(path) {
    writer_.setTitle(str::kProductTitle);
    writer_.setCreator(str::kProductTitle);
    // A4 with the quarter-inch border most printers cannot reach, so that the
    // file looks like the printed page.
    writer_.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
  }
  QString DeviceName() const override { return path_; }
  bool EndDoc() override {
    if (!PaintedSurface::EndDoc()) return false;
    // The file reads back as the characters drawn (see ui/PdfTextMap.h).
    static const auto radicals = RadicalsSharingGlyphs(
        QRawFont::fromFont(QFont(PrintFontFamilies(str::kPrintFont)), QFontDatabase::SimplifiedChinese));
    MendPdfTextMaps(path_, radicals);
    return true;
  }

 protected:
  QPagedPaintDevice& Device() const override { return writer_; }
  QString FailureText() const override { return str::PdfFailedMessage(path_); }

 private:
  QString path_;
  mutable QPdfWriter writer_;
};

}  // namespace

std::unique_ptr<PrintSurface> MakePrinterSurface(const QPrinterInfo& printer) {
  return std::make_unique<PrinterSurface>(printer);
}

std::unique_ptr<PrintSurface> MakeDefaultPrinterSurface() {
  QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (printer.isNull()) {
    const QList<QPrinterInfo> installed = QPrinterInfo::availablePrinters();
    if (!installed.isEmpty()) printer = installed.first();
  }
  return MakePrinterSurface(printer);
}

std::unique_ptr<PrintSurface> MakePdfSurface(const QString& path) {
  return std::make_unique<PdfSurface>(path);
}

namespace {

class DesktopPrinterSet final : public Printers {
 public:
  std::unique_ptr<PrintSurface> SystemPrinter() override { return MakeDefaultPrinterSurface(); }
  std::unique_ptr<PrintSurface> PdfFile(const QString& path) override { return MakePdfSurface(path); }
};

}  // namespace

Printers& DesktopPrinters() {
  static DesktopPrinterSet printers;
  return printers;
}

}  // namespace kw
