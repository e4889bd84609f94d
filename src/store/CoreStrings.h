// The core's own texts: words the query engine puts into results and the
// messages of failures the user can meet. The windows' texts live in
// ui/Strings.h.
#pragma once

#include <array>
#include <cerrno>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kw::text {

// Day labels put before an arrival time, by day offset 0..7.
inline constexpr std::array<std::string_view, 8> kDayLabels = {" ",      "次日",   "第三日", "第四日",
                                                               "第五日", "第六日", "第七日", "第八日"};

// Sleeper fare shown for journeys too short for a berth.
inline constexpr std::string_view kNoSleeper = "无卧铺";

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
inline constexpr std::string_view kDbCannotOpen = "无法打开时刻表数据库";
inline constexpr std::string_view kDbMissing = "文件不存在";
inline constexpr std::string_view kDbNotTimetable = "密码不符或文件已损坏，不是本程序的时刻表数据库";
inline constexpr std::string_view kDbMissingTable = "缺少数据表";
inline constexpr std::string_view kDbMissingColumn = "缺少数据列";
inline constexpr std::string_view kDbReadOnly = "文件不能写入";
inline constexpr std::string_view kDbCannotChange = "无法修改时刻表数据库";
inline constexpr std::string_view kDbFolderReadOnly = "文件夹 %1 不能写入";
inline constexpr std::string_view kDbNoPermission = "没有写入权限";
inline constexpr std::string_view kDbReadOnlyFileSystem = "文件系统是只读的";
inline constexpr std::string_view kDbNumberTooLarge = "数值超出本程序能处理的范围";
inline constexpr std::string_view kDbNeedsRecovery =
    "一次更新未能完成，须以可写方式打开一次此文件（例如由有写入权限的用户运行本程序）才能恢复";
inline constexpr std::string_view kDbLocked = "文件正被另一个程序使用（本程序可能已经在运行）";
inline constexpr std::string_view kDbExists = "文件已存在";
inline constexpr std::string_view kDbError = "时刻表数据库出错";

// Why a file or folder could not be read or written, by the system's error
// number; the number itself for a cause without a text of its own.
inline std::string ErrorCause(int error) {
  switch (error) {
    case ENOENT:
      return "文件或文件夹不存在";
    case EACCES:
    case EPERM:
      return "没有权限";
    case EROFS:
      return "文件系统是只读的";
    case ENOSPC:
    case EDQUOT:
      return "磁盘空间不足";
    case EISDIR:
      return "这是一个文件夹";
    case ENOTDIR:
      return "路径中有一项不是文件夹";
    case EEXIST:
      return "文件已存在";
    case ENAMETOOLONG:
      return "路径过长";
    case ELOOP:
      return "符号链接过多";
    case EMFILE:
    case ENFILE:
      return "打开的文件过多";
    case ENOMEM:
      return "内存不足";
    case EBUSY:
    case ETXTBSY:
      return "文件正被使用";
    case EIO:
      return "读写出错";
    default:
      return "系统错误 " + std::to_string(error);
  }
}

// The per-user copy of the date folder, made when the program's own cannot be written.
inline constexpr std::string_view kUserDataCannotCopy = "无法建立本用户的数据文件夹";
// The per-user folder cannot be written: the copy is used as it is.
inline constexpr std::string_view kUserDataCannotTake =
    "安装的时刻表与您的副本不同，但无法换用或记下它，程序仍使用您现有的时刻表。本用户的数据文件夹 ";
inline constexpr std::string_view kUserDataNoHome =
    "找不到本用户的数据文件夹：HOME 和 XDG_DATA_HOME 都没有设置";

// Why a written value cannot be stored in a column (table files, update files).
inline constexpr std::string_view kValueNotInteger = "不是整数";
inline constexpr std::string_view kValueNotNumber = "不是数值";
inline constexpr std::string_view kValueNotTime = "不是 时.分 格式的时刻（如 8.3 表示 08:30）";
inline constexpr std::string_view kValueRequired = "不能为空";
inline constexpr std::string_view kValueOutOfRange = "超出范围";

// Applying an update file: the messages shown for its outcome.
inline constexpr std::string_view kUpdateNoRecords = "您的更新文件有问题，请选择正确的更新文件！";
inline constexpr std::string_view kUpdateDamaged = "文件受损或格式不合法！";
inline constexpr std::string_view kUpdateDone = "更新完毕！";
// Pieces of the reasons that follow them ("第 5 行：无法识别的值：x").
inline constexpr std::string_view kUpdateCannotRead = "无法读取更新文件";
inline constexpr std::string_view kUpdateBadEncoding = "含有既非 UTF-8 也非 GB18030 编码的字节";
inline constexpr std::string_view kUpdateNoConverter = "本机缺少 GB18030 编码转换";
inline constexpr std::string_view kUpdateUnreadableStart = "文件开头无法识别：";
inline constexpr std::string_view kUpdateMixedEncoding =
    "与前面各行的编码不同（文件按 %1 读取），一个文件只能用一种编码";
inline constexpr std::string_view kUpdateMarkMismatch =
    "与文件开头标明的编码（%1）不同，一个文件只能用一种编码";
