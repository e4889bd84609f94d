// The command-line tool's own texts: its usage, its refusals and the words
// of its output, in context kw::cli. The core's texts it prints come from
// store/CoreStrings.h.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "store/Translation.h"

namespace kw::cli {

inline constexpr char kCliContext[] = "kw::cli";

// One of the tool's texts: its translation each time it is read.
class Text {
 public:
  constexpr Text(const char* source) : source_(source) {}  // NOLINT: a text is written as its source
  operator std::string_view() const { return text::Translate(kCliContext, source_); }  // NOLINT
  std::string str() const { return std::string(std::string_view(*this)); }
  const char* source() const { return source_; }

 private:
  const char* source_;
};

// The whole usage; %1 is the list of train-class options (ClassOptionList).
inline constexpr Text kUsage = QT_TRANSLATE_NOOP(
    "kw::cli",
    "用法：kestrelway-cli [--db 数据库文件] [--json] [--lang en|zh] 命令 参数...\n"
    "      kestrelway-cli --version\n"
    "命令：\n"
    "  build-db DATA_DIR OUT_FILE   由 DATA_DIR 中的表文件生成加密数据库\n"
    "  stations TEXT                按简码、全拼或站名开头查找车站\n"
    "  fares KIND_ID KM             某车型、某里程的七种票价\n"
    "  search FROM TO [--after HH:MM] [--before HH:MM] [--class 车型]\n"
    "                               站站查询：站名开头为 FROM、TO 的各站之间的车次\n"
    "  transfer-stations FROM TO    可供中转的车站（站名须完整）\n"
    "  transfer FROM VIA TO [--after HH:MM] [--before HH:MM] [--class 车型]\n"
    "                               经 VIA 中转的两程车次\n"
    "  train TEXT [--class 车型]    车次查询\n"
    "  detail TRAIN_ID [--board NAME --alight NAME]\n"
    "                               某车次的详细情况、经停站和票价\n"
    "  journeys FROM TO [--after HH:MM] [--until HH:MM] [--max-changes N] [--min-change MINUTES]\n"
    "           [--slack MINUTES] [--types GCDZTKO] [--sort depart|arrive|duration|changes]\n"
    "                               一天之内最多换乘两次、真正衔接得上的最佳行程\n"
    "                               （--slack：多换乘一次至少节省的分钟数，0–120，默认 30）\n"
    "  board STATION [--all-with-prefix] [--after HH:MM] [--until HH:MM] [--types GCDZTKO]\n"
    "        [--only start|end] [--towards TEXT] [--sort depart|arrive|train]\n"
    "                               车站时刻：停靠该站的全部列车（--all-with-prefix 含同名车站，\n"
    "                               --towards 只列其后停靠以 TEXT 开头的车站的列车）\n"
    "  update FILE                  把更新文件应用到数据库（全部生效或全不生效），成功后删除该文件\n"
    "  import-gtfs FEED OUT_FILE [--date YYYY-MM-DD] [--distance-unit km|m]\n"
    "                               由 GTFS 时刻表（zip 文件或文件夹）生成某一天的时刻表数据库 OUT_FILE\n"
    "                               （票价、车型和小常识取自所用的时刻表）\n"
    "  export-gtfs OUT.zip          把时刻表导出为 GTFS 时刻表\n"
    "  --lang：界面语言，zh 中文（默认）或 en 英文；LANG 以 en 开头时默认英文\n"
    "search、transfer、train 的 --class 车型：只列出该车型（%1）的车次\n");
// The commands' own usage lines, as a refusal repeats them.
inline constexpr Text kSearchUsage =
    QT_TRANSLATE_NOOP("kw::cli", "search FROM TO [--after HH:MM] [--before HH:MM] [--class 车型]");
inline constexpr Text kTransferUsage =
    QT_TRANSLATE_NOOP("kw::cli", "transfer FROM VIA TO [--after HH:MM] [--before HH:MM] [--class 车型]");
inline constexpr Text kTrainUsage = QT_TRANSLATE_NOOP("kw::cli", "train TEXT [--class 车型]");

// Refusals of the command line.
inline constexpr Text kUsageLine = QT_TRANSLATE_NOOP("kw::cli", "用法：kestrelway-cli %1");
inline constexpr Text kUnknownOption = QT_TRANSLATE_NOOP("kw::cli", "未知选项：%1");
inline constexpr Text kNoCommand = QT_TRANSLATE_NOOP("kw::cli", "缺少命令");
inline constexpr Text kUnknownCommand = QT_TRANSLATE_NOOP("kw::cli", "未知命令：%1");
inline constexpr Text kBadLanguage = QT_TRANSLATE_NOOP("kw::cli", "--lang 应为 en 或 zh：%1");
inline constexpr Text kNoEnglish = QT_TRANSLATE_NOOP("kw::cli", "无法载入英文翻译，仍用中文");
inline constexpr Text kMissingValue = QT_TRANSLATE_NOOP("kw::cli", "%1 后缺少参数");  // option
inline constexpr Text kEmptyValue = QT_TRANSLATE_NOOP("kw::cli", "%1 的值不能为空");  // option
inline constexpr Text kNotNumber = QT_TRANSLATE_NOOP("kw::cli", "%1 应为整数：%2");   // what, value
inline constexpr Text kNotClock = QT_TRANSLATE_NOOP("kw::cli", "%1 应为时间 HH:MM：%2");  // option, value
inline constexpr Text kTooLong = QT_TRANSLATE_NOOP("kw::cli", "%1过长（最多 %2 个字符）");  // what, characters
inline constexpr Text kOutOfBounds = QT_TRANSLATE_NOOP("kw::cli", "%1 应在 %2 到 %3 之间：%4");  // option, low, high, value
inline constexpr Text kBadClass = QT_TRANSLATE_NOOP("kw::cli", "--class 应为 %1：%2");  // options, value
inline constexpr Text kBadTypes = QT_TRANSLATE_NOOP("kw::cli", "--types 应为 GCDZTKO 中的字母：%1");
inline constexpr Text kBadOnly = QT_TRANSLATE_NOOP("kw::cli", "--only 应为 start 或 end：%1");
inline constexpr Text kBadBoardSort = QT_TRANSLATE_NOOP("kw::cli", "--sort 应为 depart、arrive 或 train：%1");
inline constexpr Text kBadJourneySort =
    QT_TRANSLATE_NOOP("kw::cli", "--sort 应为 depart、arrive、duration 或 changes：%1");
inline constexpr Text kAfterPastUntil = QT_TRANSLATE_NOOP("kw::cli", "--after 不能晚于 --until");
inline constexpr Text kBadDistanceUnit = QT_TRANSLATE_NOOP("kw::cli", "--distance-unit 应为 km 或 m：%1");
inline constexpr Text kNegativeKm = QT_TRANSLATE_NOOP("kw::cli", "KM 不能为负数：%1");
inline constexpr Text kStationText = QT_TRANSLATE_NOOP("kw::cli", "站名");
inline constexpr Text kTowardsText = QT_TRANSLATE_NOOP("kw::cli", "--towards 站名");
inline constexpr Text kTrainText = QT_TRANSLATE_NOOP("kw::cli", "车次");
inline constexpr Text kNeedTrain = QT_TRANSLATE_NOOP("kw::cli", "请输入车次");
inline constexpr Text kNeedStation = QT_TRANSLATE_NOOP("kw::cli", "请输入车站简码或站名");

// Words of the output.
inline constexpr Text kTransferStations = QT_TRANSLATE_NOOP("kw::cli", "中转站:");
// "更新完毕！但无法写出结果：…": the update was applied, its output lost.
inline constexpr Text kDoneBut = QT_TRANSLATE_NOOP("kw::cli", "%1但%2");
// Captions of the seven fares, in the order of the detail window's fare
// panel. Their Chinese names are the keys of the JSON objects.
inline constexpr std::array<Text, 7> kFareNames = {
    QT_TRANSLATE_NOOP("kw::cli", "硬座"),   QT_TRANSLATE_NOOP("kw::cli", "软座"),
    QT_TRANSLATE_NOOP("kw::cli", "硬卧上"), QT_TRANSLATE_NOOP("kw::cli", "硬卧中"),
    QT_TRANSLATE_NOOP("kw::cli", "硬卧下"), QT_TRANSLATE_NOOP("kw::cli", "软卧上"),
    QT_TRANSLATE_NOOP("kw::cli", "软卧下")};
// What the --class options (the query panel's words, typed as they are)
// mean, in the order of text::kClassOptions; the joins of a list of them.
inline constexpr std::array<Text, 4> kClassOptionMeanings = {
    QT_TRANSLATE_NOOP("kw::cli", "特快"), QT_TRANSLATE_NOOP("kw::cli", "快速"),
    QT_TRANSLATE_NOOP("kw::cli", "普快"), QT_TRANSLATE_NOOP("kw::cli", "普慢")};
// The options for a message, the last after `lastJoin` (kListLastJoin or
// kListJoin): "特快、快速、普快 或 普慢"; in a translation each followed by
// its meaning: "特快 (Express), ...".
std::string ClassOptionList(const Text& lastJoin);
inline constexpr Text kListJoin = QT_TRANSLATE_NOOP("kw::cli", "、");
inline constexpr Text kListLastJoin = QT_TRANSLATE_NOOP("kw::cli", " 或 ");

}  // namespace kw::cli
