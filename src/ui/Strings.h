// The program's own texts: messages, captions and labels of the windows.
#pragma once

#include <QString>
#include <QStringList>

#include "store/Version.h"

namespace kw::str {

// ------------------------------------------------------------ the product
inline const QString kProductTitle = QStringLiteral("Kestrelway");
// "V" and the build's version (1.18 gives V1.18).
inline const QString kProgramVersion =
    QStringLiteral("V") + QString::fromUtf8(kw::kVersion.data(), static_cast<qsizetype>(kw::kVersion.size()));
inline const QString kEditionName = QStringLiteral("铁路时刻查询 单机版 ");
// The site's name as the status bar's notice ends it with "网站".
inline const QString kPublisherSiteName = QStringLiteral("Kestrelway 铁路时刻");
inline const QString kPublisherUrl = QStringLiteral("https://www.kestrelway.example/");
inline const QString kPublisherMail = QStringLiteral("service@kestrelway.example");

inline const QString kOk = QStringLiteral("确定");
inline const QString kCancel = QStringLiteral("取消");

// ------------------------------------------------------------ main window
inline const QString kStatusProgramVersion = QStringLiteral("主程序版本：");
inline const QString kStatusDataVersion = QStringLiteral(", 库文件版本：");
inline const QString kStatusNoticeBefore = QStringLiteral(" 　请关注");
inline const QString kStatusNoticeAfter = QStringLiteral("网站,下载最新版库文件。");
// What the last search listed, in the status bar's second panel.
inline const QString kStatusTrainCount = QStringLiteral("共列出 %1 趟列车");
inline const QString kStatusLegCounts = QStringLiteral("第一程 %1 趟、第二程 %2 趟列车");

inline const QString kMenuFile = QStringLiteral("文件(&F)");
inline const QString kMenuPrint = QStringLiteral("打印(&P)");
inline const QString kMenuExit = QStringLiteral("退出(&X)");
inline const QString kMenuUpdate = QStringLiteral("更新数据库(&U)...");
// An installed timetable other than the one the user's updated copy came
// from, newer or older (%1: its data version).
inline const QString kMenuUseInstalled = QStringLiteral("使用新安装的时刻表(&N)...");
inline const QString kStatusOtherInstalled =
    QStringLiteral("已安装另一时刻表（库文件版本：%1），可用“文件 → 使用新安装的时刻表”换用");
inline const QString kOtherInstalledMessage = QStringLiteral(
    "安装的时刻表已换成另一版本（库文件版本：%1），与您的时刻表不同。\n"
    "您的时刻表含有您应用过的更新，所以程序仍使用它。\n"
    "要换用安装的时刻表，请选择“文件 → 使用新安装的时刻表”（您应用过的更新将不再保留）。");
inline const QString kUseInstalledQuestion = QStringLiteral(
    "用安装的时刻表（库文件版本：%1）替换您现在使用的时刻表吗？\n您应用过的更新将不再保留。");
inline const QString kUseInstalledDone = QStringLiteral("已换用安装的时刻表。");
inline const QString kUseInstalledFailed = QStringLiteral("无法换用安装的时刻表：");
inline const QString kUpdateDialogCaption = QStringLiteral("选择更新文件");
inline const QString kUpdateDialogFilter = QStringLiteral("更新文件 (*.txt *.upd *.dat);;所有文件 (*)");
inline const QString kUpdateProgress = QStringLiteral("正在更新数据库……");
inline const QString kUpdateCancel = QStringLiteral("取消");
// GTFS timetables: 文件 → 导入 GTFS 时刻表, 文件 → 导出 GTFS.
inline const QString kMenuImportGtfs = QStringLiteral("导入 GTFS 时刻表(&G)...");
inline const QString kMenuExportGtfs = QStringLiteral("导出 GTFS(&E)...");
inline const QString kGtfsImportCaption = QStringLiteral("选择 GTFS 时刻表（zip 文件，或文件夹里的 stops.txt）");
inline const QString kGtfsImportFilter = QStringLiteral("GTFS 时刻表 (*.zip stops.txt);;所有文件 (*)");
inline const QString kGtfsImportProgress = QStringLiteral("正在读入 GTFS 时刻表……");
inline const QString kGtfsCancel = QStringLiteral("取消");
inline const QString kGtfsImportFailed = QStringLiteral("无法导入 GTFS 时刻表：\n%1");
// %1: the import's summary (stations, trains, stops, date, version).
inline const QString kGtfsUseQuestion = QStringLiteral(
    "GTFS 时刻表已读入：\n%1\n\n要用它替换您现在使用的时刻表吗？\n您应用过的更新将不再保留。");
inline const QString kGtfsUseDone = QStringLiteral("已换用导入的时刻表（库文件版本：%1）。");
inline const QString kGtfsUseFailed = QStringLiteral("无法换用导入的时刻表：");
inline const QString kGtfsExportCaption = QStringLiteral("导出 GTFS 时刻表");
inline const QString kGtfsExportName = QStringLiteral("kestrelway-gtfs.zip");
inline const QString kGtfsExportFilter = QStringLiteral("GTFS 时刻表 (*.zip)");
inline const QString kGtfsExportDone = QStringLiteral("已导出 GTFS 时刻表 %1：\n%2");
inline const QString kGtfsExportFailed = QStringLiteral("无法导出 GTFS 时刻表：\n%1");
inline const QString kMenuMap = QStringLiteral("地图(&M)");
inline const QString kMenuHelp = QStringLiteral("帮助(&H)");
inline const QString kMenuTips = QStringLiteral("铁路小常识(&K)");
inline const QString kMenuHelpTopics = QStringLiteral("帮助主题(&l)");
inline const QString kMenuAbout = QStringLiteral("关于(&A)");

inline const QString kToolTips = QStringLiteral("小常识");
inline const QString kToolPrint = QStringLiteral("打印");
inline const QString kToolHelp = QStringLiteral("帮助");
inline const QString kToolExit = QStringLiteral("退出");

// ------------------------------------------------------------ query panel
inline const QString kFromLabel = QStringLiteral("起始站");
inline const QString kToLabel = QStringLiteral("终到站");
inline const QString kFromTip = QStringLiteral("请输入起始站的简码,并在车站列表中选取车站名");
inline const QString kToTip = QStringLiteral("请输入终到站的简码,并在车站列表中选取车站名");
inline const QString kConfirm = QStringLiteral("确定");
inline const QString kAdvanced = QStringLiteral("高级查询");
inline const QString kTimeOption = QStringLiteral("时    间");
inline const QString kTransferOption = QStringLiteral("指定中转");
inline const QString kKindOption = QStringLiteral("车    型 ");
inline const QString kKindNames[4] = {QStringLiteral("特快"), QStringLiteral("快速"), QStringLiteral("普快"),
                                      QStringLiteral("普慢")};
inline const QString kEarliestHourTip = QStringLiteral("请输入您计划的最早出发时间(0点至23点)");
inline const QString kLatestHourTip = QStringLiteral("请输入您计划的最晚到达时间(0点至23点)");
inline const QString kEarliestMinuteTip = QStringLiteral("请输入您计划的最早出发时间(0分至60分)");
inline const QString kLatestMinuteTip = QStringLiteral("请输入您计划的最晚到达时间(0分至60分)");
inline const QString kTimeAt = QStringLiteral("在");
inline const QString kTimeColon = QStringLiteral("：");
inline const QString kAfterDeparture = QStringLiteral("点之后发车");
inline const QString kBeforeArrival = QStringLiteral("点之前到站");
inline const QString kOrderLabel = QStringLiteral("请输入车次");
inline const QString kOrderTip = QStringLiteral("请输入车次");

inline const QString kSwapStations = QStringLiteral("⇄");
inline const QString kSwapTip = QStringLiteral("交换起始站和终到站");
inline const QString kMenuRecent = QStringLiteral("最近查询(&R)");
inline const QString kRecentPair = QStringLiteral("%1 → %2");

inline const QString kBadTimeInput = QStringLiteral("对不起您的输入有误！");
inline const QString kBadTransferStation = QStringLiteral("对不起！请检查您输入的中转站是否合理。");

// ------------------------------------------------------------ result lists
inline const QString kColTrain = QStringLiteral("车次");
inline const QString kColStart = QStringLiteral("始发时刻");
inline const QString kColEnd = QStringLiteral("终到时刻");
inline const QString kColDistance = QStringLiteral("里程(公里)");
inline const QString kColFare = QStringLiteral("硬座票价(元)");
inline const QString kColMemo = QStringLiteral("备注");
inline const QString kColId = QStringLiteral("编号");
// The stations a row's train is boarded and left at (a station search, the
// journeys).
inline const QString kColBoard = QStringLiteral("上车站");
inline const QString kColAlight = QStringLiteral("下车站");
inline const QString kDepartsSuffix = QStringLiteral("发车");
inline const QString kArrivesSuffix = QStringLiteral("到站");
inline const QString kOpenRowTip = QStringLiteral("双击任意车次可察看详细信息");
inline const QString kResultTitle = QStringLiteral("查询结果");
inline const QString kTransferListLabel = QStringLiteral("可供中转的车站：");
inline const QString kLegArrow = QStringLiteral("---->");
inline const QString kTransferPrefix = QStringLiteral("中转站");

// ------------------------------------------------------------ journey window
inline const QString kMenuJourney = QStringLiteral("中转行程(&J)...");
inline const QString kToolJourney = QStringLiteral("中转行程");
inline const QString kOfferJourneys = QStringLiteral("查看中转行程");
inline const QString kJourneyTitle = QStringLiteral("中转行程 - Kestrelway");
inline const QString kJourneyFrom = QStringLiteral("出发站");
inline const QString kJourneyTo = QStringLiteral("到达站");
inline const QString kJourneyLeave = QStringLiteral("出发时间");
inline const QString kJourneyLeaveTo = QStringLiteral("至");
inline const QString kJourneyMaxChanges = QStringLiteral("最多换乘");
inline const QString kJourneyTimes = QStringLiteral("次");
inline const QString kJourneyMinChange = QStringLiteral("换乘至少");
inline const QString kJourneyMinutes = QStringLiteral("分钟");
inline const QString kJourneyTypes = QStringLiteral("车型");
inline const QString kJourneyTypeNames[6] = {QStringLiteral("高铁/城际"), QStringLiteral("动车"),
                                             QStringLiteral("直达"),      QStringLiteral("特快"),
                                             QStringLiteral("快速"),      QStringLiteral("其他")};
inline const QString kJourneySwapTip = QStringLiteral("交换出发站和到达站");
inline const QString kJourneySearch = QStringLiteral("查询");
inline const QString kJourneyColumns[10] = {
    QStringLiteral("出发"), QStringLiteral("到达"),       QStringLiteral("历时"),         QStringLiteral("换乘"),
    QStringLiteral("车次"), QStringLiteral("中转"),       QStringLiteral("里程(公里)"), QStringLiteral("硬座票价(元)"),
    kColBoard,              kColAlight};
inline const QString kJourneyWait = QStringLiteral("等候%1");
inline const QString kJourneyCount = QStringLiteral("共 %1 条行程；双击一程可察看该车次的详细情况");
inline const QString kJourneyBadWindow = QStringLiteral("最早出发时间不能晚于最晚出发时间");
inline const QString kJourneySlack = QStringLiteral("多换乘一次至少节省");
// The train types a search leaves out, under its list (%1: their names).
inline const QString kTypesLeftOut = QStringLiteral("未选车型：%1（这些列车不在结果中）");
inline const QString kJourneyStale = QStringLiteral("查询条件已更改，请按“查询”重新查询");
// The printed title: from, to, earliest and latest departure.
inline const QString kJourneyPrintTitle = QStringLiteral("中转行程 %1 → %2 %3–%4");

// ------------------------------------------------------------ station board window
inline const QString kMenuBoard = QStringLiteral("车站时刻(&B)...");
inline const QString kToolBoard = QStringLiteral("车站时刻");
inline const QString kBoardTitle = QStringLiteral("车站时刻 - Kestrelway");
inline const QString kBoardStation = QStringLiteral("车站");
inline const QString kBoardStationTip = QStringLiteral("请输入车站的简码或站名,并在车站列表中选取车站名");
inline const QString kBoardSameName = QStringLiteral("含同名车站");
inline const QString kBoardSameNameTip = QStringLiteral("列出站名以所输文字开头的全部车站，如“北京”含北京西、北京南");
inline const QString kBoardTime = QStringLiteral("开车时间");
inline const QString kBoardTimeTip = QStringLiteral("终到列车按到达时间；开始晚于结束时跨过午夜");
inline const QString kBoardAll = QStringLiteral("全部");
inline const QString kBoardStartsOnly = QStringLiteral("只看始发");
inline const QString kBoardEndsOnly = QStringLiteral("只看终到");
inline const QString kBoardTowards = QStringLiteral("开往");
inline const QString kBoardTowardsTip = QStringLiteral("只列出其后停靠站名以此开头的车站的列车");
inline const QString kBoardColumns[9] = {
    QStringLiteral("车次"), QStringLiteral("类别"), QStringLiteral("始发站"), QStringLiteral("终到站"),
    QStringLiteral("到达"), QStringLiteral("出发"), QStringLiteral("停留(分)"), QStringLiteral("里程"),
    QStringLiteral("车站")};
inline const QString kBoardCount = QStringLiteral("共 %1 趟列车；双击一行可察看该车次的详细情况");
// Printed title: station, window.
inline const QString kBoardPrintTitle = QStringLiteral("%1车站时刻 %2—%3");
// The stop grid's context menu in the train detail window.
inline const QString kViewStationBoard = QStringLiteral("查看车站时刻");

// ------------------------------------------------------------ train detail window
// The window's title bar names the train: "T109次 - Kestrelway".
inline const QString kDetailWindowTitle = QStringLiteral("%1次 - Kestrelway");
inline const QString kDetailFrame = QStringLiteral("详细情况");
inline const QString kFareFrame = QStringLiteral("票价信息");
inline const QString kDepartCaption = QStringLiteral("发车时间：");
inline const QString kArriveCaption = QStringLiteral("到站时间：");
inline const QString kRunningCaption = QStringLiteral("运行时间：");
inline const QString kDistanceCaption = QStringLiteral("总 里 程：");
inline const QString kFareCaptions[7] = {
    QStringLiteral("硬座"),   QStringLiteral("软座"),   QStringLiteral("硬卧上"), QStringLiteral("硬卧中"),
    QStringLiteral("硬卧下"), QStringLiteral("软卧上"), QStringLiteral("软卧下")};
// Distance and number of stations of the shown stretch.
inline const QString kKmLine = QStringLiteral("全程%1公里，共经过%2个车站");
inline const QString kKm = QStringLiteral("KM");
inline const QString kShowList = QStringLiteral("列表");
inline const QString kShowDiagram = QStringLiteral("图形");
inline const QString kPrint = QStringLiteral("打印");
inline const QString kInternationalDetail = QStringLiteral("国际专列，暂无详细信息！");
// What the window could not find, said after the title.
inline const QString kWholeRouteInstead = QStringLiteral("（%1，显示全程）");
inline const QString kNoStops = QStringLiteral("（本车次暂无经停站信息）");

// ------------------------------------------------------------ tip of the day
inline const QString kTipsHeading = QStringLiteral("铁路乘车小常识");
inline const QString kTipsDefaultTitle = QStringLiteral("铁路知识");
inline const QString kTipsDontShow = QStringLiteral("不再显示每日一贴");
inline const QString kTipsPrevious = QStringLiteral("上一条");
inline const QString kTipsNext = QStringLiteral("下一条");
inline const QString kClose = QStringLiteral("关闭");

// ------------------------------------------------------------ About
inline const QString kAboutWebPrefix = QStringLiteral("网址：");
inline const QString kAboutMailPrefix = QStringLiteral("电子邮件：");

// ------------------------------------------------------------ closing screen
inline const QString kCredits[] = {
    QStringLiteral("Kestrelway 铁路时刻查询"),
    QStringLiteral(""),
    QStringLiteral("出品：Kestrelway 工作室"),
    QStringLiteral("网址：www.kestrelway.example"),
    QStringLiteral("电子邮件：service@kestrelway.example"),
    QStringLiteral(""),
    QStringLiteral("程序设计：Kestrelway 开发组"),
    QStringLiteral("时刻数据整理：Kestrelway 数据组"),
    QStringLiteral("界面美工：Kestrelway 美工组"),
    QStringLiteral(""),
    QStringLiteral("感谢您的使用，祝您旅途愉快！"),
};

// ------------------------------------------------------------ printing
inline const QString kPrintFont = QStringLiteral("宋体");
// Without a printer the same pages can go to a PDF file instead: one
// question, then where the file went.
inline const QString kNoPrinterOfferPdf =
    QStringLiteral("没有可用的打印机。要把这些页面保存为 PDF 文件吗？");
inline const QString kConfirmPrint = QStringLiteral("打印您的查询结果吗？");
inline const QString kPdfDialogTitle = QStringLiteral("保存为PDF文件");
inline const QString kPdfFilter = QStringLiteral("PDF 文件 (*.pdf)");
inline QString PdfSavedMessage(const QString& path) {
  return QStringLiteral("已保存为 PDF 文件：%1").arg(path);
}
// Page footers: "第 1页", in the simplified characters of the rest of the
// program.
inline const QString kFooterBefore = QStringLiteral("第 ");
inline const QString kFooterPage = QStringLiteral("页");
inline QString PrinterFailedMessage(const QString& printer) {
  return QStringLiteral("打印机“%1”未能打印这些页面。").arg(printer);
}
inline QString PdfFailedMessage(const QString& path) {
  return QStringLiteral("无法写入文件“%1”，请换一个位置保存。").arg(path);
}

// ------------------------------------------------------------ copy and export
inline const QString kCopyAction = QStringLiteral("复制");
inline const QString kExportCsvAction = QStringLiteral("导出为 CSV…");
inline const QString kExportCsvTitle = QStringLiteral("导出为 CSV 文件");
inline const QString kCsvFilter = QStringLiteral("CSV 文件 (*.csv)");
inline QString CsvFailedMessage(const QString& path) { return PdfFailedMessage(path); }
// The names offered for a saved list or printout: "北京-上海 车次".
inline const QString kFileTrains = QStringLiteral("车次");
inline const QString kFileTransferStations = QStringLiteral("中转站");
inline const QString kFileJourneys = QStringLiteral("中转行程");
inline const QString kFileStops = QStringLiteral("停站");
inline const QString kFileBoard = QStringLiteral("车站时刻");
// The header line of the copied transfer stations.
inline const QString kTransferStationColumn = QStringLiteral("中转站");
inline QString FileStem(const QStringList& stations, const QString& what) {
  return stations.join(u'-') + u' ' + what;
}

// ------------------------------------------------------------ map window
inline const QString kMenuRailMap = QStringLiteral("铁路地图(&R)...");
inline const QString kMapTitle = QStringLiteral("铁路地图 - Kestrelway");
// The window's title with what it shows: "G1 北京南 → 上海虹桥 - 铁路地图".
inline const QString kMapTitleOf = QStringLiteral("%1 - 铁路地图");
inline const QString kMapNetworkTitle = QStringLiteral("全国铁路网");
// The station positions come from OpenStreetMap (ODbL): said on the map and
// on every printout and picture of it.
inline const QString kMapAttribution = QStringLiteral("地图数据 © OpenStreetMap 贡献者");
inline const QString kMapAttributionAbout =
    QStringLiteral("车站位置：地图数据 © OpenStreetMap 贡献者（ODbL 1.0 许可）");
inline const QString kMapFit = QStringLiteral("全图");
inline const QString kMapZoomIn = QStringLiteral("放大");
inline const QString kMapZoomOut = QStringLiteral("缩小");
inline const QString kMapExport = QStringLiteral("导出为图片…");
inline const QString kMapExportTitle = QStringLiteral("导出为图片");
inline const QString kMapExportFilter = QStringLiteral("PNG 图片 (*.png);;SVG 图形 (*.svg)");
inline QString MapExportFailedMessage(const QString& path) { return PdfFailedMessage(path); }
inline const QString kMapButton = QStringLiteral("地图");
inline const QString kMapButtonTip = QStringLiteral("在铁路地图上显示");
inline const QString kMapMissingStations = QStringLiteral("%1 个车站无坐标，未画出");
inline const QString kMapNoPositions =
    QStringLiteral("时刻表中没有车站坐标，无法画出地图。请使用带有车站坐标的时刻表。");
inline const QString kMapStationNotFound = QStringLiteral("车站“%1”不在时刻表中");
inline const QString kMapStationNoPosition = QStringLiteral("车站“%1”无坐标，未画出");
// Hovering over a station: its name and how many trains call there.
inline const QString kMapStationTip = QStringLiteral("%1\n%2 趟列车停靠");
inline const QString kMapBoard = QStringLiteral("车站时刻");
inline const QString kMapSetFrom = QStringLiteral("设为出发站");
inline const QString kMapSetTo = QStringLiteral("设为到达站");
inline const QString kFileMap = QStringLiteral("地图");

}  // namespace kw::str
