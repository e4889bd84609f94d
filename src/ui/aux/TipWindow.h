// Tip of the day, frmEveryday: one railway travel tip at a time, with next,
// previous, "do not show again" and close; Right and Left page, Esc closes.
#pragma once

#include <QWidget>
#include <optional>

#include "query/Tips.h"

class QCheckBox;
class QLabel;
class QTextEdit;

namespace kw {

class Database;
class PictureButton;

class TipWindow : public QWidget {
  Q_OBJECT

 public:
  // Starts on the tip that "RandomNumber" names (tip 1 when it names none).
  // A separate window above `parent`.
  TipWindow(Database& db, QWidget* parent);

  int currentId() const { return currentId_; }

  // The buttons' actions.
  void ShowNext();
  void ShowPrevious();
  // Saves "Display" and the tip to show first next time, then hides.
  void CloseTips();

  QLabel* lblHeading;
  QLabel* picIcon;
  QLabel* lblTitle;
  QTextEdit* txtContent;
  QCheckBox* chkNone;
  PictureButton* imgFront;
  PictureButton* Command2;
  PictureButton* Command3;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  std::optional<Tip> Load(int id);
  // The largest tip id; 0 when there is no tip or the tips cannot be read.
  int LargestId();
  // Shows tip `id` (tip 1 past the last). In English a tip the translation
  // file has no English for is passed over, going on by `step` (1 or -1).
  void ShowTip(int id, int step = 1);
  void SaveDisplay();

  Database& db_;
  int currentId_ = 1;
};

}  // namespace kw
