#include "ui/main/QueryPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "query/StationLookup.h"
#include "query/TimetableTime.h"
#include "query/TrainNumberSearch.h"
#include "ui/FitTexts.h"
#include "ui/Platform.h"
#include "ui/StationPicker.h"
#include "ui/Strings.h"
#include "ui/Twips.h"

namespace kw {

namespace {

// Which characters the time and train number boxes take, typed or pasted.
bool TimeBoxAccepts(QChar c) { return c >= u'0' && c <= u'9'; }

bool OrderBoxAccepts(QChar c) {
  const char16_t u = c.unicode();
  return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

// Geometry of the panel, in twips from the panel's top-left corner (the pick
// list's positions are from the same corner).
constexpr int kBoxHeight = 330;
constexpr int kButtonHeight = 360;
constexpr int kFromListLeft = 840, kFromListTop = 1080;
constexpr int kToListLeft = 2820, kToListTop = 1080;
constexpr int kViaListLeft = 5070, kViaListTop = 3030;
constexpr int kFrameLeft = 120, kFrameTop = 1500, kFrameWidth = 7800, kFrameHeight = 1680;
constexpr int kPanelWidth = 9000;

const QColor kDisabledBoxColour(0xC0, 0xC0, 0xC0);

QLineEdit* MakeBox(QWidget* parent, const char* name, QRect geometry, const QString& tip) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setGeometry(geometry);
  box->setToolTip(tip);
  return box;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, QRect geometry, const char* name = nullptr) {
  auto* label = new QLabel(text, parent);
  if (name) label->setObjectName(name);
  label->setGeometry(geometry);
  return label;
}

// An enabled time or transfer box has the window background; a disabled one
// is grey.
void SetBoxEnabled(QLineEdit* box, bool enabled) {
  box->setEnabled(enabled);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, enabled ? QApplication::palette().color(QPalette::Active, QPalette::Base)
                                           : kDisabledBoxColour);
  box->setPalette(palette);
}

// The whole part of the number in a digits-only box.
int BoxValue(const QLineEdit* box) { return box->text().left(9).toInt(); }

}  // namespace

QueryPanel::QueryPanel(Database& db, MessageBoxes& messages, QWidget* overlay)
    : QWidget(overlay), messages_(messages), picker_(new StationPicker(db, messages, overlay)) {
  setObjectName("QueryPanel");
  setFixedWidth(TwipsToPixels(kPanelWidth));
  BuildControls();

  connect(txtFstation, &QLineEdit::textChanged, this,
          [this] { picker_->Complete(txtFstation, ListPlace(txtFstation, kFromListLeft, kFromListTop)); });
  connect(txtEstation, &QLineEdit::textChanged, this,
          [this] { picker_->Complete(txtEstation, ListPlace(txtEstation, kToListLeft, kToListTop)); });
  connect(txtCh_Station, &QLineEdit::textChanged, this, [this] { TransferStationChanged(); });
  connect(picker_, &StationPicker::picked, this, &QueryPanel::StationPicked);
  connect(cmdSwap, &QToolButton::clicked, this, &QueryPanel::SwapStations);
  for (QLineEdit* box : {txtSTime, txtETime}) {
    connect(box, &QLineEdit::textChanged, this, [this, box] { CheckRange(box, 23); });
  }
  for (QLineEdit* box : {txtEmin, txtSMin}) {
    connect(box, &QLineEdit::textChanged, this, [this, box] { CheckRange(box, 59); });
  }
  connect(cheAV, &QCheckBox::toggled, this, &QueryPanel::AdvancedToggled);
  connect(cheTime, &QCheckBox::toggled, this, &QueryPanel::TimeToggled);
  connect(cheStation, &QCheckBox::toggled, this, &QueryPanel::TransferToggled);
  connect(cheType, &QCheckBox::toggled, this, &QueryPanel::KindToggled);
  // Enter presses a focused 确定 as Space does (after a pick the focus waits
  // on cmdSOK); outside a dialog a button takes Enter only when auto-default.
  for (QPushButton* button : {cmdSOK, cmdOOk}) button->setAutoDefault(true);
  connect(cmdSOK, &QPushButton::clicked, this, &QueryPanel::stationSearchRequested);
  connect(cmdOOk, &QPushButton::clicked, this, &QueryPanel::numberSearchRequested);
  connect(txtOrder, &QLineEdit::returnPressed, this, &QueryPanel::numberSearchRequested);
  // Enter in a station box searches once both are filled, else moves on to
  // the empty one (with the pick list open, Enter takes a name first).
  for (QLineEdit* box : {txtFstation, txtEstation}) {
    connect(box, &QLineEdit::returnPressed, this, [this] {
      const auto empty = [](const QLineEdit* b) { return RemoveSpaces(b->text().toStdString()).empty(); };
      if (empty(txtFstation))
        txtFstation->setFocus();
      else if (empty(txtEstation))
        txtEstation->setFocus();
      else
        emit stationSearchRequested();
    });
  }

  // The reset state: options hidden and off, their boxes disabled and grey.
  labav->hide();
  FitHeight();
  for (QLineEdit* box : {txtSTime, txtEmin, txtETime, txtSMin, txtCh_Station}) SetBoxEnabled(box, false);
  for (QRadioButton* option : Option1) option->setEnabled(false);
}

