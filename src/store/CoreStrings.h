// The core's own texts: words the query engine puts into results and the
// messages of failures the user can meet. The windows' texts live in
// ui/Strings.h.
#pragma once

#include <array>
#include <cerrno>
#include <initializer_list>
#include <string>
#include <string_view>

#include "store/Translation.h"

namespace kw::text {

// Day labels put before an arrival time, by day offset 0..7.
inline constexpr std::array<Text, 8> kDayLabels = {QT_TRANSLATE_NOOP("kw::text", " "), QT_TRANSLATE_NOOP("kw::text", "次日"), QT_TRANSLATE_NOOP("kw::text", "第三日"), QT_TRANSLATE_NOOP("kw::text", "第四日"), QT_TRANSLATE_NOOP("kw::text", "第五日"), QT_TRANSLATE_NOOP("kw::text", "第六日"), QT_TRANSLATE_NOOP("kw::text", "第七日"), QT_TRANSLATE_NOOP("kw::text", "第八日")};

// Sleeper fare shown for journeys too short for a berth.
inline constexpr Text kNoSleeper = QT_TRANSLATE_NOOP("kw::text", "无卧铺");

// Fare families, as kind.price names them.
inline constexpr std::string_view kFamilySlow = "普慢";
inline constexpr std::string_view kFamilyFast = "普快";
inline constexpr std::string_view kFamilyExpress = "特快";
inline constexpr std::string_view kFamilyAcFast = "空调普快";
inline constexpr std::string_view kFamilyAcExpress = "空调特快";
// The class name of slow trains, which the 普慢 option also takes.
inline constexpr std::string_view kSlowTrainClass = "普客";
// The train-class options of the searches, in the query panel's order.
inline constexpr std::array<std::string_view, 4> kClassOptions = {"特快", "快速", "普快", "普慢"};

// Failures of the timetable database.
inline constexpr Text kDbCannotOpen = QT_TRANSLATE_NOOP("kw::text", "无法打开时刻表数据库");
inline constexpr Text kDbMissing = QT_TRANSLATE_NOOP("kw::text", "文件不存在");
inline constexpr Text kDbNotTimetable = QT_TRANSLATE_NOOP("kw::text", "密码不符或文件已损坏，不是本程序的时刻表数据库");
inline constexpr Text kDbMissingTable = QT_TRANSLATE_NOOP("kw::text", "缺少数据表");
inline constexpr Text kDbMissingColumn = QT_TRANSLATE_NOOP("kw::text", "缺少数据列");
inline constexpr Text kDbReadOnly = QT_TRANSLATE_NOOP("kw::text", "文件不能写入");
inline constexpr Text kDbCannotChange = QT_TRANSLATE_NOOP("kw::text", "无法修改时刻表数据库");
inline constexpr Text kDbFolderReadOnly = QT_TRANSLATE_NOOP("kw::text", "文件夹 %1 不能写入");
inline constexpr Text kDbNoPermission = QT_TRANSLATE_NOOP("kw::text", "没有写入权限");
inline constexpr Text kDbReadOnlyFileSystem = QT_TRANSLATE_NOOP("kw::text", "文件系统是只读的");
inline constexpr Text kDbNumberTooLarge = QT_TRANSLATE_NOOP("kw::text", "数值超出本程序能处理的范围");
inline constexpr Text kDbNeedsRecovery = QT_TRANSLATE_NOOP("kw::text", "一次更新未能完成，须以可写方式打开一次此文件（例如由有写入权限的用户运行本程序）才能恢复");
inline constexpr Text kDbLocked = QT_TRANSLATE_NOOP("kw::text", "文件正被另一个程序使用（本程序可能已经在运行）");
inline constexpr Text kDbExists = QT_TRANSLATE_NOOP("kw::text", "文件已存在");
inline constexpr Text kDbError = QT_TRANSLATE_NOOP("kw::text", "时刻表数据库出错");

// Pieces that join a message to what it is about.
inline constexpr Text kWhatAndWhy = QT_TRANSLATE_NOOP("kw::text", "%1：%2");         // what failed, why
inline constexpr Text kPathFailure = QT_TRANSLATE_NOOP("kw::text", "%1 %2：%3");     // what failed, file, why
inline constexpr Text kInBrackets = QT_TRANSLATE_NOOP("kw::text", "%1（%2）");       // a message, a detail of it
inline constexpr Text kRange = QT_TRANSLATE_NOOP("kw::text", "%1 至 %2");            // lowest, highest
inline constexpr Text kCannotWriteFile = QT_TRANSLATE_NOOP("kw::text", "无法写入 %1：%2");  // file, why

// Building the database from its table files (build-db).
inline constexpr Text kBuildAt = QT_TRANSLATE_NOOP("kw::text", "%1 第 %2 行：%3");  // file, line, what is wrong
inline constexpr Text kBuildCannotRead = QT_TRANSLATE_NOOP("kw::text", "无法读取文件 %1");
inline constexpr Text kBuildColumnCount = QT_TRANSLATE_NOOP("kw::text", "应有 %1 列，实有 %2 列");
inline constexpr Text kBuildColumnName = QT_TRANSLATE_NOOP("kw::text", "第 %1 列应为 %2，实为 %3");  // n, name, text
inline constexpr Text kBuildNoHeader = QT_TRANSLATE_NOOP("kw::text", "缺少列名行");
inline constexpr Text kBuildRepeated = QT_TRANSLATE_NOOP("kw::text", "%1与第 %2 行重复");  // field, earlier line
inline constexpr Text kBuildNoSuch = QT_TRANSLATE_NOOP("kw::text", "%1 %2 不存在");         // field, value
inline constexpr Text kBuildStationId = QT_TRANSLATE_NOOP("kw::text", "车站编号");
inline constexpr Text kBuildStationName = QT_TRANSLATE_NOOP("kw::text", "车站名");
inline constexpr Text kBuildKindId = QT_TRANSLATE_NOOP("kw::text", "车型编号");
inline constexpr Text kBuildTrainId = QT_TRANSLATE_NOOP("kw::text", "车次编号");
inline constexpr Text kBuildPriceKm = QT_TRANSLATE_NOOP("kw::text", "票价里程");
inline constexpr Text kBuildTipId = QT_TRANSLATE_NOOP("kw::text", "小常识编号");
inline constexpr Text kBuildFirstStationId = QT_TRANSLATE_NOOP("kw::text", "始发站编号");
inline constexpr Text kBuildLastStationId = QT_TRANSLATE_NOOP("kw::text", "终到站编号");
inline constexpr Text kBuildTwoStops =
    QT_TRANSLATE_NOOP("kw::text", "车次编号 %1 在车站编号 %2 有两个停站（另见第 %3 行）");  // train, station, line
inline constexpr Text kBuildTwoZhanci =
    QT_TRANSLATE_NOOP("kw::text", "车次编号 %1 的站次 %2 出现两次（另见第 %3 行）");  // train, stop number, line
inline constexpr Text kBuildUnknownStation = QT_TRANSLATE_NOOP("kw::text", "车站 %1 不在车站表中");
inline constexpr Text kBuildHalfPosition = QT_TRANSLATE_NOOP("kw::text", "经度和纬度须同时给出或同时留空");

// Why a value cannot be stored in a column: "列 id 的值 “x” 不是整数".
inline constexpr Text kColumnValue = QT_TRANSLATE_NOOP("kw::text", "列 %1 的值 “%2” %3");  // column, value, why
inline constexpr Text kColumnWhy = QT_TRANSLATE_NOOP("kw::text", "列 %1 %2");             // column, why

// Why a file or folder could not be read or written, by the system's error
// number; the number itself for a cause without a text of its own.
inline std::string ErrorCause(int error) {
  switch (error) {
    case ENOENT:
      return std::string(Text(QT_TRANSLATE_NOOP("kw::text", "文件或文件夹不存在")));
    case EACCES:
    case EPERM:
      return std::string(Text(QT_TRANSLATE_NOOP("kw::text", "没有权限")));
    case EROFS:
      return std::string(Text(QT_TRANSLATE_NOOP("kw::text", "文件系统是只读的")));
    case ENOSPC:
    case EDQUOT:
      return std::string(Text(QT_TRANSLATE_NOOP("kw::text", "磁盘空间不足")));
    case EISDIR:
      return std::string(Text(QT_TRANSLATE_NOOP("kw::text", "这是一个文件夹")));
    case ENOTDIR:
      return std::string(Text(QT_TRANSLATE_NOOP("kw::text", "路径中有一项不是文件夹")));
    case EEXIST:
      return std::string(Text(QT_TRANSLATE_NOOP("kw::text", "文件已存在")));
    case ENAMETOOLONG:
      return std::string(Text(QT_TRANSLATE_NOOP("kw::text", "路径过长")));
    case ELOOP:
      return std::string(Text(QT_TRANSLATE_NOOP("kw::text", "符号链接过多")));
    case EMFILE:
    case ENFILE:
      return std::string(Text(QT_TRANSLATE_NOOP("kw::text", "打开的文件过多")));
    case ENOMEM:
      return std::string(Text(QT_TRANSLATE_NOOP("kw::text", "内存不足")));
    case EBUSY:
    case ETXTBSY:
      return std::string(Text(QT_TRANSLATE_NOOP("kw::text", "文件正被使用")));
    case EIO:
      return std::string(Text(QT_TRANSLATE_NOOP("kw::text", "读写出错")));
    default:
      return std::string(Text(QT_TRANSLATE_NOOP("kw::text", "系统错误 "))) + std::to_string(error);
  }
}

// The per-user copy of the date folder, made when the program's own cannot be written.
inline constexpr Text kUserDataCannotCopy = QT_TRANSLATE_NOOP("kw::text", "无法建立本用户的数据文件夹");
// The per-user folder cannot be written: the copy is used as it is.
inline constexpr Text kUserDataCannotTake = QT_TRANSLATE_NOOP("kw::text", "安装的时刻表与您的副本不同，但无法换用或记下它，程序仍使用您现有的时刻表。本用户的数据文件夹 ");
inline constexpr Text kUserDataNoHome = QT_TRANSLATE_NOOP("kw::text", "找不到本用户的数据文件夹：HOME 和 XDG_DATA_HOME 都没有设置");

// Why a written value cannot be stored in a column (table files, update files).
inline constexpr Text kValueNotInteger = QT_TRANSLATE_NOOP("kw::text", "不是整数");
inline constexpr Text kValueNotNumber = QT_TRANSLATE_NOOP("kw::text", "不是数值");
inline constexpr Text kValueNotTime = QT_TRANSLATE_NOOP("kw::text", "不是 时.分 格式的时刻（如 8.3 表示 08:30）");
inline constexpr Text kValueRequired = QT_TRANSLATE_NOOP("kw::text", "不能为空");
inline constexpr Text kValueOutOfRange = QT_TRANSLATE_NOOP("kw::text", "超出范围");

// Applying an update file: the messages shown for its outcome.
inline constexpr Text kUpdateNoRecords = QT_TRANSLATE_NOOP("kw::text", "您的更新文件有问题，请选择正确的更新文件！");
inline constexpr Text kUpdateDamaged = QT_TRANSLATE_NOOP("kw::text", "文件受损或格式不合法！");
inline constexpr Text kUpdateDone = QT_TRANSLATE_NOOP("kw::text", "更新完毕！");
// Pieces of the reasons that follow them ("第 5 行：无法识别的值：x").
inline constexpr Text kUpdateCannotRead = QT_TRANSLATE_NOOP("kw::text", "无法读取更新文件");
inline constexpr Text kUpdateBadEncoding = QT_TRANSLATE_NOOP("kw::text", "含有既非 UTF-8 也非 GB18030 编码的字节");
inline constexpr Text kUpdateNoConverter = QT_TRANSLATE_NOOP("kw::text", "本机缺少 GB18030 编码转换");
inline constexpr Text kUpdateUnreadableStart = QT_TRANSLATE_NOOP("kw::text", "文件开头无法识别：");
inline constexpr Text kUpdateMixedEncoding = QT_TRANSLATE_NOOP("kw::text", "与前面各行的编码不同（文件按 %1 读取），一个文件只能用一种编码");
inline constexpr Text kUpdateMarkMismatch = QT_TRANSLATE_NOOP("kw::text", "与文件开头标明的编码（%1）不同，一个文件只能用一种编码");
inline constexpr Text kUpdateNoChineseReading = QT_TRANSLATE_NOOP("kw::text", "按 UTF-8 和 GB18030 读来都不是中文");
inline constexpr Text kUpdateNotAFile = QT_TRANSLATE_NOOP("kw::text", "不是普通文件");
inline constexpr Text kUpdateTooLarge = QT_TRANSLATE_NOOP("kw::text", "文件过大（最多 %1 MB）");
inline constexpr Text kUpdateOutOfMemory = QT_TRANSLATE_NOOP("kw::text", "内存不足");
inline constexpr Text kUpdateUnknownAction = QT_TRANSLATE_NOOP("kw::text", "无法识别的操作（应为 insert、update 或 delete）：");
inline constexpr Text kUpdateNoTable = QT_TRANSLATE_NOOP("kw::text", "没有这个表：");
inline constexpr Text kUpdateBadKey = QT_TRANSLATE_NOOP("kw::text", "编号应写成 ");
inline constexpr Text kUpdateBadValue = QT_TRANSLATE_NOOP("kw::text", "无法识别的值：");
inline constexpr Text kUpdateUnclosedText = QT_TRANSLATE_NOOP("kw::text", "文字缺少结尾的双引号：");
inline constexpr Text kUpdateValueCount = QT_TRANSLATE_NOOP("kw::text", "插入的值的个数不对：");
inline constexpr Text kUpdateKeyMismatch = QT_TRANSLATE_NOOP("kw::text", "插入的值与编号不一致：");
inline constexpr Text kUpdateBadAssignment = QT_TRANSLATE_NOOP("kw::text", "修改应写成 列名=值：");
inline constexpr Text kUpdateNoColumn = QT_TRANSLATE_NOOP("kw::text", "表中没有这一列：");
inline constexpr Text kUpdateRepeatedColumn = QT_TRANSLATE_NOOP("kw::text", "同一列修改了两次：");
inline constexpr Text kUpdateConflict = QT_TRANSLATE_NOOP("kw::text", "与表中已有的行冲突");
inline constexpr Text kUpdateNotDeleted = QT_TRANSLATE_NOOP("kw::text", "但无法删除更新文件");
inline constexpr Text kUpdateEmptyItem = QT_TRANSLATE_NOOP("kw::text", "（空）");
inline constexpr Text kUpdateQuoteInTable = QT_TRANSLATE_NOOP("kw::text", "表名中有多余的双引号：");
inline constexpr Text kUpdateQuoteInKey = QT_TRANSLATE_NOOP("kw::text", "编号中有多余的双引号：");
inline constexpr Text kUpdateControlCharacter = QT_TRANSLATE_NOOP("kw::text", "列 %1 的文字含有控制字符 %2");  // column, U+001B
// The command-line tool's output could not be written (cause).
inline constexpr Text kOutputFailed = QT_TRANSLATE_NOOP("kw::text", "无法写出结果：%1");
inline constexpr Text kWriteFailed = QT_TRANSLATE_NOOP("kw::text", "写入失败");
// The update file's lines that cannot be applied: "编号应写成 <shape>，实为 “x”".
inline constexpr Text kUpdateKeyIs = QT_TRANSLATE_NOOP("kw::text", "%1，实为 “%2”");  // shape, key
inline constexpr Text kUpdateCountIs = QT_TRANSLATE_NOOP("kw::text", "表 %1 应有 %2 个，实有 %3 个");  // table, n, m
inline constexpr Text kUpdateKeyDiffers = QT_TRANSLATE_NOOP("kw::text", "%1 与编号 “%2” 不同");  // value, key
inline constexpr Text kUpdateAtLine = QT_TRANSLATE_NOOP("kw::text", "%1第 %2 行：%3");  // message, line, reason
inline constexpr Text kUpdateCancelled = QT_TRANSLATE_NOOP("kw::text", "更新已取消，时刻表没有改变");

// GTFS feeds: import and export. %1.. are filled in by Fill().
inline constexpr Text kGtfsAt = QT_TRANSLATE_NOOP("kw::text", "%1 第 %2 行：%3");  // file, line, what is wrong
inline constexpr Text kGtfsIn = QT_TRANSLATE_NOOP("kw::text", "%1：%2");          // file, what is wrong
inline constexpr Text kGtfsCannotOpen = QT_TRANSLATE_NOOP("kw::text", "无法打开");
inline constexpr Text kGtfsNotFeed = QT_TRANSLATE_NOOP("kw::text", "既不是 zip 文件也不是文件夹");
inline constexpr Text kGtfsMissingFile = QT_TRANSLATE_NOOP("kw::text", "缺少文件");
inline constexpr Text kGtfsNoCalendar = QT_TRANSLATE_NOOP("kw::text", "缺少 calendar.txt 和 calendar_dates.txt（至少要有其一）");
inline constexpr Text kGtfsMissingColumn = QT_TRANSLATE_NOOP("kw::text", "缺少列 %1");
inline constexpr Text kGtfsNoHeader = QT_TRANSLATE_NOOP("kw::text", "缺少列名行");
inline constexpr Text kGtfsNotUtf8 = QT_TRANSLATE_NOOP("kw::text", "含有不是 UTF-8 编码的字节");
inline constexpr Text kGtfsUnclosedQuote = QT_TRANSLATE_NOOP("kw::text", "引号没有结束");
inline constexpr Text kGtfsStrayQuote = QT_TRANSLATE_NOOP("kw::text", "引号只能包住整个字段，字段中的引号要写成两个");
inline constexpr Text kGtfsTooLarge = QT_TRANSLATE_NOOP("kw::text", "解压后超过 %1，不予读取");
inline constexpr Text kGtfsRatio = QT_TRANSLATE_NOOP("kw::text", "压缩比超过 %1 倍（疑为压缩炸弹），不予读取");
inline constexpr Text kGtfsCannotRead = QT_TRANSLATE_NOOP("kw::text", "无法读取：%1");
inline constexpr Text kGtfsDuplicateId = QT_TRANSLATE_NOOP("kw::text", "%1 “%2” 与第 %3 行重复");
inline constexpr Text kGtfsEmptyId = QT_TRANSLATE_NOOP("kw::text", "%1 不能为空");
inline constexpr Text kGtfsUnknownStop = QT_TRANSLATE_NOOP("kw::text", "没有这个站点：stop_id “%1”");
inline constexpr Text kGtfsUnknownTrip = QT_TRANSLATE_NOOP("kw::text", "没有这个车次：trip_id “%1”");
inline constexpr Text kGtfsUnknownRoute = QT_TRANSLATE_NOOP("kw::text", "没有这条线路：route_id “%1”");
inline constexpr Text kGtfsUnknownService = QT_TRANSLATE_NOOP("kw::text", "没有这个开行日历：service_id “%1”");
inline constexpr Text kGtfsParentNotStation = QT_TRANSLATE_NOOP("kw::text", "上级站点 “%1” 不是车站");
inline constexpr Text kGtfsNoName = QT_TRANSLATE_NOOP("kw::text", "车站没有名称");
inline constexpr Text kGtfsBadTime = QT_TRANSLATE_NOOP("kw::text", "时间 “%1” 应写成 时:分:秒（H:MM:SS）");
inline constexpr Text kGtfsNoTime = QT_TRANSLATE_NOOP("kw::text", "缺少到达和出发时间");
inline constexpr Text kGtfsBackwards = QT_TRANSLATE_NOOP("kw::text", "时间 %1 早于前面的 %2");
inline constexpr Text kGtfsTooManyDays = QT_TRANSLATE_NOOP("kw::text", "车次运行超过八天");
inline constexpr Text kGtfsBadNumber = QT_TRANSLATE_NOOP("kw::text", "%1 的值 “%2” 不是合适的数");
inline constexpr Text kGtfsBadDate = QT_TRANSLATE_NOOP("kw::text", "日期 “%1” 应写成 YYYYMMDD");
inline constexpr Text kGtfsBadOptionDate = QT_TRANSLATE_NOOP("kw::text", "日期 “%1” 应写成 YYYY-MM-DD");
inline constexpr Text kGtfsNoServiceAtAll = QT_TRANSLATE_NOOP("kw::text", "没有任何一天有车次开行");
inline constexpr Text kGtfsDateNotServed = QT_TRANSLATE_NOOP("kw::text", "%1 这一天没有车次开行（有车次开行的日期：%2 至 %3）");
inline constexpr Text kGtfsTooManyStops = QT_TRANSLATE_NOOP("kw::text", "车次 “%1” 的停站超过本程序能处理的数目");
inline constexpr Text kGtfsCancelled = QT_TRANSLATE_NOOP("kw::text", "已取消导入");
inline constexpr Text kGtfsCannotWriteTemporary = QT_TRANSLATE_NOOP("kw::text", "无法写入临时文件");
inline constexpr Text kGtfsCannotMakeFolder = QT_TRANSLATE_NOOP("kw::text", "无法建立临时文件夹 %1");
// A list of names in a message ("甲、乙等"): between two, and after the last shown of more.
inline constexpr Text kListJoin = QT_TRANSLATE_NOOP("kw::text", "、");
inline constexpr Text kListMore = QT_TRANSLATE_NOOP("kw::text", "等");
inline constexpr std::string_view kGtfsVersionMark = "（GTFS）";
inline constexpr std::string_view kGtfsNotDaily = "非每日开行";
// The mark as a message or a window shows it.
inline constexpr Text kGtfsVersionMarkShown = QT_TRANSLATE_NOOP("kw::text", "（GTFS）");
inline constexpr Text kGtfsSummary = QT_TRANSLATE_NOOP("kw::text", "%1 个车站，%2 个车次，%3 个停站，日期 %4，版本 %5");
inline constexpr Text kGtfsSkippedLoops = QT_TRANSLATE_NOOP("kw::text", "（略去 %1 个在同一车站停靠两次的车次）");
inline constexpr Text kGtfsExportSummary = QT_TRANSLATE_NOOP("kw::text", "%1 个车站，%2 个车次，%3 个停站");
inline constexpr Text kGtfsNoPosition = QT_TRANSLATE_NOOP("kw::text", "；%1 个车站没有位置：%2");
inline constexpr Text kGtfsCannotWrite = QT_TRANSLATE_NOOP("kw::text", "无法写入 %1：%2");
inline constexpr Text kGtfsSameFile = QT_TRANSLATE_NOOP("kw::text", "输出文件不能是正在使用的时刻表数据库");

// Result rows. %1.. are filled in by Fill().
inline constexpr Text kStationCaption = QT_TRANSLATE_NOOP("kw::text", " %1次(%2---%3)%4列车");  // number, first, last, class
inline constexpr Text kLegCaption = QT_TRANSLATE_NOOP("kw::text", " %1次(%2---%3)%4");          // the same without 列车
inline constexpr Text kNumberCaption = QT_TRANSLATE_NOOP("kw::text", " %1次(%2(%3----%4))");    // number, class, first, last
inline constexpr Text kInternationalTrain = QT_TRANSLATE_NOOP("kw::text", "国际列车");
// Shown in place of a distance or a fare that is not known.
inline constexpr Text kUnknownFigure = QT_TRANSLATE_NOOP("kw::text", "暂缺");

// Messages of the searches.
inline constexpr Text kOtherWayOnly = QT_TRANSLATE_NOOP("kw::text", "从%1到%2只有返程列车，请重新选择");
inline constexpr Text kNothingInWindow = QT_TRANSLATE_NOOP("kw::text", "对不起目前还没有符合您要求的车次！");
inline constexpr Text kNoDirectTrain = QT_TRANSLATE_NOOP("kw::text", "对不起！目前还没有由%1发往%2的直达列车。");
inline constexpr Text kOfferTransfer = QT_TRANSLATE_NOOP("kw::text", "请点击“确定”键，系统自动为您找出可供中转的车站\n如果您想放弃，就请点击“取消”按钮");
inline constexpr Text kNoTransfer = QT_TRANSLATE_NOOP("kw::text", "对不起！由%1到达%2通过一次中转目前无法实现。\n");
inline constexpr Text kUnknownStation = QT_TRANSLATE_NOOP("kw::text", "没有名为“%1”的车站");
inline constexpr Text kTrainNotFound = QT_TRANSLATE_NOOP("kw::text", "对不起！目前尚未开通“%1”次列车\n\n请检查您输入的车次，或许是您的手误。");

// Running times: "12小时05分钟", "12小时", "50分钟".
inline constexpr Text kHoursMinutes = QT_TRANSLATE_NOOP("kw::text", "%1小时%2分钟");  // hours, minutes (two digits)
inline constexpr Text kHoursOnly = QT_TRANSLATE_NOOP("kw::text", "%1小时");
inline constexpr Text kMinutesOnly = QT_TRANSLATE_NOOP("kw::text", "%1分钟");

// Stop list and train detail.
inline constexpr Text kFirstStop = QT_TRANSLATE_NOOP("kw::text", "始发站");
inline constexpr Text kLastStop = QT_TRANSLATE_NOOP("kw::text", "终到站");
inline constexpr Text kFirstStopCell = QT_TRANSLATE_NOOP("kw::text", "<--始发站-->");
inline constexpr Text kLastStopCell = QT_TRANSLATE_NOOP("kw::text", "<--终到站-->");
inline constexpr Text kDetailTitle = QT_TRANSLATE_NOOP("kw::text", "%1次(%2---->%3)%4列车详细情况");  // number, first, last, class
inline constexpr Text kTrainMissing = QT_TRANSLATE_NOOP("kw::text", "车次编号 %1 不存在");
inline constexpr Text kNotOnTrain = QT_TRANSLATE_NOOP("kw::text", "本车次不经过%1");
inline constexpr Text kWrongDirection = QT_TRANSLATE_NOOP("kw::text", "本车次不是由%1开往%2");  // boarding, alighting
inline constexpr std::array<Text, 6> kStopGridHeaders = {QT_TRANSLATE_NOOP("kw::text", "站次"), QT_TRANSLATE_NOOP("kw::text", "经停站"), QT_TRANSLATE_NOOP("kw::text", "到站时间："), QT_TRANSLATE_NOOP("kw::text", "发车时间："), QT_TRANSLATE_NOOP("kw::text", "公里数"), QT_TRANSLATE_NOOP("kw::text", "天数")};

// A UTF-8 character begins at every byte that is not a continuation byte.
inline constexpr bool BeginsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// Characters of UTF-8 text.
inline size_t CharacterCount(std::string_view text) {
  size_t n = 0;
  for (char c : text) n += BeginsCharacter(c);
  return n;
}

// `text` without the blanks (by default spaces and tabs) around it.
inline std::string_view Trim(std::string_view text, std::string_view blanks = " \t") {
  const size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Calls f(line) for each line of `text`, without its end; a line ends at
// CR LF, LF or CR. A last line without an end counts; text that ends in a
// line end has no empty line after it.
template <typename F>
void ForEachLine(std::string_view text, F f) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    f(text.substr(start, end - start));
    start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
  }
}

