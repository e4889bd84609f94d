// Takes the README's screenshots from the program's own windows on the
// shipped timetable: starts them as the program does, then types, picks and
// clicks as a user would, finding each control by its name, and saves each
// window as a PNG. Run through scripts/screenshots, under Xvfb.
//
//   main.png      the main window after a search from 北京 to 上海
//   detail.png    the train detail window of one of its trains
//   journey.png   the journey window on the same stations, where the program has one
//   picklist.png  the main window's pick list after typing `shanghai`, walked with Down, Down
//   board.png     the station board of 北京西 from 18:00, where the program has one
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>
#include <QTreeWidget>
#include <cstdio>
#include <cstdlib>

#include "ui/AppPaths.h"
#include "ui/Platform.h"
#include "ui/Startup.h"
#include "ui/main/MainWindow.h"

namespace {

QString g_out;

[[noreturn]] void Fail(const QString& what) {
  std::fprintf(stderr, "screenshots: %s\n", qPrintable(what));
  std::exit(1);
}

template <class W>
W* Find(QObject* parent, const char* name) {
  auto* found = parent->findChild<W*>(QString::fromLatin1(name));
  if (!found) Fail(QStringLiteral("no control %1 in %2").arg(name, parent->objectName()));
  return found;
}

// The shown window named `name`, once it is there.
QWidget* Window(const char* name) {
  for (int tries = 0; tries < 50; ++tries) {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QLatin1String(name) && w->isVisible()) return w;
    QTest::qWait(100);
  }
  return nullptr;
}

void Save(QWidget* window, const char* file) {
  QTest::qWait(800);  // every part painted, pictures loaded
  const QString path = g_out + "/" + file;
  if (!window->grab().save(path)) Fail("cannot write " + path);
  std::printf("screenshots: %s\n", qPrintable(path));
}

// Types `typed` into the station box `box` and picks `name` from the pick list.
void PickStation(QWidget* window, const char* box, const QString& typed, const QString& name) {
  auto* edit = Find<QLineEdit>(window, box);
  edit->clear();  // a window may start with the main window's stations
  edit->setFocus();
  QTest::keyClicks(edit, typed);
  auto* list = Find<QListWidget>(window, "lstStation");
  const auto items = list->findItems(name, Qt::MatchExactly);
  if (items.isEmpty()) Fail(QStringLiteral("typing %1 does not offer %2").arg(typed, name));
  list->scrollToItem(items.front());
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.front()).center());
}

// Double-clicks the first row of `list` whose first column contains `text`.
void OpenRow(QTreeWidget* list, const QString& text) {
  const auto items = list->findItems(text, Qt::MatchContains, 0);
  if (items.isEmpty()) Fail(QStringLiteral("no row with %1 in %2").arg(text, list->objectName()));
  list->setCurrentItem(items.front());
  list->scrollToItem(items.front());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.front()).center());
}

// Types `shanghai` into the departure box and walks the pick list with the
// keyboard: Down into the list, Down to its second name.
void PickListWalked(QWidget* main) {
  main->activateWindow();
  auto* box = Find<QLineEdit>(main, "txtFstation");
  box->clear();
  box->setFocus();
  QTest::keyClicks(box, QStringLiteral("shanghai"));
  auto* list = Find<QListWidget>(main, "lstStation");
  if (list->isHidden() || list->count() < 2) {
    std::printf("screenshots: typing shanghai offers fewer than two stations; picklist.png skipped\n");
    return;
  }
  QTest::keyClick(box, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Down);
  Save(main, "picklist.png");
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: kw-screenshots PROGRAM_FOLDER OUTPUT_DIR\n");
    return 2;
  }
  kw::SetDateRoot(argv[1]);
  g_out = QString::fromLocal8Bit(argv[2]);
  kw::WriteEveryDay(kw::kDisplayKey, QStringLiteral("1"));  // straight to the main window

  kw::Program program(kw::DesktopPlatform());
  if (!program.Start([](kw::MainWindow& window) { kw::WireTrainDetail(window); })) return 1;
  kw::MainWindow* main = program.mainWindow();
  main->move(0, 0);

  PickStation(main, "txtFstation", "bj", "北京");
  PickStation(main, "txtEstation", "sh", "上海");
  QTest::mouseClick(Find<QPushButton>(main, "cmdSOK"), Qt::LeftButton);
  auto* results = Find<QTreeWidget>(main, "lvMain");
  if (results->topLevelItemCount() == 0) Fail("the search from 北京 to 上海 found nothing");
  Save(main, "main.png");

  OpenRow(results, "T109次");
  QWidget* detail = Window("frmPass");
  if (!detail) Fail("the train detail window did not open");
  Save(detail, "detail.png");
  detail->close();

  auto* journeys = main->findChild<QAction*>(QStringLiteral("mnuJourney"));
  if (!journeys) {
    std::printf("screenshots: this program has no journey window; journey.png skipped\n");
    return 0;
  }
  journeys->trigger();
  QWidget* journey = Window("frmJourney");
  if (!journey) Fail("the journey window did not open");
  journey->move(0, 0);
  PickStation(journey, "txtFstation", "bj", "北京");
  PickStation(journey, "txtEstation", "sh", "上海");
  QTest::mouseClick(Find<QPushButton>(journey, "cmdSearch"), Qt::LeftButton);
  auto* list = Find<QTreeWidget>(journey, "lvJourney");
  // Open the first journey with a change (more than one leg), else the first.
  QTreeWidgetItem* shown = list->topLevelItem(0);
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    if (list->topLevelItem(i)->childCount() > 1) {
      shown = list->topLevelItem(i);
      break;
    }
  }
  if (shown) list->expandItem(shown);
  Save(journey, "journey.png");
  journey->close();
  PickListWalked(main);

  auto* boards = main->findChild<QAction*>(QStringLiteral("mnuBoard"));
  if (!boards) {
    std::printf("screenshots: this program has no station board; board.png skipped\n");
    return 0;
  }
  boards->trigger();
  QWidget* board = Window("frmBoard");
  if (!board) Fail("the station board window did not open");
  board->move(0, 0);
  PickStation(board, "txtStation", "bjx", "北京西");
  Find<QTimeEdit>(board, "timAfter")->setTime(QTime(18, 0));
  QTest::mouseClick(Find<QPushButton>(board, "cmdSearch"), Qt::LeftButton);
  if (Find<QTreeWidget>(board, "lvBoard")->topLevelItemCount() == 0) Fail("北京西 from 18:00 lists nothing");
  Save(board, "board.png");
  return 0;
}
