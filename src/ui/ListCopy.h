// Copy and export for the program's lists: Ctrl+C copies the selected rows
// as tab-separated text under a header line, and the list's context menu
// offers 复制 and 导出为 CSV… (every row, UTF-8 with a byte-order mark so
// that spreadsheet programs read the Chinese).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class QAbstractItemView;

namespace kw {

struct Platform;

// Gives `view` (a tree, table or list widget) its copy and export. The
// export asks where to save through the platform, offering `fileName()` +
// ".csv" (called when the export is chosen). `headers` is the header line of
// a list that shows none of its own. Cells are copied without their leading
// and trailing spaces; hidden columns are left out; a selected row brings the
// rows below it (a journey its legs).
void AttachListCopy(QAbstractItemView* view, Platform& platform, std::function<QString()> fileName,
                    QStringList headers = {});

// What Ctrl+C copies: the header line, then the selected rows, tab-separated,
// each line ending in a line feed; empty text when no row is selected.
QString SelectedRowsText(const QAbstractItemView& view, const QStringList& headers = {});

// The whole list as a CSV file's bytes: the byte-order mark, the header line,
// every row; fields quoted where they hold a comma, a quote or a line break;
// lines end in CR LF. A field beginning with =, +, - or @ that is no number
// or time ("=HYPERLINK(…)") gets a leading ' so that no spreadsheet runs it
// as a formula.
QByteArray ListCsv(const QAbstractItemView& view, const QStringList& headers = {});

// `stem` made fit to be a file name: characters no file name may hold become
// "_".
QString FileNameSafe(QString stem);

}  // namespace kw