inline constexpr std::string_view kUpdateNoChineseReading = "按 UTF-8 和 GB18030 读来都不是中文";
inline constexpr std::string_view kUpdateNotAFile = "不是普通文件";
inline constexpr std::string_view kUpdateTooLarge = "文件过大（最多 %1 MB）";
inline constexpr std::string_view kUpdateOutOfMemory = "内存不足";
inline constexpr std::string_view kUpdateUnknownAction = "无法识别的操作（应为 insert、update 或 delete）：";
inline constexpr std::string_view kUpdateNoTable = "没有这个表：";
inline constexpr std::string_view kUpdateBadKey = "编号应写成 ";
inline constexpr std::string_view kUpdateBadValue = "无法识别的值：";
inline constexpr std::string_view kUpdateUnclosedText = "文字缺少结尾的双引号：";
inline constexpr std::string_view kUpdateValueCount = "插入的值的个数不对：";
inline constexpr std::string_view kUpdateKeyMismatch = "插入的值与编号不一致：";
inline constexpr std::string_view kUpdateBadAssignment = "修改应写成 列名=值：";
inline constexpr std::string_view kUpdateNoColumn = "表中没有这一列：";
inline constexpr std::string_view kUpdateRepeatedColumn = "同一列修改了两次：";
inline constexpr std::string_view kUpdateConflict = "与表中已有的行冲突";
inline constexpr std::string_view kUpdateNotDeleted = "但无法删除更新文件";
inline constexpr std::string_view kUpdateEmptyItem = "（空）";
inline constexpr std::string_view kUpdateQuoteInTable = "表名中有多余的双引号：";
inline constexpr std::string_view kUpdateQuoteInKey = "编号中有多余的双引号：";
inline constexpr std::string_view kUpdateControlCharacter = "列 %1 的文字含有控制字符 %2";  // column, U+001B
// The command-line tool's output could not be written (cause).
inline constexpr std::string_view kOutputFailed = "无法写出结果：%1";
inline constexpr std::string_view kWriteFailed = "写入失败";
inline constexpr std::string_view kUpdateCancelled = "更新已取消，时刻表没有改变";

// GTFS feeds: import and export. %1.. are filled in by Fill().
inline constexpr std::string_view kGtfsAt = "%1 第 %2 行：%3";  // file, line, what is wrong
inline constexpr std::string_view kGtfsIn = "%1：%2";          // file, what is wrong
inline constexpr std::string_view kGtfsCannotOpen = "无法打开";
inline constexpr std::string_view kGtfsNotFeed = "既不是 zip 文件也不是文件夹";
inline constexpr std::string_view kGtfsMissingFile = "缺少文件";
inline constexpr std::string_view kGtfsNoCalendar = "缺少 calendar.txt 和 calendar_dates.txt（至少要有其一）";
inline constexpr std::string_view kGtfsMissingColumn = "缺少列 %1";
inline constexpr std::string_view kGtfsNoHeader = "缺少列名行";
inline constexpr std::string_view kGtfsNotUtf8 = "含有不是 UTF-8 编码的字节";
inline constexpr std::string_view kGtfsUnclosedQuote = "引号没有结束";
inline constexpr std::string_view kGtfsStrayQuote = "引号只能包住整个字段，字段中的引号要写成两个";
inline constexpr std::string_view kGtfsTooLarge = "解压后超过 %1，不予读取";
inline constexpr std::string_view kGtfsRatio = "压缩比超过 %1 倍（疑为压缩炸弹），不予读取";
inline constexpr std::string_view kGtfsCannotRead = "无法读取：%1";
inline constexpr std::string_view kGtfsDuplicateId = "%1 “%2” 与第 %3 行重复";
inline constexpr std::string_view kGtfsEmptyId = "%1 不能为空";
inline constexpr std::string_view kGtfsUnknownStop = "没有这个站点：stop_id “%1”";
inline constexpr std::string_view kGtfsUnknownTrip = "没有这个车次：trip_id “%1”";
inline constexpr std::string_view kGtfsUnknownRoute = "没有这条线路：route_id “%1”";
inline constexpr std::string_view kGtfsUnknownService = "没有这个开行日历：service_id “%1”";
inline constexpr std::string_view kGtfsParentNotStation = "上级站点 “%1” 不是车站";
inline constexpr std::string_view kGtfsNoName = "车站没有名称";
inline constexpr std::string_view kGtfsBadTime = "时间 “%1” 应写成 时:分:秒（H:MM:SS）";
inline constexpr std::string_view kGtfsNoTime = "缺少到达和出发时间";
inline constexpr std::string_view kGtfsBackwards = "时间 %1 早于前面的 %2";
inline constexpr std::string_view kGtfsTooManyDays = "车次运行超过八天";
inline constexpr std::string_view kGtfsBadNumber = "%1 的值 “%2” 不是合适的数";
inline constexpr std::string_view kGtfsBadDate = "日期 “%1” 应写成 YYYYMMDD";
inline constexpr std::string_view kGtfsBadOptionDate = "日期 “%1” 应写成 YYYY-MM-DD";
inline constexpr std::string_view kGtfsNoServiceAtAll = "没有任何一天有车次开行";
inline constexpr std::string_view kGtfsDateNotServed = "%1 这一天没有车次开行（有车次开行的日期：%2 至 %3）";
inline constexpr std::string_view kGtfsTooManyStops = "车次 “%1” 的停站超过本程序能处理的数目";
inline constexpr std::string_view kGtfsCancelled = "已取消导入";
inline constexpr std::string_view kGtfsVersionMark = "（GTFS）";
inline constexpr std::string_view kGtfsNotDaily = "非每日开行";
inline constexpr std::string_view kGtfsSummary = "%1 个车站，%2 个车次，%3 个停站，日期 %4，版本 %5";
inline constexpr std::string_view kGtfsSkippedLoops = "（略去 %1 个在同一车站停靠两次的车次）";
inline constexpr std::string_view kGtfsExportSummary = "%1 个车站，%2 个车次，%3 个停站";
inline constexpr std::string_view kGtfsNoPosition = "；%1 个车站没有位置：%2";
inline constexpr std::string_view kGtfsCannotWrite = "无法写入 %1：%2";
inline constexpr std::string_view kGtfsSameFile = "输出文件不能是正在使用的时刻表数据库";

