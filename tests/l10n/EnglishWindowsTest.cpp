// Every window of the program in English, on the hand-made timetable: no
// text a user sees holds a Chinese character, but for the names of stations
// whose pinyin the timetable does not know, a station's Chinese name beside
// its pinyin in a pick list, and the 语言 / Language menu. Texts fit their
// widgets.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTextEdit>
#include <QToolBar>
#include <QTreeWidget>
#include <algorithm>

#include "query/StationLookup.h"
#include "store/Database.h"
#include "support/RecordingPrintSurface.h"
#include "ui/PictureButton.h"
#include "ui/Startup.h"
#include "ui/Strings.h"
#include "ui/aux/AboutWindow.h"
#include "ui/aux/AdPictureWindow.h"
#include "ui/aux/ClosingScreen.h"
#include "ui/aux/TipWindow.h"
#include "ui/board/BoardWindow.h"
#include "ui/detail/TrainDetailWindow.h"
#include "ui/journey/JourneyWindow.h"
#include "ui/main/ResultPrinting.h"
#include "ui/map/MapWindow.h"
#include "ui/support/MainWindowFixture.h"

namespace kw {
namespace {

bool HasHan(const QString& text) {
  static const QRegularExpression han(QStringLiteral("[\\x{3400}-\\x{9FFF}\\x{F900}-\\x{FAFF}]"));
  return text.contains(han);
}

class EnglishWindowsTest : public test::MainWindowFixture {
 protected:
  EnglishWindowsTest() : MainWindowFixture(test::FillHandMadeTimetable, true) {
    ConnectResultPrinting(*main_, recorder_.platform);
    // The names that stay Chinese: stations whose pinyin is not known. The
    // longest first, so that none is taken out of a longer one.
    const auto pinyin = StationPinyinByName(*db_);
    for (const std::string& name : FindStations(*db_, "", false).names) {
      (pinyin.count(name) ? withPinyin_ : chineseNames_) << QString::fromStdString(name);
    }
    const auto longestFirst = [](const QString& a, const QString& b) { return a.size() > b.size(); };
    std::sort(chineseNames_.begin(), chineseNames_.end(), longestFirst);
    std::sort(withPinyin_.begin(), withPinyin_.end(), longestFirst);
  }

  // `text` without what may stay Chinese.
  QString WithoutExemptions(QString text) const {
    text.remove(str::kMenuLanguage);
    text.remove(u'\n');  // the detail window writes names downwards
    if (text == str::kLanguageChinese) return {};
    for (const QString& name : withPinyin_) text.replace(str::StationName(name) + u' ' + name, QString());
    for (const QString& name : chineseNames_) text.remove(name);
    return text;
  }

  // Records a Chinese text that should not be there, with where it was.
  void Check(const QString& where, const QString& text) {
    ++checked_;
    if (HasHan(WithoutExemptions(text))) ADD_FAILURE() << where.toStdString() << ": " << text.toStdString();
  }

  void CheckActions(const QString& where, const QList<QAction*>& actions) {
    for (QAction* action : actions) {
      Check(where + " action", action->text());
      Check(where + " action tip", action->toolTip());
      if (action->menu()) CheckMenu(action->menu());
    }
  }
  void CheckMenu(QMenu* menu) {
    Check("menu", menu->title());
    CheckActions(menu->objectName(), menu->actions());
  }

  // Every text of `window` and its children a user can see now or after a
  // click: titles, labels, buttons, tool tips, headers and cells of lists,
  // menus, the actions of context menus, what text panes show; and, in a
  // window that has been shown, that they fit (CheckFits).
  void CheckWindow(QWidget* window) {
    ASSERT_NE(window, nullptr);
    if (window->isVisible()) CheckFits(window);
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    const QString name = window->objectName();
    Check(name + " title", window->windowTitle());
    for (QWidget* w : widgets) {
      const QString where = name + "/" + w->objectName() + " (" + w->metaObject()->className() + ")";
      Check(where + " tip", w->toolTip());
      CheckActions(where, w->actions());
      if (auto* label = qobject_cast<QLabel*>(w)) Check(where, label->text());
      if (auto* button = qobject_cast<QAbstractButton*>(w)) Check(where, button->text());
      if (auto* box = qobject_cast<QGroupBox*>(w)) Check(where, box->title());
      if (auto* edit = qobject_cast<QLineEdit*>(w)) Check(where, edit->placeholderText());
      if (auto* pane = qobject_cast<QTextEdit*>(w)) Check(where, pane->toPlainText());
      if (auto* menu = qobject_cast<QMenu*>(w)) CheckMenu(menu);
      if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
        for (int c = 0; c < tree->columnCount(); ++c) Check(where + " header", tree->headerItem()->text(c));
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
          Check(where + " row", test::ItemTexts(*it).join(u'|'));
      }
      if (auto* grid = qobject_cast<QTableWidget*>(w)) {
        for (int r = 0; r < grid->rowCount(); ++r) Check(where + " row", test::RowTexts(grid, r).join(u'|'));
      }
      if (auto* list = qobject_cast<QListWidget*>(w)) {
        for (int r = 0; r < list->count(); ++r) Check(where + " item", list->item(r)->text());
      }
    }
  }

