// Fixed layouts in the interface's language: the windows place their
// controls in twips for the Chinese texts; English texts are longer, so in
// English a control grows to its text, and what stands beside it moves on.
#pragma once

#include <QWidget>
#include <algorithm>
#include <initializer_list>

#include "store/Translation.h"

namespace kw {

// Whether the windows' texts are not the Chinese the layouts were made for.
inline bool TextsAreTranslated() { return text::Translating(); }

// `widget` as wide as its text needs, never narrower than it is.
inline void WidenToText(QWidget* widget) {
  const int needed = widget->sizeHint().width();
  if (needed > widget->width()) widget->resize(needed, widget->height());
}

// Places `widgets` side by side from the left of the first, each as wide as
// its text needs (at least as wide as it is), `gap` pixels apart.
inline void RowToTexts(std::initializer_list<QWidget*> widgets, int gap) {
  int x = widgets.size() ? (*widgets.begin())->x() : 0;
  for (QWidget* w : widgets) {
    WidenToText(w);
    w->move(x, w->y());
    x += w->width() + gap;
  }
}

// `parent` wide enough for its children, `margin` pixels right of the
// rightmost.
inline int RightOfChildren(const QWidget* parent) {
  int right = 0;
  for (const QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!child->isWindow()) right = std::max(right, child->geometry().right() + 1);
  }
  return right;
}
inline void WidenToChildren(QWidget* parent, int margin) {
  const int needed = RightOfChildren(parent) + margin;
  if (needed > parent->width()) parent->resize(needed, parent->height());
}

}  // namespace kw