void QueryPanel::BuildControls() {
  Label1 = MakeLabel(this, str::kFromLabel, TwipsRect(840, 450, 1800, 270), "Label1");
  Label2 = MakeLabel(this, str::kToLabel, TwipsRect(2820, 450, 1800, 270), "Label2");
  txtFstation = MakeBox(this, "txtFstation", TwipsRect(840, 720, 1800, kBoxHeight), str::kFromTip);
  txtEstation = MakeBox(this, "txtEstation", TwipsRect(2820, 720, 1800, kBoxHeight), str::kToTip);
  // Between the two captions, over the right end of the first caption's
  // empty room, so that the boxes keep their places.
  cmdSwap = new QToolButton(this);
  cmdSwap->setObjectName("cmdSwap");
  cmdSwap->setText(str::kSwapStations);
  cmdSwap->setToolTip(str::kSwapTip);
  cmdSwap->setAutoRaise(true);
  cmdSwap->setGeometry(TwipsRect(2355, 405, 390, 315));
  cmdSOK = new QPushButton(str::kConfirm, this);
  cmdSOK->setObjectName("cmdSOK");
  cmdSOK->setGeometry(TwipsRect(4770, 705, 900, kButtonHeight));

  Label3 = MakeLabel(this, str::kOrderLabel, TwipsRect(6150, 450, 1800, 270), "Label3");
  txtOrder = MakeBox(this, "txtOrder", TwipsRect(6150, 720, 1650, kBoxHeight), str::kOrderTip);
  cmdOOk = new QPushButton(str::kConfirm, this);
  cmdOOk->setObjectName("cmdOOk");
  cmdOOk->setGeometry(TwipsRect(7920, 705, 900, kButtonHeight));

  cheAV = new QCheckBox(str::kAdvanced, this);
  cheAV->setObjectName("cheAV");
  cheAV->setGeometry(TwipsRect(840, 1140, 1500, 300));

  labav = new QGroupBox(this);
  labav->setObjectName("labav");
  labav->setGeometry(TwipsRect(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight));

  // Time window: the departure row above the arrival row.
  cheTime = new QCheckBox(str::kTimeOption, labav);
  cheTime->setObjectName("cheTime");
  cheTime->setGeometry(TwipsRect(150, 255, 1200, 300));
  const int rowTop[2] = {240, 660};
  QLineEdit* hours[2];
  QLineEdit* minutes[2];
  hours[0] = txtSTime = MakeBox(labav, "txtSTime", {}, str::kEarliestHourTip);
  minutes[0] = txtEmin = MakeBox(labav, "txtEmin", {}, str::kEarliestMinuteTip);
  hours[1] = txtETime = MakeBox(labav, "txtETime", {}, str::kLatestHourTip);
  minutes[1] = txtSMin = MakeBox(labav, "txtSMin", {}, str::kLatestMinuteTip);
  QList<QLabel*> timeLabels;
  for (int row = 0; row < 2; ++row) {
    const int top = rowTop[row];
    timeLabels << MakeLabel(labav, str::kTimeAt, TwipsRect(1380, top + 30, 240, 270));
    hours[row]->setGeometry(TwipsRect(1620, top, 450, kBoxHeight));
    MakeLabel(labav, str::kTimeColon, TwipsRect(2100, top + 30, 240, 270));
    minutes[row]->setGeometry(TwipsRect(2340, top, 450, kBoxHeight));
    timeLabels << MakeLabel(labav, row == 0 ? str::kAfterDeparture : str::kBeforeArrival,
                            TwipsRect(2850, top + 30, 1500, 270));
    hours[row]->setMaxLength(2);
    minutes[row]->setMaxLength(2);
  }

  // Train class beside the time window; the transfer station below it, where
  // its pick list opens.
  cheType = new QCheckBox(str::kKindOption, labav);
  cheType->setObjectName("cheType");
  cheType->setGeometry(TwipsRect(4620, 255, 1200, 300));
  for (int i = 0; i < 4; ++i) {
    Option1[i] = new QRadioButton(str::kKindNames[i], labav);
    Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
    Option1[i]->setGeometry(TwipsRect(4620 + 780 * i, 675, 780, 300));
  }
  cheStation = new QCheckBox(str::kTransferOption, labav);
  cheStation->setObjectName("cheStation");
  cheStation->setGeometry(TwipsRect(3660, 1185, 1260, 300));
  txtCh_Station = MakeBox(
      labav, "txtCh_Station",
      TwipsRect(kViaListLeft - kFrameLeft, kViaListTop - kFrameTop - 30 - kBoxHeight, 1800, kBoxHeight),
      QString());
  lstStation = picker_->list();

  // What each box takes, typed or pasted; a station name or a train number
  // with room to spare.
  for (QLineEdit* box : {txtFstation, txtEstation, txtCh_Station}) MakeStationBox(box);
  for (QLineEdit* box : {txtSTime, txtEmin, txtETime, txtSMin}) {
    box->setValidator(NewCharacterFilter(TimeBoxAccepts, box));
  }
  txtOrder->setValidator(NewCharacterFilter(OrderBoxAccepts, txtOrder));
  txtOrder->setMaxLength(kMaxTrainNumberLength);

  // Longer texts than the Chinese: each caption as wide as its text, the
  // class options side by side, the transfer box after its check box, the
  // frame and the panel around what they hold.
  if (TextsAreTranslated()) {
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Label2, Label3, cheAV, cheTime, cheType, cheStation})
      WidenToText(w);
    // Room for a picked name with its spelling ("Shanghaihongqiao 上海虹桥"):
    // the station boxes wider, what stands right of them moved on.
    const int more = TwipsToPixels(900);
    const auto moveBy = [](std::initializer_list<QWidget*> widgets, int dx) {
      for (QWidget* w : widgets) w->move(w->x() + dx, w->y());
    };
    for (QLineEdit* box : {txtFstation, txtEstation}) box->resize(box->width() + more, box->height());
    moveBy({cmdSwap, Label2, txtEstation}, more);
    moveBy({cmdSOK, Label3, txtOrder, cmdOOk}, 2 * more);
    for (QLabel* label : timeLabels) WidenToText(label);
    RowToTexts({Option1[0], Option1[1], Option1[2], Option1[3]}, TwipsToPixels(90));
    const int boxLeft = cheStation->geometry().right() + 1 + TwipsToPixels(60);
    if (txtCh_Station->x() < boxLeft) txtCh_Station->move(boxLeft, txtCh_Station->y());
    WidenToChildren(labav, TwipsToPixels(120));
    setFixedWidth(std::max(width(), RightOfChildren(this) + TwipsToPixels(120)));
  }
}