  // Every message box shown so far.
  void CheckMessages() {
    for (const QString& text : recorder_.messages.Texts()) Check("message", text);
  }

  // Labels, buttons and check boxes that show are as wide as their text;
  // lists as their items, list headers as their captions.
  void CheckFits(QWidget* window) {
    QApplication::processEvents();  // the layouts take the texts set last
    const auto fits = [window](int needed, int width, const QWidget* w, const QString& text) {
      EXPECT_LE(needed, width) << (window->objectName() + "/" + w->objectName() + ": " + text).toStdString();
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (!w->isVisibleTo(window)) continue;
      if (auto* list = qobject_cast<QListWidget*>(w); list && list->count() > 0)
        fits(list->sizeHintForColumn(0), list->viewport()->width(), w, "");
      if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
        for (int c = 0; c < tree->columnCount(); ++c) {
          const QString caption = tree->headerItem()->text(c);
          if (tree->isColumnHidden(c)) continue;
          fits(tree->header()->fontMetrics().horizontalAdvance(caption), tree->header()->sectionSize(c), w,
               caption);
        }
      }
      if (w->width() <= 0) continue;
      if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap() && label->pixmap().isNull()) {
        for (const QString& line : label->text().split(u'\n')) {
          if (!Qt::mightBeRichText(line))
            fits(label->fontMetrics().horizontalAdvance(line), label->contentsRect().width(), w, line);
        }
      }
      // A check box needs its text beside its mark; a button its text
      // within its frame.
      if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty()) {
        const QString text = QString(button->text()).remove(u'&');
        const bool marked = qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
        fits(marked ? button->sizeHint().width() : button->fontMetrics().horizontalAdvance(text) + 6,
             button->width(), w, text);
      }
    }
  }

  QStringList chineseNames_;
  QStringList withPinyin_;
  int checked_ = 0;
};

// The main window as it opens, with the advanced options shown, its menus,
// the start page and the status bar; the pick list shows both spellings and
// puts the name into the box.
TEST_F(EnglishWindowsTest, MainWindowMenusAndPickList) {
  main_->panel->cheAV->setChecked(true);
  main_->panel->txtFstation->setText("bjn");
  QListWidget* picks = main_->panel->lstStation;
  ASSERT_EQ(picks->count(), 1);
  EXPECT_EQ(picks->item(0)->text(), "Beijingnan 北京南");
  CheckWindow(main_.get());
  QTest::mouseClick(picks->viewport(), Qt::LeftButton, {}, picks->visualItemRect(picks->item(0)).center());
  // The box shows both spellings; the search takes the name.
  EXPECT_EQ(main_->panel->txtFstation->text(), "Beijingnan 北京南");
  // The list as wide as both spellings.
  main_->panel->txtEstation->setText("shanghai");
  ASSERT_EQ(picks->count(), 3);
  EXPECT_EQ(picks->item(1)->text(), "Shanghaihongqiao 上海虹桥");
  CheckFits(main_.get());
  main_->panel->txtEstation->setText("shhq");
  ASSERT_EQ(picks->count(), 1);
  QTest::keyClick(main_->panel->txtEstation, Qt::Key_Return);
  EXPECT_EQ(main_->panel->txtEstation->text(), "Shanghaihongqiao 上海虹桥");
  QTest::mouseClick(main_->panel->cmdSOK, Qt::LeftButton);
  EXPECT_GT(main_->results->lvMain->topLevelItemCount(), 0);
  EXPECT_EQ(main_->results->lvMain->topLevelItem(0)->text(7), "Beijingnan");
  main_->ResetQueryPanel();
  EXPECT_TRUE(main_->sbMainPanel1->text().contains("2026-12"));
  EXPECT_TRUE(main_->results->WebBrowser1->toPlainText().contains("Welcome"));
  CheckFits(main_.get());
  // Every text box's own menu is Qt's, in English.
  std::unique_ptr<QMenu> boxMenu(main_->panel->txtFstation->createStandardContextMenu());
  CheckMenu(boxMenu.get());
  EXPECT_GT(checked_, 100);
}