// A piece of the user's text as a message repeats it: at most kExcerptLength
// characters, then "…" when there were more. A control character (C0, DEL)
// shows as "�", so that none reaches a terminal or shifts a line.
inline constexpr size_t kExcerptLength = 80;
inline std::string Excerpt(std::string_view text) {
  std::string out;
  size_t characters = 0;
  for (const char c : text) {
    if (BeginsCharacter(c) && characters++ == kExcerptLength) return out + "…";
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      out += "\xEF\xBF\xBD";
    } else {
      out += c;
    }
  }
  return out;
}

// Journeys with changes.
inline constexpr Text kJourneyTrainJoin = QT_TRANSLATE_NOOP("kw::text", "→");      // "K21→T5"
inline constexpr std::string_view kJourneyTransfer = "%1(%2)";  // station, wait
inline constexpr Text kJourneyTransferJoin = QT_TRANSLATE_NOOP("kw::text", "、");
// Days past the eighth: %1 is the day in Chinese numerals ("第九日") in
// Chinese, and the days after the departure day in figures in a translation
// ("+8 days").
inline constexpr Text kLaterDay = QT_TRANSLATE_NOOP("kw::text", "第%1日");
inline constexpr Text kNoJourney = QT_TRANSLATE_NOOP("kw::text", "对不起！由%1到%2在所选的时间和车型内没有能够衔接的行程。");

