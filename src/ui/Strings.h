// The program's own texts: messages, captions and labels of the windows.
#pragma once

#include <QString>
#include <QStringList>

#include <string_view>
#include <utility>

#include "store/Translation.h"
#include "store/Version.h"

namespace kw::str {

// One of the windows' texts, written in Chinese: reads as its translation in
// the interface's language each time it is used.
class Text {
 public:
  constexpr Text(const char* source) : source_(source) {}  // NOLINT: a text is written as its source
  operator QString() const { return str(); }               // NOLINT
  QString str() const {
    const std::string_view translated = text::Translate("kw::str", source_);
    return QString::fromUtf8(translated.data(), static_cast<qsizetype>(translated.size()));
  }
  template <typename... Args>
  QString arg(Args&&... args) const {
    return str().arg(std::forward<Args>(args)...);
  }
  const char* source() const { return source_; }

 private:
  const char* source_;
};
inline QString operator+(const Text& a, const QString& b) { return a.str() + b; }
inline QString operator+(const QString& a, const Text& b) { return a + b.str(); }
inline QString operator+(const Text& a, const Text& b) { return a.str() + b.str(); }

// ------------------------------------------------------------ the product
inline const QString kProductTitle = QStringLiteral("Kestrelway");
// "V" and the build's version (1.18 gives V1.18).
inline const QString kProgramVersion =
    QStringLiteral("V") + QString::fromUtf8(kw::kVersion.data(), static_cast<qsizetype>(kw::kVersion.size()));
inline constexpr Text kEditionName = QT_TRANSLATE_NOOP("kw::str", "铁路时刻查询 单机版 ");
// The site's name as the status bar's notice ends it with "网站".
inline constexpr Text kPublisherSiteName = QT_TRANSLATE_NOOP("kw::str", "Kestrelway 铁路时刻");
inline const QString kPublisherUrl = QStringLiteral("https://www.kestrelway.example/");
inline const QString kPublisherMail = QStringLiteral("service@kestrelway.example");

inline constexpr Text kOk = QT_TRANSLATE_NOOP("kw::str", "确定");
inline constexpr Text kCancel = QT_TRANSLATE_NOOP("kw::str", "取消");

// ------------------------------------------------------------ main window
inline constexpr Text kStatusProgramVersion = QT_TRANSLATE_NOOP("kw::str", "主程序版本：");
inline constexpr Text kStatusDataVersion = QT_TRANSLATE_NOOP("kw::str", ", 库文件版本：");
inline constexpr Text kStatusNoticeBefore = QT_TRANSLATE_NOOP("kw::str", " 　请关注");
inline constexpr Text kStatusNoticeAfter = QT_TRANSLATE_NOOP("kw::str", "网站,下载最新版库文件。");
// What the last search listed, in the status bar's second panel.
inline constexpr Text kStatusTrainCount = QT_TRANSLATE_NOOP("kw::str", "共列出 %1 趟列车");
inline constexpr Text kStatusLegCounts = QT_TRANSLATE_NOOP("kw::str", "第一程 %1 趟、第二程 %2 趟列车");

inline constexpr Text kMenuFile = QT_TRANSLATE_NOOP("kw::str", "文件(&F)");
inline constexpr Text kMenuPrint = QT_TRANSLATE_NOOP("kw::str", "打印(&P)");
inline constexpr Text kMenuExit = QT_TRANSLATE_NOOP("kw::str", "退出(&X)");
inline constexpr Text kMenuUpdate = QT_TRANSLATE_NOOP("kw::str", "更新数据库(&U)...");
// An installed timetable other than the one the user's updated copy came
// from, newer or older (%1: its data version).
inline constexpr Text kMenuUseInstalled = QT_TRANSLATE_NOOP("kw::str", "使用新安装的时刻表(&N)...");
inline constexpr Text kStatusOtherInstalled = QT_TRANSLATE_NOOP("kw::str", "已安装另一时刻表（库文件版本：%1），可用“文件 → 使用新安装的时刻表”换用");
inline constexpr Text kOtherInstalledMessage = QT_TRANSLATE_NOOP("kw::str", "安装的时刻表已换成另一版本（库文件版本：%1），与您的时刻表不同。\n"
    "您的时刻表含有您应用过的更新，所以程序仍使用它。\n"
    "要换用安装的时刻表，请选择“文件 → 使用新安装的时刻表”（您应用过的更新将不再保留）。");
inline constexpr Text kUseInstalledQuestion = QT_TRANSLATE_NOOP("kw::str", "用安装的时刻表（库文件版本：%1）替换您现在使用的时刻表吗？\n您应用过的更新将不再保留。");
inline constexpr Text kUseInstalledDone = QT_TRANSLATE_NOOP("kw::str", "已换用安装的时刻表。");
inline constexpr Text kUseInstalledFailed = QT_TRANSLATE_NOOP("kw::str", "无法换用安装的时刻表：");
inline constexpr Text kUpdateDialogCaption = QT_TRANSLATE_NOOP("kw::str", "选择更新文件");
inline constexpr Text kUpdateDialogFilter = QT_TRANSLATE_NOOP("kw::str", "更新文件 (*.txt *.upd *.dat);;所有文件 (*)");
inline constexpr Text kUpdateProgress = QT_TRANSLATE_NOOP("kw::str", "正在更新数据库……");
inline constexpr Text kUpdateCancel = QT_TRANSLATE_NOOP("kw::str", "取消");
// GTFS timetables: 文件 → 导入 GTFS 时刻表, 文件 → 导出 GTFS.
inline constexpr Text kMenuImportGtfs = QT_TRANSLATE_NOOP("kw::str", "导入 GTFS 时刻表(&G)...");
inline constexpr Text kMenuExportGtfs = QT_TRANSLATE_NOOP("kw::str", "导出 GTFS(&E)...");
inline constexpr Text kGtfsImportCaption = QT_TRANSLATE_NOOP("kw::str", "选择 GTFS 时刻表（zip 文件，或文件夹里的 stops.txt）");
inline constexpr Text kGtfsImportFilter = QT_TRANSLATE_NOOP("kw::str", "GTFS 时刻表 (*.zip stops.txt);;所有文件 (*)");
inline constexpr Text kGtfsImportProgress = QT_TRANSLATE_NOOP("kw::str", "正在读入 GTFS 时刻表……");
inline constexpr Text kGtfsCancel = QT_TRANSLATE_NOOP("kw::str", "取消");
inline constexpr Text kGtfsImportFailed = QT_TRANSLATE_NOOP("kw::str", "无法导入 GTFS 时刻表：\n%1");
// %1: the import's summary (stations, trains, stops, date, version).
inline constexpr Text kGtfsUseQuestion = QT_TRANSLATE_NOOP("kw::str", "GTFS 时刻表已读入：\n%1\n\n要用它替换您现在使用的时刻表吗？\n您应用过的更新将不再保留。");
inline constexpr Text kGtfsUseDone = QT_TRANSLATE_NOOP("kw::str", "已换用导入的时刻表（库文件版本：%1）。");
inline constexpr Text kGtfsUseFailed = QT_TRANSLATE_NOOP("kw::str", "无法换用导入的时刻表：");
inline constexpr Text kGtfsExportCaption = QT_TRANSLATE_NOOP("kw::str", "导出 GTFS 时刻表");
inline const QString kGtfsExportName = QStringLiteral("kestrelway-gtfs.zip");
inline constexpr Text kGtfsExportFilter = QT_TRANSLATE_NOOP("kw::str", "GTFS 时刻表 (*.zip)");
inline constexpr Text kGtfsExportDone = QT_TRANSLATE_NOOP("kw::str", "已导出 GTFS 时刻表 %1：\n%2");
inline constexpr Text kGtfsExportFailed = QT_TRANSLATE_NOOP("kw::str", "无法导出 GTFS 时刻表：\n%1");
inline constexpr Text kMenuMap = QT_TRANSLATE_NOOP("kw::str", "地图(&M)");
inline constexpr Text kMenuHelp = QT_TRANSLATE_NOOP("kw::str", "帮助(&H)");
inline constexpr Text kMenuTips = QT_TRANSLATE_NOOP("kw::str", "铁路小常识(&K)");
inline constexpr Text kMenuHelpTopics = QT_TRANSLATE_NOOP("kw::str", "帮助主题(&l)");
inline constexpr Text kMenuAbout = QT_TRANSLATE_NOOP("kw::str", "关于(&A)");

inline constexpr Text kToolTips = QT_TRANSLATE_NOOP("kw::str", "小常识");
inline constexpr Text kToolPrint = QT_TRANSLATE_NOOP("kw::str", "打印");
inline constexpr Text kToolHelp = QT_TRANSLATE_NOOP("kw::str", "帮助");
inline constexpr Text kToolExit = QT_TRANSLATE_NOOP("kw::str", "退出");

// ------------------------------------------------------------ query panel
inline constexpr Text kFromLabel = QT_TRANSLATE_NOOP("kw::str", "起始站");
inline constexpr Text kToLabel = QT_TRANSLATE_NOOP("kw::str", "终到站");
inline constexpr Text kFromTip = QT_TRANSLATE_NOOP("kw::str", "请输入起始站的简码,并在车站列表中选取车站名");
inline constexpr Text kToTip = QT_TRANSLATE_NOOP("kw::str", "请输入终到站的简码,并在车站列表中选取车站名");
inline constexpr Text kConfirm = QT_TRANSLATE_NOOP("kw::str", "确定");
inline constexpr Text kAdvanced = QT_TRANSLATE_NOOP("kw::str", "高级查询");
inline constexpr Text kTimeOption = QT_TRANSLATE_NOOP("kw::str", "时    间");
inline constexpr Text kTransferOption = QT_TRANSLATE_NOOP("kw::str", "指定中转");
inline constexpr Text kKindOption = QT_TRANSLATE_NOOP("kw::str", "车    型 ");
inline constexpr Text kKindNames[4] = {QT_TRANSLATE_NOOP("kw::str", "特快"), QT_TRANSLATE_NOOP("kw::str", "快速"), QT_TRANSLATE_NOOP("kw::str", "普快"),
                                      QT_TRANSLATE_NOOP("kw::str", "普慢")};
inline constexpr Text kEarliestHourTip = QT_TRANSLATE_NOOP("kw::str", "请输入您计划的最早出发时间(0点至23点)");
inline constexpr Text kLatestHourTip = QT_TRANSLATE_NOOP("kw::str", "请输入您计划的最晚到达时间(0点至23点)");
inline constexpr Text kEarliestMinuteTip = QT_TRANSLATE_NOOP("kw::str", "请输入您计划的最早出发时间(0分至60分)");
inline constexpr Text kLatestMinuteTip = QT_TRANSLATE_NOOP("kw::str", "请输入您计划的最晚到达时间(0分至60分)");
inline constexpr Text kTimeAt = QT_TRANSLATE_NOOP("kw::str", "在");
inline constexpr Text kTimeColon = QT_TRANSLATE_NOOP("kw::str", "：");
inline constexpr Text kAfterDeparture = QT_TRANSLATE_NOOP("kw::str", "点之后发车");
inline constexpr Text kBeforeArrival = QT_TRANSLATE_NOOP("kw::str", "点之前到站");
inline constexpr Text kOrderLabel = QT_TRANSLATE_NOOP("kw::str", "请输入车次");
inline constexpr Text kOrderTip = QT_TRANSLATE_NOOP("kw::str", "请输入车次");

inline constexpr Text kSwapStations = QT_TRANSLATE_NOOP("kw::str", "⇄");
inline constexpr Text kSwapTip = QT_TRANSLATE_NOOP("kw::str", "交换起始站和终到站");
inline constexpr Text kMenuRecent = QT_TRANSLATE_NOOP("kw::str", "最近查询(&R)");
inline constexpr Text kRecentPair = QT_TRANSLATE_NOOP("kw::str", "%1 → %2");

inline constexpr Text kBadTimeInput = QT_TRANSLATE_NOOP("kw::str", "对不起您的输入有误！");
inline constexpr Text kBadTransferStation = QT_TRANSLATE_NOOP("kw::str", "对不起！请检查您输入的中转站是否合理。");

// ------------------------------------------------------------ result lists
inline constexpr Text kColTrain = QT_TRANSLATE_NOOP("kw::str", "车次");
inline constexpr Text kColStart = QT_TRANSLATE_NOOP("kw::str", "始发时刻");
inline constexpr Text kColEnd = QT_TRANSLATE_NOOP("kw::str", "终到时刻");
inline constexpr Text kColDistance = QT_TRANSLATE_NOOP("kw::str", "里程(公里)");
inline constexpr Text kColFare = QT_TRANSLATE_NOOP("kw::str", "硬座票价(元)");
inline constexpr Text kColMemo = QT_TRANSLATE_NOOP("kw::str", "备注");
inline constexpr Text kColId = QT_TRANSLATE_NOOP("kw::str", "编号");
// The stations a row's train is boarded and left at (a station search, the
// journeys).
inline constexpr Text kColBoard = QT_TRANSLATE_NOOP("kw::str", "上车站");
inline constexpr Text kColAlight = QT_TRANSLATE_NOOP("kw::str", "下车站");
inline constexpr Text kDepartsSuffix = QT_TRANSLATE_NOOP("kw::str", "发车");
inline constexpr Text kArrivesSuffix = QT_TRANSLATE_NOOP("kw::str", "到站");
inline constexpr Text kOpenRowTip = QT_TRANSLATE_NOOP("kw::str", "双击任意车次可察看详细信息");
inline constexpr Text kResultTitle = QT_TRANSLATE_NOOP("kw::str", "查询结果");
inline constexpr Text kTransferListLabel = QT_TRANSLATE_NOOP("kw::str", "可供中转的车站：");
inline const QString kLegArrow = QStringLiteral("---->");
inline constexpr Text kTransferPrefix = QT_TRANSLATE_NOOP("kw::str", "中转站");

// ------------------------------------------------------------ journey window
inline constexpr Text kMenuJourney = QT_TRANSLATE_NOOP("kw::str", "中转行程(&J)...");
inline constexpr Text kToolJourney = QT_TRANSLATE_NOOP("kw::str", "中转行程");
inline constexpr Text kOfferJourneys = QT_TRANSLATE_NOOP("kw::str", "查看中转行程");
inline constexpr Text kJourneyTitle = QT_TRANSLATE_NOOP("kw::str", "中转行程 - Kestrelway");
inline constexpr Text kJourneyFrom = QT_TRANSLATE_NOOP("kw::str", "出发站");
inline constexpr Text kJourneyTo = QT_TRANSLATE_NOOP("kw::str", "到达站");
inline constexpr Text kJourneyLeave = QT_TRANSLATE_NOOP("kw::str", "出发时间");
inline constexpr Text kJourneyLeaveTo = QT_TRANSLATE_NOOP("kw::str", "至");
inline constexpr Text kJourneyMaxChanges = QT_TRANSLATE_NOOP("kw::str", "最多换乘");
inline constexpr Text kJourneyTimes = QT_TRANSLATE_NOOP("kw::str", "次");
inline constexpr Text kJourneyMinChange = QT_TRANSLATE_NOOP("kw::str", "换乘至少");
inline constexpr Text kJourneyMinutes = QT_TRANSLATE_NOOP("kw::str", "分钟");
inline constexpr Text kJourneyTypes = QT_TRANSLATE_NOOP("kw::str", "车型");
inline constexpr Text kJourneyTypeNames[6] = {QT_TRANSLATE_NOOP("kw::str", "高铁/城际"), QT_TRANSLATE_NOOP("kw::str", "动车"),
                                             QT_TRANSLATE_NOOP("kw::str", "直达"),      QT_TRANSLATE_NOOP("kw::str", "特快"),
                                             QT_TRANSLATE_NOOP("kw::str", "快速"),      QT_TRANSLATE_NOOP("kw::str", "其他")};
inline constexpr Text kJourneySwapTip = QT_TRANSLATE_NOOP("kw::str", "交换出发站和到达站");
inline constexpr Text kJourneySearch = QT_TRANSLATE_NOOP("kw::str", "查询");
inline constexpr Text kJourneyColumns[10] = {
    QT_TRANSLATE_NOOP("kw::str", "出发"), QT_TRANSLATE_NOOP("kw::str", "到达"),       QT_TRANSLATE_NOOP("kw::str", "历时"),         QT_TRANSLATE_NOOP("kw::str", "换乘"),
    QT_TRANSLATE_NOOP("kw::str", "车次"), QT_TRANSLATE_NOOP("kw::str", "中转"),       QT_TRANSLATE_NOOP("kw::str", "里程(公里)"), QT_TRANSLATE_NOOP("kw::str", "硬座票价(元)"),
    kColBoard,              kColAlight};
inline constexpr Text kJourneyWait = QT_TRANSLATE_NOOP("kw::str", "等候%1");
inline constexpr Text kJourneyCount = QT_TRANSLATE_NOOP("kw::str", "共 %1 条行程；双击一程可察看该车次的详细情况");
inline constexpr Text kJourneyBadWindow = QT_TRANSLATE_NOOP("kw::str", "最早出发时间不能晚于最晚出发时间");
inline constexpr Text kJourneySlack = QT_TRANSLATE_NOOP("kw::str", "多换乘一次至少节省");
// The train types a search leaves out, under its list (%1: their names).
inline constexpr Text kTypesLeftOut = QT_TRANSLATE_NOOP("kw::str", "未选车型：%1（这些列车不在结果中）");
inline constexpr Text kJourneyStale = QT_TRANSLATE_NOOP("kw::str", "查询条件已更改，请按“查询”重新查询");
// The printed title: from, to, earliest and latest departure.
inline constexpr Text kJourneyPrintTitle = QT_TRANSLATE_NOOP("kw::str", "中转行程 %1 → %2 %3–%4");

// ------------------------------------------------------------ station board window
inline constexpr Text kMenuBoard = QT_TRANSLATE_NOOP("kw::str", "车站时刻(&B)...");
inline constexpr Text kToolBoard = QT_TRANSLATE_NOOP("kw::str", "车站时刻");
inline constexpr Text kBoardTitle = QT_TRANSLATE_NOOP("kw::str", "车站时刻 - Kestrelway");
inline constexpr Text kBoardStation = QT_TRANSLATE_NOOP("kw::str", "车站");
inline constexpr Text kBoardStationTip = QT_TRANSLATE_NOOP("kw::str", "请输入车站的简码或站名,并在车站列表中选取车站名");
inline constexpr Text kBoardSameName = QT_TRANSLATE_NOOP("kw::str", "含同名车站");
inline constexpr Text kBoardSameNameTip = QT_TRANSLATE_NOOP("kw::str", "列出站名以所输文字开头的全部车站，如“北京”含北京西、北京南");
inline constexpr Text kBoardTime = QT_TRANSLATE_NOOP("kw::str", "开车时间");
inline constexpr Text kBoardTimeTip = QT_TRANSLATE_NOOP("kw::str", "终到列车按到达时间；开始晚于结束时跨过午夜");
inline constexpr Text kBoardAll = QT_TRANSLATE_NOOP("kw::str", "全部");
inline constexpr Text kBoardStartsOnly = QT_TRANSLATE_NOOP("kw::str", "只看始发");
inline constexpr Text kBoardEndsOnly = QT_TRANSLATE_NOOP("kw::str", "只看终到");
inline constexpr Text kBoardTowards = QT_TRANSLATE_NOOP("kw::str", "开往");
inline constexpr Text kBoardTowardsTip = QT_TRANSLATE_NOOP("kw::str", "只列出其后停靠站名以此开头的车站的列车");
inline constexpr Text kBoardColumns[9] = {
    QT_TRANSLATE_NOOP("kw::str", "车次"), QT_TRANSLATE_NOOP("kw::str", "类别"), QT_TRANSLATE_NOOP("kw::str", "始发站"), QT_TRANSLATE_NOOP("kw::str", "终到站"),
    QT_TRANSLATE_NOOP("kw::str", "到达"), QT_TRANSLATE_NOOP("kw::str", "出发"), QT_TRANSLATE_NOOP("kw::str", "停留(分)"), QT_TRANSLATE_NOOP("kw::str", "里程"),
    QT_TRANSLATE_NOOP("kw::str", "车站")};
inline constexpr Text kBoardCount = QT_TRANSLATE_NOOP("kw::str", "共 %1 趟列车；双击一行可察看该车次的详细情况");
// Printed title: station, window.
inline constexpr Text kBoardPrintTitle = QT_TRANSLATE_NOOP("kw::str", "%1车站时刻 %2—%3");
// The stop grid's context menu in the train detail window.
inline constexpr Text kViewStationBoard = QT_TRANSLATE_NOOP("kw::str", "查看车站时刻");

// ------------------------------------------------------------ train detail window
// The window's title bar names the train: "T109次 - Kestrelway".
inline constexpr Text kDetailWindowTitle = QT_TRANSLATE_NOOP("kw::str", "%1次 - Kestrelway");
inline constexpr Text kDetailFrame = QT_TRANSLATE_NOOP("kw::str", "详细情况");
inline constexpr Text kFareFrame = QT_TRANSLATE_NOOP("kw::str", "票价信息");
inline constexpr Text kDepartCaption = QT_TRANSLATE_NOOP("kw::str", "发车时间：");
inline constexpr Text kArriveCaption = QT_TRANSLATE_NOOP("kw::str", "到站时间：");
inline constexpr Text kRunningCaption = QT_TRANSLATE_NOOP("kw::str", "运行时间：");
inline constexpr Text kDistanceCaption = QT_TRANSLATE_NOOP("kw::str", "总 里 程：");
inline constexpr Text kFareCaptions[7] = {
    QT_TRANSLATE_NOOP("kw::str", "硬座"),   QT_TRANSLATE_NOOP("kw::str", "软座"),   QT_TRANSLATE_NOOP("kw::str", "硬卧上"), QT_TRANSLATE_NOOP("kw::str", "硬卧中"),
    QT_TRANSLATE_NOOP("kw::str", "硬卧下"), QT_TRANSLATE_NOOP("kw::str", "软卧上"), QT_TRANSLATE_NOOP("kw::str", "软卧下")};
// Distance and number of stations of the shown stretch.
inline constexpr Text kKmLine = QT_TRANSLATE_NOOP("kw::str", "全程%1公里，共经过%2个车站");
inline const QString kKm = QStringLiteral("KM");
inline constexpr Text kShowList = QT_TRANSLATE_NOOP("kw::str", "列表");
inline constexpr Text kShowDiagram = QT_TRANSLATE_NOOP("kw::str", "图形");
inline constexpr Text kPrint = QT_TRANSLATE_NOOP("kw::str", "打印");
inline constexpr Text kInternationalDetail = QT_TRANSLATE_NOOP("kw::str", "国际专列，暂无详细信息！");
// What the window could not find, said after the title.
inline constexpr Text kWholeRouteInstead = QT_TRANSLATE_NOOP("kw::str", "（%1，显示全程）");
inline constexpr Text kNoStops = QT_TRANSLATE_NOOP("kw::str", "（本车次暂无经停站信息）");

// ------------------------------------------------------------ tip of the day
inline constexpr Text kTipsHeading = QT_TRANSLATE_NOOP("kw::str", "铁路乘车小常识");
inline constexpr Text kTipsDefaultTitle = QT_TRANSLATE_NOOP("kw::str", "铁路知识");
inline constexpr Text kTipsDontShow = QT_TRANSLATE_NOOP("kw::str", "不再显示每日一贴");
inline constexpr Text kTipsPrevious = QT_TRANSLATE_NOOP("kw::str", "上一条");
inline constexpr Text kTipsNext = QT_TRANSLATE_NOOP("kw::str", "下一条");
inline constexpr Text kClose = QT_TRANSLATE_NOOP("kw::str", "关闭");

// ------------------------------------------------------------ About
inline constexpr Text kAboutWebPrefix = QT_TRANSLATE_NOOP("kw::str", "网址：");
inline constexpr Text kAboutMailPrefix = QT_TRANSLATE_NOOP("kw::str", "电子邮件：");

// ------------------------------------------------------------ closing screen
inline constexpr Text kCredits[] = {
    QT_TRANSLATE_NOOP("kw::str", "Kestrelway 铁路时刻查询"),
    QT_TRANSLATE_NOOP("kw::str", ""),
    QT_TRANSLATE_NOOP("kw::str", "出品：Kestrelway 工作室"),
    QT_TRANSLATE_NOOP("kw::str", "网址：www.kestrelway.example"),
    QT_TRANSLATE_NOOP("kw::str", "电子邮件：service@kestrelway.example"),
    QT_TRANSLATE_NOOP("kw::str", ""),
    QT_TRANSLATE_NOOP("kw::str", "程序设计：Kestrelway 开发组"),
    QT_TRANSLATE_NOOP("kw::str", "时刻数据整理：Kestrelway 数据组"),
    QT_TRANSLATE_NOOP("kw::str", "界面美工：Kestrelway 美工组"),
    QT_TRANSLATE_NOOP("kw::str", ""),
    QT_TRANSLATE_NOOP("kw::str", "感谢您的使用，祝您旅途愉快！"),
};

// ------------------------------------------------------------ printing
inline constexpr Text kPrintFont = QT_TRANSLATE_NOOP("kw::str", "宋体");
// Without a printer the same pages can go to a PDF file instead: one
// question, then where the file went.
inline constexpr Text kNoPrinterOfferPdf = QT_TRANSLATE_NOOP("kw::str", "没有可用的打印机。要把这些页面保存为 PDF 文件吗？");
inline constexpr Text kConfirmPrint = QT_TRANSLATE_NOOP("kw::str", "打印您的查询结果吗？");
inline constexpr Text kPdfDialogTitle = QT_TRANSLATE_NOOP("kw::str", "保存为PDF文件");
inline constexpr Text kPdfFilter = QT_TRANSLATE_NOOP("kw::str", "PDF 文件 (*.pdf)");
inline QString PdfSavedMessage(const QString& path) {
  return Text(QT_TRANSLATE_NOOP("kw::str", "已保存为 PDF 文件：%1")).arg(path);
}
// Page footers: "第 1页", in the simplified characters of the rest of the
// program.
inline constexpr Text kFooterBefore = QT_TRANSLATE_NOOP("kw::str", "第 ");
inline constexpr Text kFooterPage = QT_TRANSLATE_NOOP("kw::str", "页");
inline QString PrinterFailedMessage(const QString& printer) {
  return Text(QT_TRANSLATE_NOOP("kw::str", "打印机“%1”未能打印这些页面。")).arg(printer);
}
inline QString PdfFailedMessage(const QString& path) {
  return Text(QT_TRANSLATE_NOOP("kw::str", "无法写入文件“%1”，请换一个位置保存。")).arg(path);
}

// ------------------------------------------------------------ copy and export
inline constexpr Text kCopyAction = QT_TRANSLATE_NOOP("kw::str", "复制");
inline constexpr Text kExportCsvAction = QT_TRANSLATE_NOOP("kw::str", "导出为 CSV…");
inline constexpr Text kExportCsvTitle = QT_TRANSLATE_NOOP("kw::str", "导出为 CSV 文件");
inline constexpr Text kCsvFilter = QT_TRANSLATE_NOOP("kw::str", "CSV 文件 (*.csv)");
inline QString CsvFailedMessage(const QString& path) { return PdfFailedMessage(path); }
// The names offered for a saved list or printout: "北京-上海 车次".
inline constexpr Text kFileTrains = QT_TRANSLATE_NOOP("kw::str", "车次");
inline constexpr Text kFileTransferStations = QT_TRANSLATE_NOOP("kw::str", "中转站");
inline constexpr Text kFileJourneys = QT_TRANSLATE_NOOP("kw::str", "中转行程");
inline constexpr Text kFileStops = QT_TRANSLATE_NOOP("kw::str", "停站");
inline constexpr Text kFileBoard = QT_TRANSLATE_NOOP("kw::str", "车站时刻");
// The header line of the copied transfer stations.
inline constexpr Text kTransferStationColumn = QT_TRANSLATE_NOOP("kw::str", "中转站");
inline QString FileStem(const QStringList& stations, const QString& what) {
  return stations.join(u'-') + u' ' + what;
}

// ------------------------------------------------------------ map window
inline constexpr Text kMenuRailMap = QT_TRANSLATE_NOOP("kw::str", "铁路地图(&R)...");
inline constexpr Text kMapTitle = QT_TRANSLATE_NOOP("kw::str", "铁路地图 - Kestrelway");
// The window's title with what it shows: "G1 北京南 → 上海虹桥 - 铁路地图".
inline constexpr Text kMapTitleOf = QT_TRANSLATE_NOOP("kw::str", "%1 - 铁路地图");
inline constexpr Text kMapNetworkTitle = QT_TRANSLATE_NOOP("kw::str", "全国铁路网");
// The station positions come from OpenStreetMap (ODbL): said on the map and
// on every printout and picture of it.
inline constexpr Text kMapAttribution = QT_TRANSLATE_NOOP("kw::str", "地图数据 © OpenStreetMap 贡献者");
inline constexpr Text kMapAttributionAbout = QT_TRANSLATE_NOOP("kw::str", "车站位置：地图数据 © OpenStreetMap 贡献者（ODbL 1.0 许可）");
inline constexpr Text kMapFit = QT_TRANSLATE_NOOP("kw::str", "全图");
inline constexpr Text kMapZoomIn = QT_TRANSLATE_NOOP("kw::str", "放大");
inline constexpr Text kMapZoomOut = QT_TRANSLATE_NOOP("kw::str", "缩小");
inline constexpr Text kMapExport = QT_TRANSLATE_NOOP("kw::str", "导出为图片…");
inline constexpr Text kMapExportTitle = QT_TRANSLATE_NOOP("kw::str", "导出为图片");
inline constexpr Text kMapExportFilter = QT_TRANSLATE_NOOP("kw::str", "PNG 图片 (*.png);;SVG 图形 (*.svg)");
inline QString MapExportFailedMessage(const QString& path) { return PdfFailedMessage(path); }
inline constexpr Text kMapButton = QT_TRANSLATE_NOOP("kw::str", "地图");
inline constexpr Text kMapButtonTip = QT_TRANSLATE_NOOP("kw::str", "在铁路地图上显示");
inline constexpr Text kMapMissingStations = QT_TRANSLATE_NOOP("kw::str", "%1 个车站无坐标，未画出");
inline constexpr Text kMapNoPositions = QT_TRANSLATE_NOOP("kw::str", "时刻表中没有车站坐标，无法画出地图。请使用带有车站坐标的时刻表。");
inline constexpr Text kMapStationNotFound = QT_TRANSLATE_NOOP("kw::str", "车站“%1”不在时刻表中");
inline constexpr Text kMapStationNoPosition = QT_TRANSLATE_NOOP("kw::str", "车站“%1”无坐标，未画出");
// Hovering over a station: its name and how many trains call there.
inline constexpr Text kMapStationTip = QT_TRANSLATE_NOOP("kw::str", "%1\n%2 趟列车停靠");
inline constexpr Text kMapBoard = QT_TRANSLATE_NOOP("kw::str", "车站时刻");
inline constexpr Text kMapSetFrom = QT_TRANSLATE_NOOP("kw::str", "设为出发站");
inline constexpr Text kMapSetTo = QT_TRANSLATE_NOOP("kw::str", "设为到达站");
inline constexpr Text kFileMap = QT_TRANSLATE_NOOP("kw::str", "地图");

}  // namespace kw::str
