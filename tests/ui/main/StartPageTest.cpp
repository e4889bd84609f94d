// The start page of an installed program: the page is read where it is
// installed, its advertisement picture from the user's copy once one has been
// downloaded there.
#include "ui/main/StartPage.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QUrl>

#include "support/TestTimetable.h"
#include "ui/AppPaths.h"

namespace kw {
namespace {

QSize PictureOnThePage(const test::TempDir& dir) {
  StartPage page;
  page.setSource(QUrl::fromLocalFile(QString::fromStdString((dir.Path() / "share/ShowMain.html").string())));
  const QVariant picture = page.document()->resource(QTextDocument::ImageResource, QUrl("showmain.gif"));
  if (picture.canConvert<QImage>()) return picture.value<QImage>().size();
  if (picture.canConvert<QPixmap>()) return picture.value<QPixmap>().size();
  return QImage::fromData(picture.toByteArray()).size();
}

TEST(StartPage, TheAdvertisementPictureComesFromTheCopyWhereThereIsOne) {
  test::TempDir dir;
  dir.Write("share/ShowMain.html", "<html><body><img src=\"showmain.gif\"></body></html>");
  dir.Write("user/date/Train.dll", "");
  const auto picture = [&](const std::string& name, int width) {
    QImage(width, 10, QImage::Format_RGB32).save(QString::fromStdString((dir.Path() / name).string()), "PNG");
  };
  picture("share/showmain.gif", 40);
  DatePlace place;
  place.root = dir.Path() / "user";
  place.source = dir.Path() / "share";
  SetDatePlace(place);
  EXPECT_EQ(PictureOnThePage(dir), QSize(40, 10));  // none downloaded yet
  picture("user/date/showmain.gif", 30);
  EXPECT_EQ(PictureOnThePage(dir), QSize(30, 10));
  SetDateRoot({});
}

}  // namespace
}  // namespace kw
