// The printed page as the program draws on it: positions and lengths in
// twips (1440 to the inch) from the top-left corner of the printable area,
// font sizes in points. Everything printed goes through this one interface;
// the system printer and a PDF file are its two real forms, and tests put a
// recorder in their place.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <memory>

class QPrinterInfo;

namespace kw {

inline constexpr int kTwipsPerInch = 1440;

class PrintSurface {
 public:
  virtual ~PrintSurface() = default;

  // The printer's name; empty when there is no printer to print on.
  virtual QString DeviceName() const = 0;
  // Size of the printable area of a page.
  virtual int PageWidth() const = 0;
  virtual int PageHeight() const = 0;

  // The font of the texts drawn from now on. Changing the size keeps the name.
  virtual void SetFontName(const QString& name) = 0;
  virtual void SetFontSize(double points) = 0;
  // Width the text takes in the current font.
  virtual int TextWidth(const QString& text) const = 0;

  // Text whose character cells start at (x, y): y is the top of the line.
  virtual void DrawText(int x, int y, const QString& text) = 0;
  // The same, with what runs further than `width` right of x cut off on the
  // page (the document's text keeps all of it).
  virtual void DrawTextWithin(int x, int y, int width, const QString& text) = 0;
  // A thin black line.
  virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
  // A picture stretched over `area`.
  virtual void DrawImage(const QImage& image, const QRect& area) = 0;

  virtual void NewPage() = 0;
  // Finishes the document and hands it over (to the printer, to the file).
  // False when the pages could not be produced; Error() then says why.
  virtual bool EndDoc() = 0;
  virtual QString Error() const = 0;
};

// The families asked for a font name: the name itself first, then Chinese
// faces that stand in for it where it is not installed (宋体 is a Windows
// font), so Chinese text always prints as glyphs and reads back as text.
QStringList PrintFontFamilies(const QString& name);

// The given printer; a null QPrinterInfo stands for "no printer" (an empty
// DeviceName()).
std::unique_ptr<PrintSurface> MakePrinterSurface(const QPrinterInfo& printer);
// The system's default printer, or the first installed one when no default
// is set.
std::unique_ptr<PrintSurface> MakeDefaultPrinterSurface();
// A PDF file of A4 pages written to `path`.
std::unique_ptr<PrintSurface> MakePdfSurface(const QString& path);

// Where printed pages can go: the system printer, or a PDF file. Part of
// the platform layer, so that tests record the pages.
class Printers {
 public:
  virtual ~Printers() = default;
  // The system printer; its DeviceName() is empty when none is installed.
  virtual std::unique_ptr<PrintSurface> SystemPrinter() = 0;
  virtual std::unique_ptr<PrintSurface> PdfFile(const QString& path) = 0;
};

// The default printer, PDF files.
Printers& DesktopPrinters();

}  // namespace kw
