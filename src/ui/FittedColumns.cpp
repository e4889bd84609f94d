#include "ui/FittedColumns.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <QTreeView>

namespace kw {

namespace {

class CutTextTips final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override {
    // The cell's text is cut where it needs more width than the cell has.
    if (event->type() == QEvent::ToolTip && index.isValid() &&
        sizeHint(option, index).width() > option.rect.width()) {
      QToolTip::showText(event->globalPos(), index.data(Qt::DisplayRole).toString(), view->viewport(),
                         option.rect);
      return true;
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
  }
};

}  // namespace

void FitColumnsToContents(QTreeView& view) {
  for (int c = 0; c < view.header()->count(); ++c) {
    if (!view.isColumnHidden(c)) view.resizeColumnToContents(c);
  }
}

void ShowCutTextsInToolTips(QAbstractItemView& view) { view.setItemDelegate(new CutTextTips(&view)); }

}  // namespace kw
