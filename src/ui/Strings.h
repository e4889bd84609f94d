// The program's own texts: messages, captions and labels of the windows.
#pragma once

#include <QString>

namespace kw::str {

inline const QString kProductTitle = QStringLiteral("Kestrelway");

// ------------------------------------------------------------ printing
inline const QString kPrintFont = QStringLiteral("宋体");
inline const QString kNoPrinter = QStringLiteral("对不起，请先安装打印机！");
inline const QString kConfirmPrint = QStringLiteral("打印您的查询结果吗？");
// Without a printer the same pages can go to a PDF file instead.
inline const QString kOfferPdf = QStringLiteral("没有可用的打印机。要把这些页面保存为PDF文件吗？");
inline const QString kPdfDialogTitle = QStringLiteral("保存为PDF文件");
inline const QString kPdfFilter = QStringLiteral("PDF 文件 (*.pdf)");
inline const QString kPdfDefaultName = QStringLiteral("Kestrelway.pdf");
// Page footers: "第 1頁"; a transfer table's page that breaks onto another,
// and every page of a train's stop table, end in the simplified "页".
inline const QString kFooterBefore = QStringLiteral("第 ");
inline const QString kFooterPage = QStringLiteral("頁");
inline const QString kFooterPageSimplified = QStringLiteral("页");
inline QString PrinterFailedMessage(const QString& printer) {
  return QStringLiteral("打印机“%1”未能打印这些页面。").arg(printer);
}
inline QString PdfFailedMessage(const QString& path) {
  return QStringLiteral("无法写入文件“%1”，请换一个位置保存。").arg(path);
}

}  // namespace kw::str
