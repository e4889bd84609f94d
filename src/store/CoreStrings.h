// The core's own texts: words the query engine puts into results and the
// messages of failures the user can meet. The windows' texts live in
// ui/Strings.h.
#pragma once

#include <array>
#include <string_view>

namespace kw::text {

// Day labels put before an arrival time, by day offset 0..7.
inline constexpr std::array<std::string_view, 8> kDayLabels = {
    " ", "次日", "第三日", "第四日", "第五日", "第六日", "第七日", "第八日"};

// Sleeper fare shown for journeys too short for a berth.
inline constexpr std::string_view kNoSleeper = "无卧铺";

// Fare families, as kind.price names them.
inline constexpr std::string_view kFamilySlow = "普慢";
inline constexpr std::string_view kFamilyFast = "普快";
inline constexpr std::string_view kFamilyExpress = "特快";
inline constexpr std::string_view kFamilyAcFast = "空调普快";
inline constexpr std::string_view kFamilyAcExpress = "空调特快";

// Failures of the timetable database.
inline constexpr std::string_view kDbCannotOpen = "无法打开时刻表数据库";
inline constexpr std::string_view kDbMissing = "文件不存在";
inline constexpr std::string_view kDbNotTimetable = "密码不符或文件已损坏，不是本程序的时刻表数据库";
inline constexpr std::string_view kDbMissingTable = "缺少数据表";
inline constexpr std::string_view kDbLocked = "文件正被另一个程序使用（本程序可能已经在运行）";
inline constexpr std::string_view kDbExists = "文件已存在";
inline constexpr std::string_view kDbError = "时刻表数据库出错";

// Why a written value cannot be stored in a column (table files, update files).
inline constexpr std::string_view kValueNotInteger = "不是整数";
inline constexpr std::string_view kValueNotTime = "不是 时.分 格式的时刻（如 8.3 表示 08:30）";
inline constexpr std::string_view kValueRequired = "不能为空";

// Applying an update file: the messages shown for its outcome.
inline constexpr std::string_view kUpdateNoRecords = "您的更新文件有问题，请选择正确的更新文件！";
inline constexpr std::string_view kUpdateDamaged = "文件受损或格式不合法！";
inline constexpr std::string_view kUpdateDone = "更新完毕！";
// Pieces of the reasons that follow them ("第 5 行：无法识别的值：x").
inline constexpr std::string_view kUpdateCannotRead = "无法读取更新文件";
inline constexpr std::string_view kUpdateBadEncoding = "含有既非 UTF-8 也非 GB18030 编码的字节";
inline constexpr std::string_view kUpdateNoConverter = "本机缺少 GB18030 编码转换";
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

}  // namespace kw::text