// From and To as the journey window and the command-line tool read them.
inline constexpr Text kNeedBothStations = QT_TRANSLATE_NOOP("kw::text", "请输入出发站和到达站");
inline constexpr Text kSameStations = QT_TRANSLATE_NOOP("kw::text", "出发站与到达站相同");
inline constexpr Text kNoStationBeginsWith = QT_TRANSLATE_NOOP("kw::text", "没有以“%1”开头的站名");

// The station board (车站时刻).
inline constexpr Text kBoardStarts = QT_TRANSLATE_NOOP("kw::text", "始发");
inline constexpr Text kBoardEnds = QT_TRANSLATE_NOOP("kw::text", "终到");
inline constexpr Text kBoardNeedStation = QT_TRANSLATE_NOOP("kw::text", "请输入车站");
inline constexpr Text kBoardNoTrain = QT_TRANSLATE_NOOP("kw::text", "对不起！目前没有停靠%1的列车。");
inline constexpr Text kBoardNothingChosen = QT_TRANSLATE_NOOP("kw::text", "对不起！%1在所选的时间和车型内没有符合要求的列车。");
// With 开往 (%2: the beginning of the names the trains go on to).
inline constexpr Text kBoardNoTrainTowards = QT_TRANSLATE_NOOP("kw::text", "对不起！目前没有停靠%1并开往%2…的列车。");
inline constexpr Text kBoardNothingChosenTowards = QT_TRANSLATE_NOOP("kw::text", "对不起！停靠%1并开往%2…的列车在所选的时间和车型内都不符合要求。");

// A timetable's version text as the interface shows it: "2019-10 全国"
// with its edition word in the interface's language, the GTFS mark of an
// imported timetable translated; unchanged in Chinese.
inline std::string VersionName(std::string_view version) {
  if (version.size() >= kGtfsVersionMark.size() &&
      version.substr(version.size() - kGtfsVersionMark.size()) == kGtfsVersionMark) {
    return std::string(version.substr(0, version.size() - kGtfsVersionMark.size())) + kGtfsVersionMarkShown.str();
  }
  const size_t space = version.rfind(' ');
  if (space == std::string_view::npos) return DataWord(version);
  return std::string(version.substr(0, space + 1)) + DataWord(version.substr(space + 1));
}

// `pattern` with %1 .. %9 replaced by `args` in one pass (an argument's own
// text is never scanned for markers).
inline std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(pattern.size() + 32);
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const size_t n = static_cast<size_t>(pattern[i + 1] - '1');
      if (n < args.size()) out += *(args.begin() + n);
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace kw::text
