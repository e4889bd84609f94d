#include "ui/main/StartPage.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <vector>

#include "store/DateFolder.h"
#include "ui/AppPaths.h"

namespace kw {

namespace {

// A picture's own size, kept in its format the first time it is fitted.
constexpr int kNaturalSizeProperty = QTextFormat::UserProperty + 1;

QSizeF PictureSize(const QVariant& resource) {
  if (resource.canConvert<QImage>()) return resource.value<QImage>().size();
  if (resource.canConvert<QPixmap>()) return resource.value<QPixmap>().size();
  return QImage::fromData(resource.toByteArray()).size();
}

}  // namespace

StartPage::StartPage(QWidget* parent) : QTextBrowser(parent) {}

void StartPage::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
  QTextBrowser::doSetSource(name, type);
  FitPictures();
}

QVariant StartPage::loadResource(int type, const QUrl& name) {
  const std::string file = QFileInfo(name.path()).fileName().toStdString();
  if (type == QTextDocument::ImageResource && ProgramWrites(file)) {
    QFile picture(DatePath(file));
    if (picture.open(QIODevice::ReadOnly)) return picture.readAll();
  }
  return QTextBrowser::loadResource(type, name);
}

void StartPage::resizeEvent(QResizeEvent* event) {
  QTextBrowser::resizeEvent(event);
  FitPictures();
}

void StartPage::FitPictures() {
  struct Picture {
    int position;
    int length;
    QTextImageFormat format;
  };
  std::vector<Picture> pictures;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.charFormat().isImageFormat())
        pictures.push_back({fragment.position(), fragment.length(), fragment.charFormat().toImageFormat()});
    }
  }

  const qreal room = viewport()->width() - 2 * document()->documentMargin() - 2;
  for (Picture& picture : pictures) {
    QTextImageFormat& format = picture.format;
    QSizeF natural = format.property(kNaturalSizeProperty).toSizeF();
    if (natural.isEmpty()) {
      const QSizeF own = PictureSize(document()->resource(QTextDocument::ImageResource, QUrl(format.name())));
      natural = {format.width() > 0 ? format.width() : own.width(),
                 format.height() > 0 ? format.height() : own.height()};
      if (natural.isEmpty()) continue;
      format.setProperty(kNaturalSizeProperty, natural);
    }
    const qreal scale = std::clamp(room / natural.width(), 0.0, 1.0);
    format.setWidth(natural.width() * scale);
    format.setHeight(natural.height() * scale);
    QTextCursor cursor(document());
    cursor.setPosition(picture.position);
    cursor.setPosition(picture.position + picture.length, QTextCursor::KeepAnchor);
    cursor.setCharFormat(format);
  }
}

}  // namespace kw