// A station search, its rows' columns; the class option still searches by
// the timetable's class; the detail window opened from a row, its diagram
// and fares; printing the result; the CSV file's header line.
TEST_F(EnglishWindowsTest, ResultsDetailPrintoutAndCsv) {
  Advanced(main_->panel->cheType);
  main_->panel->Option1[0]->setChecked(true);  // 特快
  StationSearch("北京", "上海");
  QTreeWidget* list = main_->results->lvMain;
  ASSERT_GT(list->topLevelItemCount(), 0);
  EXPECT_EQ(list->topLevelItem(0)->text(7), "Beijing");
  EXPECT_EQ(list->topLevelItem(0)->text(8), "Shanghai");
  CheckWindow(main_.get());

  list->setCurrentItem(list->topLevelItem(0));
  QTest::keyClick(list, Qt::Key_Return);
  Settle();
  TrainDetailWindow* detail = opener_->window();
  ASSERT_NE(detail, nullptr);
  EXPECT_TRUE(detail->lblTitle->text().contains("Beijing"));
  CheckWindow(detail);

  // The printout of the result: every text on the page.
  main_->Toolbar1ButtonClick(5);
  ASSERT_FALSE(recorder_.printers.printer.texts.empty());
  for (const auto& printed : recorder_.printers.printer.texts) Check("printed", printed.text);

  // The list's CSV file.
  test::TempDir dir;
  const QString path = QString::fromStdString((dir.Path() / "list.csv").string());
  recorder_.files.savePaths = {path};
  list->findChild<QAction*>("actExportCsv")->trigger();
  const QString header = QString::fromStdString(test::ReadFile(dir.Path() / "list.csv")).section(u'\n', 0, 0);
  EXPECT_TRUE(header.contains(str::kColTrain.str())) << header.toStdString();
  Check("csv header", header);
  Check("file name", recorder_.files.suggested);
  CheckMessages();
}

// No through train: the offer, the candidates in both spellings, a pick
// searches by the name; a train number search.
TEST_F(EnglishWindowsTest, TransferCandidatesAndNumberSearch) {
  StationSearch("商丘", "上饶");
  QListWidget* candidates = main_->results->lstChange;
  ASSERT_EQ(candidates->count(), 2);
  EXPECT_EQ(candidates->item(0)->text(), "南昌");  // no pinyin: its name
  QTest::mouseClick(candidates->viewport(), Qt::LeftButton, {},
                    candidates->visualItemRect(candidates->item(0)).center());
  EXPECT_GT(main_->results->lvchang[0]->topLevelItemCount(), 0);
  CheckWindow(main_.get());
  NumberSearch("T109");
  ASSERT_EQ(main_->results->lvMain->topLevelItemCount(), 1);
  CheckWindow(main_.get());
  NumberSearch("X1");  // no such train: a message
  CheckMessages();
  EXPECT_GE(recorder_.messages.shown.size(), 2u);
}

// The station board, the journey window and the map.
TEST_F(EnglishWindowsTest, BoardJourneysAndMap) {
  main_->mnuBoard->trigger();
  BoardWindow* board = main_->boardWindow();
  CheckFits(board);
  board->txtStation->setText("北京南");
  QTest::mouseClick(board->cmdSearch, Qt::LeftButton);
  ASSERT_GT(board->lvBoard->topLevelItemCount(), 0);
  CheckWindow(board);
  // Its printout: the title names the station in pinyin.
  QTest::mouseClick(board->cmdPrint, Qt::LeftButton);
  auto& printed = recorder_.printers.printer.texts;
  ASSERT_FALSE(printed.empty());
  EXPECT_TRUE(printed.front().text.startsWith("Beijingnan")) << printed.front().text.toStdString();
  for (const auto& text : printed) Check("board printed", text.text);
  printed.clear();

  main_->panel->SetStations("北京", "上海");
  main_->mnuJourney->trigger();
  JourneyWindow* journeys = main_->journeyWindow();
  CheckFits(journeys);  // its headers before any search
  QTest::mouseClick(journeys->cmdSearch, Qt::LeftButton);
  ASSERT_GT(journeys->lvJourney->topLevelItemCount(), 0);
  journeys->lvJourney->expandAll();
  CheckWindow(journeys);
  QTest::mouseClick(journeys->cmdPrint, Qt::LeftButton);
  ASSERT_FALSE(printed.empty());
  for (const auto& text : printed) Check("journeys printed", text.text);

  main_->OpenMapOnStation("北京南");
  MapWindow* map = main_->mapWindow();
  ASSERT_NE(map, nullptr);
  EXPECT_EQ(map->windowTitle(), str::kMapTitleOf.arg("Beijingnan"));
  CheckWindow(map);
  // The names drawn on the map, as a picture of it holds them.
  test::TempDir dir;
  ASSERT_TRUE(map->ExportTo(QString::fromStdString((dir.Path() / "map.svg").string())));
  static const QRegularExpression drawn(QStringLiteral("<text[^>]*>([^<]*)</text>"));
  QStringList names;
  for (const auto& run : drawn.globalMatch(QString::fromStdString(test::ReadFile(dir.Path() / "map.svg"))))
    names << run.captured(1).trimmed();
  EXPECT_TRUE(names.contains("Beijingnan")) << names.join(u',').toStdString();
  for (const QString& name : names) Check("map", name);
  CheckMessages();
}