// Result rows. %1.. are filled in by Fill().
inline constexpr std::string_view kStationCaption = " %1次(%2---%3)%4列车";  // number, first, last, class
inline constexpr std::string_view kLegCaption = " %1次(%2---%3)%4";          // the same without 列车
inline constexpr std::string_view kNumberCaption = " %1次(%2(%3----%4))";    // number, class, first, last
inline constexpr std::string_view kInternationalTrain = "国际列车";
// Shown in place of a distance or a fare that is not known.
inline constexpr std::string_view kUnknownFigure = "暂缺";

// Messages of the searches.
inline constexpr std::string_view kOtherWayOnly = "从%1到%2只有返程列车，请重新选择";
inline constexpr std::string_view kNothingInWindow = "对不起目前还没有符合您要求的车次！";
inline constexpr std::string_view kNoDirectTrain = "对不起！目前还没有由%1发往%2的直达列车。";
inline constexpr std::string_view kOfferTransfer =
    "请点击“确定”键，系统自动为您找出可供中转的车站\n如果您想放弃，就请点击“取消”按钮";
inline constexpr std::string_view kNoTransfer = "对不起！由%1到达%2通过一次中转目前无法实现。\n";
inline constexpr std::string_view kUnknownStation = "没有名为“%1”的车站";
inline constexpr std::string_view kTrainNotFound =
    "对不起！目前尚未开通“%1”次列车\n\n请检查您输入的车次，或许是您的手误。";

// Stop list and train detail.
inline constexpr std::string_view kFirstStop = "始发站";
inline constexpr std::string_view kLastStop = "终到站";
inline constexpr std::string_view kFirstStopCell = "<--始发站-->";
inline constexpr std::string_view kLastStopCell = "<--终到站-->";
inline constexpr std::string_view kDetailTitle =
    "%1次(%2---->%3)%4列车详细情况";  // number, first, last, class
inline constexpr std::string_view kTrainMissing = "车次编号 %1 不存在";
inline constexpr std::string_view kNotOnTrain = "本车次不经过%1";
inline constexpr std::string_view kWrongDirection = "本车次不是由%1开往%2";  // boarding, alighting
inline constexpr std::array<std::string_view, 6> kStopGridHeaders = {"站次",       "经停站", "到站时间：",
                                                                     "发车时间：", "公里数", "天数"};

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
inline constexpr std::string_view kJourneyTrainJoin = "→";      // "K21→T5"
inline constexpr std::string_view kJourneyTransfer = "%1(%2)";  // station, wait
inline constexpr std::string_view kJourneyTransferJoin = "、";
inline constexpr std::string_view kLaterDay = "第%1日";  // days past the eighth
inline constexpr std::string_view kNoJourney = "对不起！由%1到%2在所选的时间和车型内没有能够衔接的行程。";

// From and To as the journey window and the command-line tool read them.
inline constexpr std::string_view kNeedBothStations = "请输入出发站和到达站";
inline constexpr std::string_view kSameStations = "出发站与到达站相同";
inline constexpr std::string_view kNoStationBeginsWith = "没有以“%1”开头的站名";

// The station board (车站时刻).
inline constexpr std::string_view kBoardStarts = "始发";
inline constexpr std::string_view kBoardEnds = "终到";
inline constexpr std::string_view kBoardNeedStation = "请输入车站";
inline constexpr std::string_view kBoardNoTrain = "对不起！目前没有停靠%1的列车。";
inline constexpr std::string_view kBoardNothingChosen = "对不起！%1在所选的时间和车型内没有符合要求的列车。";
// With 开往 (%2: the beginning of the names the trains go on to).
inline constexpr std::string_view kBoardNoTrainTowards = "对不起！目前没有停靠%1并开往%2…的列车。";
inline constexpr std::string_view kBoardNothingChosenTowards =
    "对不起！停靠%1并开往%2…的列车在所选的时间和车型内都不符合要求。";

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
