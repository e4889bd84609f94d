// Train numbers in the order a traveller reads them: a run of digits counts
// by its value, so G1, G5, G7, G11, G105 (not G1, G105, G11, G5, G7).
#pragma once

#include <QString>
#include <QTreeWidgetItem>

namespace kw {

// Whether `a` comes before `b`: runs of digits by their value (leading zeros
// aside, then the shorter run first), every other character by its code;
// spaces at either end do not count.
bool NaturalLess(const QString& a, const QString& b);

// A list row whose `naturalColumn` (the train number) sorts in natural
// order when the list sorts by it; every other column sorts as text.
class NaturalItem : public QTreeWidgetItem {
 public:
  NaturalItem(const QStringList& texts, int naturalColumn) : QTreeWidgetItem(texts), column_(naturalColumn) {}

  bool operator<(const QTreeWidgetItem& other) const override;

 private:
  int column_;
};

}  // namespace kw