// The panel ends below the advanced options while they are shown, else
// below their check box, so that the result area moves up.
void QueryPanel::FitHeight() {
  setFixedHeight(TwipsToPixels(labav->isHidden() ? kFrameTop : kFrameTop + kFrameHeight + 90));
}

void QueryPanel::ClearStations() {
  txtFstation->clear();
  txtEstation->clear();
  picker_->Close();
}

void QueryPanel::SetStations(const QString& from, const QString& to) {
  // Filling a box completes it; the list closes all the same.
  txtFstation->setText(StationBoxText(from));
  txtEstation->setText(StationBoxText(to));
  picker_->Close();
}

void QueryPanel::SwapStations() { SetStations(txtEstation->text(), txtFstation->text()); }

int QueryPanel::EarliestDeparture() const {
  return WindowBound(txtSTime->text().toStdString(), txtEmin->text().toStdString());
}

int QueryPanel::LatestArrival() const {
  return WindowBound(txtETime->text().toStdString(), txtSMin->text().toStdString());
}

bool QueryPanel::WindowHoursGiven() const { return BoxValue(txtSTime) > 0 || BoxValue(txtETime) > 0; }

bool QueryPanel::TransferRequested() const {
  return cheStation->isChecked() && cheAV->isChecked() &&
         !RemoveSpaces(txtCh_Station->text().toStdString()).empty();
}

