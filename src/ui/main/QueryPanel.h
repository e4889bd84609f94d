// The query panel of the main window: station boxes with their pick list,
// the advanced options (time window, transfer station, train class) and the
// train number box.
#pragma once

#include <QString>
#include <QWidget>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace kw {

class Database;
class MessageBoxes;
class StationPicker;

class QueryPanel : public QWidget {
  Q_OBJECT

 public:
  // The pick list lstStation is a child of `overlay` (the panel's parent,
  // whose origin is the panel's), so that it can open over the result area.
  QueryPanel(Database& db, MessageBoxes& messages, QWidget* overlay);

  // Empties both station boxes and the pick list.
  void ClearStations();
  // Puts `from` and `to` into the station boxes, the pick list closed.
  void SetStations(const QString& from, const QString& to);
  // Swaps the texts of the two station boxes (cmdSwap).
  void SwapStations();

  // Search window bounds as hhmm (0 = none): the hour box with the minute
  // box of the same row.
  int EarliestDeparture() const;
  int LatestArrival() const;
  // Either hour box holds an hour above 0.
  bool WindowHoursGiven() const;
  // cheAV and cheStation checked and a transfer station typed.
  bool TransferRequested() const;
  // The text of the chosen 车型 option while cheType is checked; empty
  // otherwise.
  std::string ChosenClass() const;

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLineEdit* txtFstation;
  QLineEdit* txtEstation;
  QToolButton* cmdSwap;  // ⇄ between the captions of the two boxes
  QPushButton* cmdSOK;
  QCheckBox* cheAV;
  QGroupBox* labav;
  QCheckBox* cheTime;
  QLineEdit* txtSTime;
  QLineEdit* txtEmin;
  QLineEdit* txtETime;
  QLineEdit* txtSMin;
  QCheckBox* cheStation;
  QLineEdit* txtCh_Station;
  QCheckBox* cheType;
  std::array<QRadioButton*, 4> Option1;
  QLineEdit* txtOrder;
  QPushButton* cmdOOk;
  QListWidget* lstStation;

 signals:
  void stationSearchRequested();
  void numberSearchRequested();

 private:
  void BuildControls();
  void FitHeight();
  QPoint ListPlace(const QLineEdit* box, int left, int top) const;
  void TransferStationChanged();
  void StationPicked(QLineEdit* box);
  void CheckRange(QLineEdit* box, int highest);
  void TimeToggled(bool checked);
  void TransferToggled(bool checked);
  void AdvancedToggled(bool checked);
  void KindToggled(bool checked);

  MessageBoxes& messages_;
  StationPicker* picker_;
};

}  // namespace kw