// The tip of the day, About, the closing screen and the picture window.
TEST_F(EnglishWindowsTest, TipsAboutClosingAndPicture) {
  main_->OpenTips();
  CheckWindow(main_->tipWindow());
  main_->OpenAbout();
  CheckWindow(main_->aboutWindow());
  ClosingScreen closing;
  CheckWindow(&closing);
  AdPictureWindow picture;
  CheckWindow(&picture);
  // Qt's own file dialog speaks English too.
  QFileDialog files(main_.get());
  files.setOption(QFileDialog::DontUseNativeDialog);
  CheckWindow(&files);
}

// Tips that have English between two that have none: in English the tip
// window shows the one, whichever way it pages.
test::TestTimetable& FillMixedTips(test::TestTimetable& t) {
  test::FillUiTimetable(t);
  t.Set("everyday",
        "1\t没有英文\t这一条没有英文。\n"
        "2\t提前进站\t大站进站要经过实名验证和安全检查，客流高峰时排队较久。建议至少提前四十分钟到达车站，开"
        "车前五分钟停止检票。\n"
        "3\t也没有\t这一条也没有英文。\n");
  return t;
}

class EnglishTipsTest : public test::MainWindowFixture {
 protected:
  EnglishTipsTest() : MainWindowFixture(FillMixedTips) {}
};

TEST_F(EnglishTipsTest, TipsWithoutEnglishArePassedOver) {
  main_->OpenTips();
  TipWindow* tips = main_->tipWindow();
  const QString title = tips->lblTitle->text();
  EXPECT_FALSE(HasHan(title)) << title.toStdString();
  EXPECT_TRUE(tips->txtContent->toPlainText().startsWith("At large stations"))
      << tips->txtContent->toPlainText().toStdString();
  for (PictureButton* button : {tips->Command2, tips->Command2, tips->imgFront, tips->imgFront}) {
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(tips->lblTitle->text(), title);
  }
}

// 语言 / Language: the current language is checked; choosing the other
// remembers it and offers a restart in both languages; OK closes the window
// for the restart, Cancel keeps it.
TEST_F(EnglishWindowsTest, LanguageMenuRemembersAndOffersARestart) {
  EXPECT_EQ(main_->mnuLanguage->title(), "语言 / Language");
  EXPECT_TRUE(main_->mnuEnglish->isChecked());
  EXPECT_FALSE(main_->mnuChinese->isChecked());
  main_->mnuEnglish->trigger();
  EXPECT_TRUE(Shown().empty());
  EXPECT_EQ(SavedLanguage(), Language::English);

  recorder_.messages.answers = {MessageAnswer::Cancel};
  main_->mnuChinese->trigger();
  EXPECT_EQ(Said(), test::Said{"i OK/Cancel: " + str::kLanguageRestart.toStdString()});
  EXPECT_EQ(SavedLanguage(), Language::Chinese);
  EXPECT_FALSE(main_->restartRequested());
  EXPECT_TRUE(main_->isVisible());

  main_->mnuEnglish->trigger();  // back: nothing to restart for
  EXPECT_EQ(Shown().size(), 1u);
  main_->mnuChinese->trigger();  // OK: the window closes for the restart
  EXPECT_EQ(Shown().size(), 2u);
  EXPECT_TRUE(main_->restartRequested());
  EXPECT_FALSE(main_->isVisible());
  EXPECT_NE(main_->closingScreen(), nullptr);
}

}  // namespace
}  // namespace kw
