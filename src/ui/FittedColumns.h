// Item views that show their texts whole: columns as wide as their widest
// text (the user can still narrow or widen them), and a cell too narrow for
// its text tells the whole text in a tool tip.
#pragma once

class QAbstractItemView;
class QTreeView;

namespace kw {

// Every shown column takes the width of its widest text or of its header,
// whichever is wider; a header that shows sort arrows keeps room for one.
void FitColumnsToContents(QTreeView& view);

// The pointer resting on a cell whose text is cut shows the whole text; on
// any other cell the view's own tool tip shows.
void ShowCutTextsInToolTips(QAbstractItemView& view);

}  // namespace kw
