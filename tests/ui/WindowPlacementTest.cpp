// Windows open within the screen (1600 × 1000 in the widget tests), however
// large they ask to be or wherever they were left.
#include "ui/WindowPlacement.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "ui/Platform.h"

namespace kw {
namespace {

TEST(WindowPlacement, WindowsOpenWithinTheScreen) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  QWidget tooLarge;  // the journey window at twice the scale
  tooLarge.resize(2400, 1200);
  CentreWindow(tooLarge, nullptr);
  tooLarge.show();
  EXPECT_TRUE(area.contains(tooLarge.frameGeometry())) << tooLarge.width() << "x" << tooLarge.height();
  EXPECT_GE(tooLarge.width(), area.width() - 50);

  const struct {
    QRect restored;
    QSize frameSize;
  } cases[] = {
      {{1500, 900, 800, 600}, {}},               // partly off the screen: moved, as large as it was
      {{-300, -200, 800, 600}, {}},
      {{100, 100, 2500, 1500}, area.size()},  // larger than the screen: as large as the screen
  };
  for (const auto& c : cases) {
    QWidget window;
    window.setGeometry(c.restored);
    window.show();
    KeepOnScreen(window);
    EXPECT_TRUE(area.contains(window.frameGeometry())) << c.restored.x();
    if (c.frameSize.isEmpty())
      EXPECT_EQ(window.size(), c.restored.size()) << c.restored.x();
    else
      EXPECT_EQ(window.frameGeometry().size(), c.frameSize) << c.restored.x();
  }
}

// A place restored before the window is shown (as the program starts): one
// on the screen stays exactly where it was; one off it comes on, with room
// left for the title bar the window manager adds once it is shown.
TEST(WindowPlacement, APlaceRestoredBeforeShowingIsKeptOrBroughtOnScreen) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  const struct {
    QRect restored;
    bool kept;
  } cases[] = {{{100, 100, 800, 600}, true}, {{1500, 900, 800, 600}, false}, {{-300, -200, 800, 600}, false}};
  for (const auto& c : cases) {
    QWidget window;
    window.setGeometry(c.restored);
    KeepOnScreen(window);
    EXPECT_EQ(window.geometry() == c.restored, c.kept) << c.restored.x();
    EXPECT_EQ(window.size(), c.restored.size()) << c.restored.x();
    EXPECT_TRUE(area.contains(window.geometry())) << c.restored.x();
    if (!c.kept && c.restored.x() > 0) {
      EXPECT_GE(area.bottom() - window.geometry().bottom(), 20) << "no room for the title bar";
    }
  }
}

// The open and save dialogs start in the user's documents folder (the home
// folder when there is none), not the program's.
TEST(FileDialogs, OpenAndSaveStartInTheDocumentsFolder) {
  const QString documents = DocumentsFolder();
  EXPECT_TRUE(documents == QDir::homePath() || documents.startsWith(QDir::homePath())) << documents.toStdString();
  QStringList seen;
  QTimer look;
  QObject::connect(&look, &QTimer::timeout, [&seen] {
    if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
      seen << QDir(dialog->directory()).absolutePath();
      dialog->reject();
    }
  });
  look.start(10);
  Platform& platform = DesktopPlatform();
  EXPECT_EQ(platform.files->OpenFile(nullptr, "open", "*"), "");
  EXPECT_EQ(platform.files->SaveFile(nullptr, "save", "a.csv", "*"), "");
  EXPECT_EQ(seen, (QStringList{QDir(documents).absolutePath(), QDir(documents).absolutePath()}));
}

}  // namespace
}  // namespace kw
