// Draws the pictures of the date folder that the windows show, and writes
// them into the folder given as the first argument (data/); the program icon
// at the desktop's usual sizes goes below the second (dist/icons/hicolor,
// NxN/apps/kestrelway.png). Run through
// scripts/gen-pictures. Pictures shown at a fixed size come twice: name.jpg
// at their size and name@2x.jpg at twice it, for high-density screens.
//
//   left/right.jpg        picture buttons; ...2 pointer over them, ...1 pressed
//   x/table/site/pr.jpg   square picture buttons: close, stop grid, diagram, print
//   greenBoll/yellowboll/redboll.jpg   station balls: first, intermediate, terminal
//   rail/redrail.jpg      rail between stations; red inside the travelled stretch
//   main.ico              program icon
//   Trainicon.dat         the About window's picture (PNG bytes)
//   point.cur             the pointing cursor (a Windows cursor file)
//   frmShow.jpg           the picture shown while the main window loads
//   showmain.gif          the picture of the start page
//   showmain_en.png       the same, for the English start page
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cstdio>

#include <gif_lib.h>
#include <unordered_map>

namespace {

const QColor kRailBlue(0x1f, 0x5f, 0xa8);
const QColor kDeepBlue(0x12, 0x3c, 0x6e);
const QColor kSignalRed(0xc0, 0x39, 0x2b);
const QColor kPaper(0xf7, 0xf9, 0xfc);

QString g_out;

QFont ChineseFont(int pixelSize, bool bold = false) {
  QFont font(QStringLiteral("Noto Sans CJK SC"));
  font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Serif CJK SC"),
                    QStringLiteral("WenQuanYi Micro Hei")});
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

void Fail(const QString& what) {
  std::fprintf(stderr, "gen-pictures: %s\n", qPrintable(what));
  std::exit(1);
}

void Save(const QImage& image, const QString& name, const char* format, int quality = -1) {
  if (!image.save(g_out + "/" + name, format, quality)) Fail("cannot write " + name);
}

void WriteBytes(const QString& name, const QByteArray& bytes) {
  QFile file(g_out + "/" + name);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) Fail("cannot write " + name);
}

// ------------------------------------------------------------ picture buttons

enum class Look { Normal, Hover, Pressed };

const QColor kWindow(0xf0, 0xf0, 0xf0);  // the window background around a picture

// The fill of a button face in each look.
QLinearGradient FaceFill(Look look, const QRectF& face) {
  QLinearGradient fill(face.topLeft(), face.bottomLeft());
  switch (look) {
    case Look::Normal:
      fill.setColorAt(0, QColor(0x3a, 0x7b, 0xc8));
      fill.setColorAt(1, kRailBlue);
      break;
    case Look::Hover:
      fill.setColorAt(0, QColor(0x5e, 0x9c, 0xe6));
      fill.setColorAt(1, QColor(0x2f, 0x78, 0xc8));
      break;
    case Look::Pressed:
      fill.setColorAt(0, kDeepBlue);
      fill.setColorAt(1, QColor(0x1a, 0x4e, 0x8c));
      break;
  }
  return fill;
}