std::string QueryPanel::ChosenClass() const {
  if (!cheType->isChecked()) return {};
  // The class's name as the timetable words it, whatever the button reads.
  for (size_t i = 0; i < Option1.size(); ++i) {
    if (Option1[i]->isChecked()) return str::kKindNames[i].source();
  }
  return {};
}

// Just under the box, where the layout in twips puts it; English moves the
// boxes.
QPoint QueryPanel::ListPlace(const QLineEdit* box, int left, int top) const {
  return TextsAreTranslated() ? box->mapTo(this, QPoint(0, box->height() + TwipsToPixels(30))) : TwipsPoint(left, top);
}

void QueryPanel::TransferStationChanged() {
  const QString text = txtCh_Station->text();
  if (!RemoveSpaces(text.toStdString()).empty() &&
      (text == txtFstation->text() || text == txtEstation->text())) {
    messages_.Show(window(), str::kBadTransferStation);
    txtCh_Station->clear();
    txtCh_Station->setFocus();
    return;
  }
  picker_->Complete(txtCh_Station, ListPlace(txtCh_Station, kViaListLeft, kViaListTop));
}

// After a pick the focus moves on: from the first box to the second, from
// there to 确定; the transfer box keeps it.
void QueryPanel::StationPicked(QLineEdit* box) {
  if (box == txtFstation)
    txtEstation->setFocus();
  else if (box == txtEstation)
    cmdSOK->setFocus();
  else
    txtCh_Station->setFocus();  // back from the pick list, which closes
}

void QueryPanel::CheckRange(QLineEdit* box, int highest) {
  if (box->text().isEmpty() || BoxValue(box) <= highest) return;
  messages_.Show(window(), str::kBadTimeInput);
  box->clear();
}

void QueryPanel::AdvancedToggled(bool checked) {
  labav->setVisible(checked);
  FitHeight();
  if (checked) return;
  cheTime->setChecked(false);
  cheType->setChecked(false);
  cheStation->setChecked(false);
  txtCh_Station->clear();
}

void QueryPanel::TimeToggled(bool checked) {
  for (QLineEdit* box : {txtSTime, txtEmin, txtETime, txtSMin}) {
    SetBoxEnabled(box, checked);
    if (!checked) box->clear();
  }
  cheStation->setEnabled(!checked);
}

void QueryPanel::TransferToggled(bool checked) {
  SetBoxEnabled(txtCh_Station, checked);
  if (!checked) txtCh_Station->clear();
  cheTime->setEnabled(!checked);
}

void QueryPanel::KindToggled(bool checked) {
  for (QRadioButton* option : Option1) option->setEnabled(checked);
}

}  // namespace kw
