#include "ui/ListCopy.h"

#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTableView>
#include <QTreeView>

#include "ui/Platform.h"
#include "ui/Strings.h"

namespace kw {

namespace {

const QHeaderView* HeaderOf(const QAbstractItemView& view) {
  if (const auto* tree = qobject_cast<const QTreeView*>(&view)) return tree->header();
  if (const auto* table = qobject_cast<const QTableView*>(&view)) return table->horizontalHeader();
  return nullptr;  // a plain list: one column
}

// The columns shown, in the order shown.
QList<int> ShownColumns(const QAbstractItemView& view) {
  const QHeaderView* header = HeaderOf(view);
  if (!header) return {0};
  QList<int> columns;
  for (int visual = 0; visual < header->count(); ++visual) {
    const int logical = header->logicalIndex(visual);
    if (!header->isSectionHidden(logical)) columns << logical;
  }
  return columns;
}

QStringList HeaderCells(const QAbstractItemView& view, const QList<int>& columns, const QStringList& headers) {
  if (!headers.isEmpty()) return headers;
  QStringList cells;
  for (const int c : columns) cells << view.model()->headerData(c, Qt::Horizontal).toString().trimmed();
  return cells;
}

// Every row in the order shown, a row's children after it, each with whether
// it or a row above it is selected.
void WalkRows(const QAbstractItemView& view, const QModelIndex& parent, bool parentSelected,
              QList<std::pair<QModelIndex, bool>>& rows) {
  const QAbstractItemModel& model = *view.model();
  for (int r = 0; r < model.rowCount(parent); ++r) {
    const QModelIndex index = model.index(r, 0, parent);
    const bool selected = parentSelected || view.selectionModel()->rowIntersectsSelection(r, parent);
    rows.append({index, selected});
    WalkRows(view, index, selected, rows);
  }
}

QStringList RowCells(const QModelIndex& row, const QList<int>& columns) {
  QStringList cells;
  for (const int c : columns) cells << row.siblingAtColumn(c).data().toString().trimmed();
  return cells;
}

// A number or a clock time as the lists show them ("-12", "+3", "12.5",
// "08:30"): a sign, then digits with points or colons between them.
bool IsNumberOrTime(const QString& text) {
  static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+([.:][0-9]+)*$"));
  return number.match(text).hasMatch();
}

QString CsvField(QString text) {
  // A cell that a spreadsheet would run as a formula (=, +, - or @ first)
  // gets a leading ' so that it stays text; numbers and times keep their signs.
  if (!text.isEmpty() && QStringLiteral("=+-@").contains(text.front()) && !IsNumberOrTime(text))
    text.prepend(u'\'');
  if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
    return text;
  return u'"' + text.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

class ListCopier final : public QObject {
 public:
  ListCopier(QAbstractItemView* view, Platform& platform, std::function<QString()> fileName, QStringList headers)
      : QObject(view),
        view_(view),
        platform_(platform),
        fileName_(std::move(fileName)),
        headers_(std::move(headers)) {
    auto* copy = new QAction(str::kCopyAction, view);
    copy->setObjectName("actCopy");
    // Takes Ctrl+C from the view's own copy, which took the current cell alone.
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &ListCopier::Copy);
    auto* exportCsv = new QAction(str::kExportCsvAction, view);
    exportCsv->setObjectName("actExportCsv");
    connect(exportCsv, &QAction::triggered, this, &ListCopier::Export);
    view->addAction(copy);
    view->addAction(exportCsv);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
  }

 private:
  void Copy() {
    const QString text = SelectedRowsText(*view_, headers_);
    if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
  }

  void Export() {
    QString path = platform_.files->SaveFile(view_->window(), str::kExportCsvTitle,
                                             FileNameSafe(fileName_()) + QStringLiteral(".csv"), str::kCsvFilter);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    QSaveFile file(path);
    const QByteArray bytes = ListCsv(*view_, headers_);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
      platform_.messages->Show(view_->window(), str::CsvFailedMessage(path), MessageIcon::Critical);
  }

  QAbstractItemView* view_;
  Platform& platform_;
  std::function<QString()> fileName_;
  QStringList headers_;
};

}  // namespace

void AttachListCopy(QAbstractItemView* view, Platform& platform, std::function<QString()> fileName,
                    QStringList headers) {
  new ListCopier(view, platform, std::move(fileName), std::move(headers));
}

QString SelectedRowsText(const QAbstractItemView& view, const QStringList& headers) {
  const QList<int> columns = ShownColumns(view);
  QList<std::pair<QModelIndex, bool>> rows;
  WalkRows(view, QModelIndex(), false, rows);
  QString text;
  for (const auto& [row, selected] : rows) {
    if (selected) text += RowCells(row, columns).join(u'\t') + u'\n';
  }
  if (text.isEmpty()) return {};
  return HeaderCells(view, columns, headers).join(u'\t') + u'\n' + text;
}

QByteArray ListCsv(const QAbstractItemView& view, const QStringList& headers) {
  const QList<int> columns = ShownColumns(view);
  const auto line = [](const QStringList& cells) {
    QStringList fields;
    for (const QString& cell : cells) fields << CsvField(cell);
    return fields.join(u',') + QStringLiteral("\r\n");
  };
  QString text = line(HeaderCells(view, columns, headers));
  QList<std::pair<QModelIndex, bool>> rows;
  WalkRows(view, QModelIndex(), false, rows);
  for (const auto& row : rows) text += line(RowCells(row.first, columns));
  return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QString FileNameSafe(QString stem) {
  for (const QChar c : QStringLiteral("/\\:*?\"<>|")) stem.replace(c, u'_');
  return stem.trimmed().isEmpty() ? str::kProductTitle : stem.trimmed();
}

}  // namespace kw
