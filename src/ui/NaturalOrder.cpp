#include "ui/NaturalOrder.h"

#include <QStringView>
#include <QTreeWidget>

namespace kw {

bool NaturalLess(const QString& a, const QString& b) {
  const QStringView x = QStringView(a).trimmed();
  const QStringView y = QStringView(b).trimmed();
  qsizetype i = 0, j = 0;
  while (i < x.size() && j < y.size()) {
    if (x[i].isDigit() && y[j].isDigit()) {
      qsizetype ei = i, ej = j;
      while (ei < x.size() && x[ei].isDigit()) ++ei;
      while (ej < y.size() && y[ej].isDigit()) ++ej;
      // Without their leading zeros, the longer run is the larger number.
      const auto value = [](QStringView run) {
        while (run.size() > 1 && run.front() == u'0') run = run.mid(1);
        return run;
      };
      const QStringView rx = value(x.mid(i, ei - i)), ry = value(y.mid(j, ej - j));
      if (rx.size() != ry.size()) return rx.size() < ry.size();
      if (const int c = rx.compare(ry); c != 0) return c < 0;
      if (ei - i != ej - j) return ei - i < ej - j;  // 7 before 07
      i = ei;
      j = ej;
      continue;
    }
    if (x[i] != y[j]) return x[i] < y[j];
    ++i;
    ++j;
  }
  return x.size() - i < y.size() - j;
}

bool NaturalItem::operator<(const QTreeWidgetItem& other) const {
  const QTreeWidget* list = treeWidget();
  const int column = list ? list->sortColumn() : 0;
  if (column != column_) return QTreeWidgetItem::operator<(other);
  return NaturalLess(text(column), other.text(column));
}

}  // namespace kw
