#include "ui/main/QueryPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>

#include "query/TimetableTime.h"
#include "query/TrainNumberSearch.h"
#include "store/Database.h"
#include "ui/Platform.h"
#include "ui/Strings.h"
#include "ui/Twips.h"

namespace kw {

bool StationBoxAccepts(QChar c) {
  const char16_t u = c.unicode();
  return !((u >= 33 && u <= 47) || (u >= 58 && u <= 64) || (u >= 91 && u <= 96) || (u >= 123 && u <= 126));
}

bool TimeBoxAccepts(QChar c) { return c >= u'0' && c <= u'9'; }

bool OrderBoxAccepts(QChar c) {
  const char16_t u = c.unicode();
  return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

namespace {

// Drops every character the box does not take, whether it was typed, pasted
// or dropped, and keeps the rest with the cursor where it belongs.
class CharacterFilter final : public QValidator {
 public:
  CharacterFilter(bool (*accepts)(QChar), QObject* parent) : QValidator(parent), accepts_(accepts) {}

  State validate(QString& input, int& pos) const override {
    QString kept;
    kept.reserve(input.size());
    int keptPos = 0;
    for (int i = 0; i < input.size(); ++i) {
      if (!accepts_(input[i])) continue;
      kept += input[i];
      if (i < pos) ++keptPos;
    }
    input = kept;
    pos = keptPos;
    return Acceptable;
  }

 private:
  bool (*accepts_)(QChar);
};

// Geometry of the panel, in twips from the panel's top-left corner (the pick
// list's positions are from the same corner).
constexpr int kBoxHeight = 330;
constexpr int kButtonHeight = 360;
constexpr int kPickListWidth = 1800;
constexpr int kPickListHeight = 2400;
constexpr int kFromListLeft = 840, kFromListTop = 1080;
constexpr int kToListLeft = 2820, kToListTop = 1080;
constexpr int kViaListLeft = 5070, kViaListTop = 3030;
constexpr int kFrameLeft = 120, kFrameTop = 1500, kFrameWidth = 7800, kFrameHeight = 1680;
constexpr int kPanelWidth = 9000;

const QColor kDisabledBoxColour(0xC0, 0xC0, 0xC0);

QLineEdit* MakeBox(QWidget* parent, const char* name, QRect geometry, const QString& tip,
                   bool (*accepts)(QChar)) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setGeometry(geometry);
  box->setToolTip(tip);
  box->setValidator(NewCharacterFilter(accepts, box));
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

QValidator* NewCharacterFilter(bool (*accepts)(QChar), QObject* parent) {
  return new CharacterFilter(accepts, parent);
}

QueryPanel::QueryPanel(Database& db, MessageBoxes& messages, QWidget* overlay)
    : QWidget(overlay), db_(db), messages_(messages) {
  setObjectName("QueryPanel");
  setFixedWidth(TwipsToPixels(kPanelWidth));
  BuildControls(overlay);

  connect(txtFstation, &QLineEdit::textChanged, this, [this] { StationChanged(txtFstation, kFromBox); });
  connect(txtEstation, &QLineEdit::textChanged, this, [this] { StationChanged(txtEstation, kToBox); });
  connect(txtCh_Station, &QLineEdit::textChanged, this, [this] { TransferStationChanged(); });
  connect(lstStation, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { PickStation(lstStation->row(item)); });
  connect(lstStation, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { PickStation(lstStation->row(item)); });
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

  // The reset state: options hidden and off, their boxes disabled and grey.
  labav->hide();
  FitHeight();
  for (QLineEdit* box : {txtSTime, txtEmin, txtETime, txtSMin, txtCh_Station}) SetBoxEnabled(box, false);
  for (QRadioButton* option : Option1) option->setEnabled(false);
  lstStation->hide();
}

void QueryPanel::BuildControls(QWidget* overlay) {
  Label1 = MakeLabel(this, str::kFromLabel, TwipsRect(840, 450, 1800, 270), "Label1");
  Label2 = MakeLabel(this, str::kToLabel, TwipsRect(2820, 450, 1800, 270), "Label2");
  txtFstation =
      MakeBox(this, "txtFstation", TwipsRect(840, 720, 1800, kBoxHeight), str::kFromTip, StationBoxAccepts);
  txtEstation =
      MakeBox(this, "txtEstation", TwipsRect(2820, 720, 1800, kBoxHeight), str::kToTip, StationBoxAccepts);
  cmdSOK = new QPushButton(str::kConfirm, this);
  cmdSOK->setObjectName("cmdSOK");
  cmdSOK->setGeometry(TwipsRect(4770, 705, 900, kButtonHeight));

  Label3 = MakeLabel(this, str::kOrderLabel, TwipsRect(6150, 450, 1800, 270), "Label3");
  txtOrder =
      MakeBox(this, "txtOrder", TwipsRect(6150, 720, 1650, kBoxHeight), str::kOrderTip, OrderBoxAccepts);
  // The boxes take a station name or a train number, with room to spare.
  txtFstation->setMaxLength(kMaxStationTextLength);
  txtEstation->setMaxLength(kMaxStationTextLength);
  txtOrder->setMaxLength(kMaxTrainNumberLength);
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
  hours[0] = txtSTime = MakeBox(labav, "txtSTime", {}, str::kEarliestHourTip, TimeBoxAccepts);
  minutes[0] = txtEmin = MakeBox(labav, "txtEmin", {}, str::kEarliestMinuteTip, TimeBoxAccepts);
  hours[1] = txtETime = MakeBox(labav, "txtETime", {}, str::kLatestHourTip, TimeBoxAccepts);
  minutes[1] = txtSMin = MakeBox(labav, "txtSMin", {}, str::kLatestMinuteTip, TimeBoxAccepts);
  for (int row = 0; row < 2; ++row) {
    const int top = rowTop[row];
    MakeLabel(labav, str::kTimeAt, TwipsRect(1380, top + 30, 240, 270));
    hours[row]->setGeometry(TwipsRect(1620, top, 450, kBoxHeight));
    MakeLabel(labav, str::kTimeColon, TwipsRect(2100, top + 30, 240, 270));
    minutes[row]->setGeometry(TwipsRect(2340, top, 450, kBoxHeight));
    MakeLabel(labav, row == 0 ? str::kAfterDeparture : str::kBeforeArrival,
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
      QString(), StationBoxAccepts);
  txtCh_Station->setMaxLength(kMaxStationTextLength);

  lstStation = new QListWidget(overlay);
  lstStation->setObjectName("lstStation");
  lstStation->resize(TwipsToPixels(kPickListWidth), TwipsToPixels(kPickListHeight));
}

// The panel ends below the advanced options while they are shown, else
// below their check box, so that the result area moves up.
void QueryPanel::FitHeight() {
  setFixedHeight(TwipsToPixels(labav->isHidden() ? kFrameTop : kFrameTop + kFrameHeight + 90));
}

void QueryPanel::ClearOptions() {
  cheAV->setChecked(false);
  cheTime->setChecked(false);
  cheStation->setChecked(false);
}

void QueryPanel::ClearStations() {
  txtFstation->clear();
  txtEstation->clear();
  lstStation->clear();
  lstStation->hide();
  activeStationBox_.clear();
}

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
  for (QRadioButton* option : Option1) {
    if (option->isChecked()) return option->text().toStdString();
  }
  return {};
}

void QueryPanel::StationChanged(QLineEdit* box, const QString& which) {
  activeStationBox_ = which;
  if (which == kFromBox)
    Complete(box->text(), kFromListLeft, kFromListTop);
  else
    Complete(box->text(), kToListLeft, kToListTop);
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
  activeStationBox_ = kViaBox;
  Complete(text, kViaListLeft, kViaListTop);
}

// Fills the pick list with the stations the text names: by initials, or by
// name when the text ends in a Chinese character.
void QueryPanel::Complete(const QString& text, int left, int top) {
  const std::string s = RemoveSpaces(text.toStdString());
  if (s.empty()) {
    lstStation->hide();
    return;
  }
  lstStation->move(TwipsPoint(left, top));
  lstStation->clear();
  try {
    matches_ = FindStations(db_, s, LooksUpByInitials(s));
  } catch (const DatabaseError& e) {
    matches_ = {};
    lstStation->hide();
    messages_.Show(window(), QString::fromStdString(e.what()), MessageIcon::Critical);
    return;
  }
  if (!matches_.found) {
    lstStation->hide();
    return;
  }
  for (const auto& name : matches_.names) lstStation->addItem(QString::fromStdString(name));
  lstStation->show();
  lstStation->raise();
}

void QueryPanel::PickStation(int index) {
  if (index < 0 || index >= matches_.count()) return;
  const QString name = QString::fromStdString(matches_.names[index]);
  if (activeStationBox_ == kFromBox) {
    txtFstation->setText(name);
    txtEstation->setFocus();
  } else if (activeStationBox_ == kToBox) {
    txtEstation->setText(name);
    cmdSOK->setFocus();
  } else {
    txtCh_Station->setText(name);
    txtCh_Station->setFocus();  // back from the pick list, which closes
  }
  lstStation->clear();
  lstStation->hide();
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
