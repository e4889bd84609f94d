// Station boxes and their type-ahead pick list, shared by the query panel
// and the journey window: a box takes station characters only, and typing in
// it lists the stations the text names; a click (or Enter) on a name puts it
// into the box. From the keyboard: Down moves from the box into the list,
// Up and Down walk it (Up from its first name goes back to the box), Enter
// picks (in the box: the first name), Esc closes the list and returns to the
// box. The list closes when
// the focus leaves both the box and the list.
#pragma once

#include <QObject>
#include <QPoint>

#include "query/StationLookup.h"

class QLineEdit;
class QListWidget;
class QValidator;

namespace kw {

class Database;
class MessageBoxes;

// A validator that drops every character `accepts` refuses, whether typed,
// pasted or dropped, keeping the cursor where it belongs.
QValidator* NewCharacterFilter(bool (*accepts)(QChar), QObject* parent);
// Makes `box` a station box: it takes all but the printable ASCII
// punctuation, typed or pasted, and at most kMaxStationTextLength characters.
void MakeStationBox(QLineEdit* box);

// What a station box shows for the station named `name`: in English its
// spelling before the name ("Beijingnan 北京南"), else the name; any other
// text as it is.
QString StationBoxText(const QString& name);
// The station text of what a box shows: the name without the spelling a pick
// put before it; a typed text as it is.
std::string StationBoxName(const QString& shown);

class StationPicker : public QObject {
  Q_OBJECT

 public:
  // The pick list, lstStation, is a hidden child of `listParent`.
  StationPicker(Database& db, MessageBoxes& messages, QWidget* listParent);

  QListWidget* list() const { return list_; }

  // Fills the list with the stations `box`'s text names, by initials or by
  // name when the text ends in a Chinese character (spaces do not count),
  // and shows it at `at` in its parent; hides it when none.
  void Complete(QLineEdit* box, QPoint at);
  // Empties and hides the list.
  void Close();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  // A name from the list went into `box`; the list closes after this.
  void picked(QLineEdit* box);

 private:
  void Pick(int index);
  bool BoxKey(int key);
  bool ListKey(int key);
  // The focus went to `now` (null: to no widget of the program).
  void FocusMoved(QWidget* now);

  Database& db_;
  MessageBoxes& messages_;
  QListWidget* list_;
  StationMatches matches_;
  QLineEdit* box_ = nullptr;  // the box the list fills
};

}  // namespace kw