// An image of `size` drawn at `scale` times its size, filled with the
// window background; `p` paints on it in the units of `size`.
void BeginScaled(QImage& image, QSize size, int scale, QPainter& p) {
  image = QImage(size * scale, QImage::Format_RGB32);
  image.fill(kWindow);
  p.begin(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(scale, scale);
}

// Draws a rounded button face filling `size` and returns the face's
// rectangle; the painter is left drawing white.
QRectF DrawFace(QPainter& p, QSizeF size, Look look) {
  const QRectF face = look == Look::Pressed ? QRectF(1.5, 1.5, size.width() - 3, size.height() - 3)
                                            : QRectF(0.5, 0.5, size.width() - 2, size.height() - 2);
  p.setPen(QPen(kDeepBlue, 1));
  p.setBrush(FaceFill(look, face));
  p.drawRoundedRect(face, 6, 6);
  if (look == Look::Hover) {
    p.setPen(QPen(QColor(0xff, 0xd3, 0x4d), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(face.adjusted(1.5, 1.5, -1.5, -1.5), 5, 5);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  return face;
}

using Symbol = void (*)(QPainter&, QRectF);

// A button face with a symbol and a caption.
QImage ButtonFace(Look look, const QString& caption, Symbol symbol, int scale) {
  QImage image;
  QPainter p;
  BeginScaled(image, QSize(88, 28), scale, p);
  const QRectF face = DrawFace(p, QSizeF(88, 28), look);
  symbol(p, QRectF(face.left() + 8, face.top() + 7, 12, 12));
  p.setPen(Qt::white);
  p.setFont(ChineseFont(13, true));
  p.drawText(QRectF(face.left() + 24, face.top(), face.width() - 28, face.height()), Qt::AlignCenter,
             caption);
  p.end();
  return image;
}

// A square button face of `side` with a symbol only.
QImage SquareFace(Look look, int side, Symbol symbol, int scale) {
  QImage image;
  QPainter p;
  BeginScaled(image, QSize(side, side), scale, p);
  const QRectF face = DrawFace(p, QSizeF(side, side), look);
  const qreal inset = face.width() * 0.24;
  symbol(p, face.adjusted(inset, inset, -inset, -inset));
  p.end();
  return image;
}

// name.jpg and name@2x.jpg.
template <typename Draw>
void SaveBothScales(const QString& name, Draw draw) {
  Save(draw(1), name + ".jpg", "JPG", 95);
  Save(draw(2), name + "@2x.jpg", "JPG", 95);
}

void LeftArrow(QPainter& p, QRectF r) {
  p.drawPolygon(QPolygonF{QPointF(r.right(), r.top()), QPointF(r.left(), r.center().y()),
                          QPointF(r.right(), r.bottom())});
}

void RightArrow(QPainter& p, QRectF r) {
  p.drawPolygon(QPolygonF{QPointF(r.left(), r.top()), QPointF(r.right(), r.center().y()),
                          QPointF(r.left(), r.bottom())});
}

void Cross(QPainter& p, QRectF r) {
  p.setPen(QPen(Qt::white, qMax(2.0, r.width() / 6), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(r.topLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomLeft());
  p.setPen(Qt::NoPen);
}

// A table: frame, header line, rows and a column line.
void Table(QPainter& p, QRectF r) {
  const qreal line = r.width() / 9;
  p.setPen(QPen(Qt::white, line));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r);
  p.fillRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.28), Qt::white);
  for (qreal y : {0.58, 0.79})
    p.drawLine(QPointF(r.left(), r.top() + y * r.height()), QPointF(r.right(), r.top() + y * r.height()));
  p.drawLine(QPointF(r.left() + r.width() * 0.38, r.top()), QPointF(r.left() + r.width() * 0.38, r.bottom()));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
}

// A route: three stations joined by a line.
void Route(QPainter& p, QRectF r) {
  const QPointF stations[] = {QPointF(r.left() + r.width() * 0.12, r.bottom() - r.height() * 0.15),
                              QPointF(r.center().x(), r.top() + r.height() * 0.3),
                              QPointF(r.right() - r.width() * 0.12, r.bottom() - r.height() * 0.3)};
  p.setPen(QPen(Qt::white, r.width() / 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(stations, 3);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  for (const QPointF& s : stations) p.drawEllipse(s, r.width() * 0.16, r.width() * 0.16);
}

// A printer: paper above, body, tray.
void Printer(QPainter& p, QRectF r) {
  const qreal w = r.width();
  const qreal h = r.height();
  p.drawRect(QRectF(r.left() + w * 0.22, r.top(), w * 0.56, h * 0.32));
  p.drawRoundedRect(QRectF(r.left(), r.top() + h * 0.36, w, h * 0.38), w * 0.08, w * 0.08);
  p.drawRect(QRectF(r.left() + w * 0.22, r.top() + h * 0.78, w * 0.56, h * 0.22));
}

void Buttons() {
  const struct {
    const char* name;
    QString caption;
    Symbol symbol;
  } captioned[] = {{"left", QStringLiteral("上一条"), LeftArrow},
                   {"right", QStringLiteral("下一条"), RightArrow},
                   // The English interface's: name_en.jpg and so on.
                   {"left_en", QStringLiteral("Previous"), LeftArrow},
                   {"right_en", QStringLiteral("Next"), RightArrow}};
  const struct {
    const char* name;
    int side;
    Symbol symbol;
  } square[] = {{"x", 28, Cross}, {"table", 30, Table}, {"site", 30, Route}, {"pr", 30, Printer}};
  // name.jpg normal, name1.jpg pressed, name2.jpg pointer over it.
  const struct {
    const char* suffix;
    Look look;
  } looks[] = {{"", Look::Normal}, {"1", Look::Pressed}, {"2", Look::Hover}};
  for (const auto& l : looks) {
    for (const auto& b : captioned) {
      // "left_en" with the suffix before "_en": left1_en.jpg.
      QString name = QString::fromLatin1(b.name);
      name.insert(name.endsWith(QStringLiteral("_en")) ? name.size() - 3 : name.size(), QLatin1String(l.suffix));
      SaveBothScales(name, [&](int scale) { return ButtonFace(l.look, b.caption, b.symbol, scale); });
    }
    for (const auto& b : square) {
      SaveBothScales(QString::fromLatin1(b.name) + l.suffix,
                     [&](int scale) { return SquareFace(l.look, b.side, b.symbol, scale); });
    }
  }
}

// ------------------------------------------------------------ route diagram

// A station ball of 15 x 14: a shaded sphere of `colour`.
QImage Ball(const QColor& colour, int scale) {
  QImage image;
  QPainter p;
  BeginScaled(image, QSize(15, 14), scale, p);
  const QRectF ball(1.25, 1, 12.5, 12.5);
  QRadialGradient shade(QPointF(5.5, 5), 9, QPointF(5, 4.5));
  shade.setColorAt(0, colour.lighter(170));
  shade.setColorAt(0.45, colour);
  shade.setColorAt(1, colour.darker(150));
  p.setPen(QPen(colour.darker(180), 0.8));
  p.setBrush(shade);
  p.drawEllipse(ball);
  p.end();
  return image;
}

// A stretch of track of 40 x 8, seen from above: sleepers under two rails.
QImage Rail(const QColor& rail, int scale) {
  QImage image;
  QPainter p;
  BeginScaled(image, QSize(40, 8), scale, p);
  for (qreal x = 1; x < 40; x += 4) p.fillRect(QRectF(x, 0.5, 1.5, 7), QColor(0x9a, 0x84, 0x6a));
  p.fillRect(QRectF(0, 1.75, 40, 1.5), rail);
  p.fillRect(QRectF(0, 4.75, 40, 1.5), rail);
  p.end();
  return image;
}

void Diagram() {
  const struct {
    const char* name;
    QColor colour;
  } balls[] = {{"greenBoll", QColor(0x2e, 0xa0, 0x45)},
               {"yellowboll", QColor(0xf0, 0xb8, 0x1c)},
               {"redboll", QColor(0xd6, 0x2f, 0x2f)}};
  for (const auto& b : balls) {
    SaveBothScales(QString::fromLatin1(b.name), [&](int scale) { return Ball(b.colour, scale); });
  }
  SaveBothScales(QStringLiteral("rail"), [](int scale) { return Rail(QColor(0x4a, 0x4a, 0x4a), scale); });
  SaveBothScales(QStringLiteral("redrail"), [](int scale) { return Rail(QColor(0xe0, 0x10, 0x10), scale); });
}

// ------------------------------------------------------------ train pictures

// The front of a train, drawn into `r`.
void TrainFront(QPainter& p, QRectF r) {
  const qreal w = r.width();
  const qreal h = r.height();
  auto at = [&](qreal x, qreal y) { return QPointF(r.left() + x * w, r.top() + y * h); };
  QPainterPath body;
  body.moveTo(at(0.18, 0.88));
  body.lineTo(at(0.14, 0.30));
  body.quadTo(at(0.16, 0.06), at(0.50, 0.05));
  body.quadTo(at(0.84, 0.06), at(0.86, 0.30));
  body.lineTo(at(0.82, 0.88));
  body.closeSubpath();
  p.setPen(QPen(kDeepBlue, qMax(1.0, w / 40)));
  p.setBrush(kRailBlue);
  p.drawPath(body);
  // Windscreen, stripe, lamps.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xd6, 0xec, 0xff));
  p.drawRoundedRect(QRectF(at(0.24, 0.16), at(0.76, 0.42)), w / 20, w / 20);
  p.setBrush(kSignalRed);
  p.drawRect(QRectF(at(0.16, 0.52), at(0.84, 0.60)));
  p.setBrush(QColor(0xff, 0xe0, 0x66));
  p.drawEllipse(QRectF(at(0.24, 0.66), at(0.36, 0.78)));
  p.drawEllipse(QRectF(at(0.64, 0.66), at(0.76, 0.78)));
  // Rails.
  p.setPen(QPen(QColor(0x55, 0x55, 0x55), qMax(1.0, w / 32)));
  p.drawLine(at(0.05, 0.95), at(0.95, 0.95));
}

QImage TrainIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  TrainFront(p, QRectF(0, 0, size, size));
  return image;
}

// A side view of a train across `r`.
void TrainSide(QPainter& p, QRectF r, int cars) {
  const qreal carWidth = r.width() / cars;
  for (int i = 0; i < cars; ++i) {
    const QRectF car(r.left() + i * carWidth + 2, r.top(), carWidth - 4, r.height() * 0.8);
    QPainterPath shape;
    if (i == 0) {
      shape.moveTo(car.bottomRight());
      shape.lineTo(car.topRight());
      shape.lineTo(car.left() + car.width() * 0.35, car.top());
      shape.quadTo(car.left(), car.top() + car.height() * 0.2, car.left(), car.bottom());
      shape.closeSubpath();
    } else {
      shape.addRoundedRect(car, 4, 4);
    }
    p.setPen(QPen(kDeepBlue, 1.5));
    p.setBrush(Qt::white);
    p.drawPath(shape);
    p.setPen(Qt::NoPen);
    p.setBrush(kRailBlue);
    p.drawRect(QRectF(car.left() + 1, car.top() + car.height() * 0.62, car.width() - 2, car.height() * 0.12));
    p.setBrush(QColor(0x4a, 0x6f, 0x96));
    const qreal firstWindow = i == 0 ? car.left() + car.width() * 0.45 : car.left() + 8;
    for (qreal x = firstWindow; x + 12 < car.right() - 4; x += 18) {
      p.drawRoundedRect(QRectF(x, car.top() + car.height() * 0.22, 12, car.height() * 0.28), 2, 2);
    }
    p.setBrush(QColor(0x33, 0x33, 0x33));
    for (qreal x : {car.left() + car.width() * 0.2, car.left() + car.width() * 0.8}) {
      p.drawEllipse(QPointF(x, car.bottom() + 3), 4, 4);
    }
  }
  p.setPen(QPen(QColor(0x66, 0x66, 0x66), 2));
  p.drawLine(QPointF(r.left() - 20, r.bottom() + 1), QPointF(r.right() + 20, r.bottom() + 1));
}

void Sky(QPainter& p, QRectF r) {
  QLinearGradient sky(r.topLeft(), r.bottomLeft());
  sky.setColorAt(0, QColor(0xcf, 0xe6, 0xfb));
  sky.setColorAt(1, kPaper);
  p.fillRect(r, sky);
}

// The loading picture: the product, its kind and "loading" in the
// interface's language (frmShow.jpg, and frmShow_en.jpg for English).
void LoadingPicture(const QString& file, const QString& kind, const QString& loading) {
  QImage image(420, 260, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  Sky(p, image.rect());
  p.setPen(QPen(kRailBlue, 4));
  p.drawRect(QRectF(2, 2, 416, 256));
  p.setPen(kDeepBlue);
  p.setFont(ChineseFont(34, true));
  p.drawText(QRectF(0, 28, 420, 48), Qt::AlignCenter, QStringLiteral("Kestrelway"));
  p.setFont(ChineseFont(20, true));
  p.drawText(QRectF(0, 78, 420, 32), Qt::AlignCenter, kind);
  TrainSide(p, QRectF(60, 140, 300, 56), 4);
  p.setPen(QColor(0x44, 0x44, 0x44));
  p.setFont(ChineseFont(14));
  p.drawText(QRectF(0, 214, 420, 24), Qt::AlignCenter, loading);
  Save(image, file, "JPG", 92);
}

// ------------------------------------------------------------ GIF

// The image as a GIF file (giflib): one frame with its colour table.
QByteArray EncodeGif(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
  const QList<QRgb> colours = image.colorTable();
  // A GIF colour table holds a power of two entries, at least two.
  int tableSize = 2;
  while (tableSize < colours.size()) tableSize *= 2;
  ColorMapObject* map = GifMakeMapObject(tableSize, nullptr);
  if (!map) Fail("giflib: no memory for the colour table");
  for (int i = 0; i < colours.size(); ++i)
    map->Colors[i] = {GifByteType(qRed(colours[i])), GifByteType(qGreen(colours[i])), GifByteType(qBlue(colours[i]))};

  QByteArray out;
  const auto write = [](GifFileType* gif, const GifByteType* bytes, int size) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), size);
    return size;
  };
  int error = 0;
  GifFileType* gif = EGifOpen(&out, write, &error);
  if (!gif) Fail(QStringLiteral("giflib: %1").arg(QString::fromUtf8(GifErrorString(error))));
  bool written = EGifPutScreenDesc(gif, image.width(), image.height(), 8, 0, map) == GIF_OK &&
                 EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) == GIF_OK;
  for (int y = 0; written && y < image.height(); ++y) {
    QByteArray line(reinterpret_cast<const char*>(image.constScanLine(y)), image.width());
    written = EGifPutLine(gif, reinterpret_cast<GifPixelType*>(line.data()), image.width()) == GIF_OK;
  }
  if (!written) Fail(QStringLiteral("giflib: %1").arg(QString::fromUtf8(GifErrorString(gif->Error))));
  if (EGifCloseFile(gif, &error) != GIF_OK) Fail(QStringLiteral("giflib: %1").arg(QString::fromUtf8(GifErrorString(error))));
  GifFreeMapObject(map);
  return out;
}

// The start page's picture: title, two lines and a wish, beside a train.
QImage StartPageImage(const QString& title, const QString& line1, const QString& line2, const QString& wish) {
  // Flat colours: a GIF holds 256 at most, and the picture keeps them all.
  QImage image(520, 170, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(QRectF(0, 0, 520, 6), kRailBlue);
  p.fillRect(QRectF(0, 164, 520, 6), kRailBlue);
  TrainSide(p, QRectF(250, 88, 240, 46), 3);
  p.setPen(kDeepBlue);
  p.setFont(ChineseFont(26, true));
  p.drawText(QRectF(24, 18, 480, 40), Qt::AlignLeft | Qt::AlignVCenter, title);
  p.setPen(QColor(0x33, 0x33, 0x33));
  p.setFont(ChineseFont(14));
  p.drawText(QRectF(24, 64, 230, 24), Qt::AlignLeft, line1);
  p.drawText(QRectF(24, 90, 230, 24), Qt::AlignLeft, line2);
  p.setPen(kSignalRed);
  p.setFont(ChineseFont(13, true));
  p.drawText(QRectF(24, 124, 230, 24), Qt::AlignLeft, wish);
  p.end();
  return image;
}

void StartPagePicture() {
  const QImage image = StartPageImage(QStringLiteral("Kestrelway 铁路时刻查询"), QStringLiteral("全国列车时刻　一查便知"),
                                      QStringLiteral("票价　里程　中转站"), QStringLiteral("祝您旅途愉快！"));
  const QByteArray gif = EncodeGif(image);
  // The file must read back as the picture that was drawn.
  QImage check;
  if (!check.loadFromData(gif, "GIF") || check.size() != image.size()) Fail("the GIF does not read back");
  const QImage indexed =
      image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (check.pixel(x, y) != indexed.pixel(x, y)) Fail("the GIF's pixels differ from the picture");
    }
  }
  WriteBytes("showmain.gif", gif);
}

