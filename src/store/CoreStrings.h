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

}  // namespace kw::text