// The English start page's picture (ShowMain_en.html), as PNG.
void EnglishStartPagePicture() {
  Save(StartPageImage(QStringLiteral("Kestrelway Railway Timetable"), QStringLiteral("Every train in China"),
                      QStringLiteral("Fares, distances, changes"), QStringLiteral("Have a good journey!")),
       QStringLiteral("showmain_en.png"), "PNG");
}

// ------------------------------------------------------------ icon and cursor

// A Windows icon (type 1) or cursor (type 2) file holding one 32-bit image.
QByteArray IconFile(const QImage& source, int type, int hotX, int hotY) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  const int w = image.width();
  const int h = image.height();
  const int maskStride = ((w + 31) / 32) * 4;
  QByteArray bitmap;
  auto put16 = [](QByteArray& b, int v) {
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
  };
  auto put32 = [&](QByteArray& b, quint32 v) {
    put16(b, int(v & 0xffff));
    put16(b, int(v >> 16));
  };
  put32(bitmap, 40);     // header size
  put32(bitmap, w);      // width
  put32(bitmap, h * 2);  // height of colour and mask together
  put16(bitmap, 1);      // planes
  put16(bitmap, 32);     // bits per pixel
  put32(bitmap, 0);      // no compression
  put32(bitmap, w * h * 4 + maskStride * h);
  for (int i = 0; i < 4; ++i) put32(bitmap, 0);
  for (int y = h - 1; y >= 0; --y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < w; ++x) put32(bitmap, line[x]);  // BGRA in memory order
  }
  for (int y = h - 1; y >= 0; --y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    QByteArray row(maskStride, 0);
    for (int x = 0; x < w; ++x) {
      if (qAlpha(line[x]) == 0) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
    }
    bitmap.append(row);
  }
  QByteArray file;
  put16(file, 0);
  put16(file, type);
  put16(file, 1);
  file.append(char(w < 256 ? w : 0));
  file.append(char(h < 256 ? h : 0));
  file.append(char(0));  // no palette
  file.append(char(0));
  put16(file, type == 2 ? hotX : 1);   // cursor hot spot, or planes
  put16(file, type == 2 ? hotY : 32);  // cursor hot spot, or bit count
  put32(file, bitmap.size());
  put32(file, 6 + 16);
  file.append(bitmap);
  return file;
}

// A hand pointing up; the tip of the forefinger is at (10, 1).
QImage PointingHand() {
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath hand;
  hand.moveTo(8, 3);
  hand.quadTo(10, 0.5, 12, 3);
  hand.lineTo(12, 12);
  hand.quadTo(14, 10, 16, 12.5);
  hand.quadTo(18, 11, 20, 13.5);
  hand.quadTo(22.5, 12.5, 24, 15);
  hand.lineTo(24, 22);
  hand.quadTo(23, 28, 19, 29);
  hand.lineTo(11, 29);
  hand.quadTo(8, 27, 4.5, 19);
  hand.quadTo(4, 16, 6.5, 16.5);
  hand.lineTo(8, 19);
  hand.closeSubpath();
  p.setPen(QPen(Qt::black, 1.2));
  p.setBrush(Qt::white);
  p.drawPath(hand);
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(QPointF(16, 12.5), QPointF(16, 18));
  p.drawLine(QPointF(20, 13.5), QPointF(20, 18.5));
  return image;
}

void IconAndCursor() {
  WriteBytes("main.ico", IconFile(TrainIcon(32), 1, 0, 0));
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!TrainIcon(64).save(&buffer, "PNG")) Fail("cannot make Trainicon.dat");
  WriteBytes("Trainicon.dat", png);
  WriteBytes("point.cur", IconFile(PointingHand(), 2, 10, 1));
  for (const char* name : {"main.ico", "point.cur", "Trainicon.dat"}) {
    if (QPixmap(g_out + "/" + name).isNull()) Fail(QString("%1 does not read back").arg(name));
  }
}

// The icon of the desktop's menus and windows in the hicolor theme's layout.
void DesktopIcons(const QString& hicolor) {
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
    const QString folder = QString("%1/%2x%2/apps").arg(hicolor).arg(size);
    if (!QDir().mkpath(folder)) Fail("cannot create " + folder);
    if (!TrainIcon(size).save(folder + "/kestrelway.png", "PNG")) Fail("cannot write the icon in " + folder);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: gen-pictures DATE_FILES_DIR ICON_THEME_DIR\n");
    return 2;
  }
  g_out = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(g_out)) Fail("cannot create " + g_out);
  Buttons();
  Diagram();
  LoadingPicture(QStringLiteral("frmShow.jpg"), QStringLiteral("铁路列车时刻查询"), QStringLiteral("正在载入，请稍候……"));
  LoadingPicture(QStringLiteral("frmShow_en.jpg"), QStringLiteral("Railway Timetable"), QStringLiteral("Loading, please wait..."));
  StartPagePicture();
  EnglishStartPagePicture();
  IconAndCursor();
  DesktopIcons(QString::fromLocal8Bit(argv[2]));
  return 0;
}
