// The words of the timetable itself that the interface shows: class names,
// fare families, editions, remarks, and the program's tips of the day
// (data/everyday.tsv). They come from the database, not from the code, so
// they are listed here for lupdate to keep their English in
// translations/kestrelway_en.ts; text::DataWord() ("kw::data") and the tips
// window ("kw::tips") look them up when they are shown. A word the timetable
// gains later shows in Chinese until it is added here.
#include <QtGlobal>

#include <cstddef>
#include <iterator>

namespace kw::l10n {

extern const char* const kTimetableWords[];
extern const std::size_t kTimetableWordCount;
extern const char* const kTipTexts[];
extern const std::size_t kTipTextCount;

const char* const kTimetableWords[] = {
    // The train classes (kind.kind of the national and the hand-made timetable).
    QT_TRANSLATE_NOOP("kw::data", "高速动车组"),
    QT_TRANSLATE_NOOP("kw::data", "动车组"),
    QT_TRANSLATE_NOOP("kw::data", "城际动车组"),
    QT_TRANSLATE_NOOP("kw::data", "直达特快"),
    QT_TRANSLATE_NOOP("kw::data", "特快"),
    QT_TRANSLATE_NOOP("kw::data", "快速"),
    QT_TRANSLATE_NOOP("kw::data", "普快"),
    QT_TRANSLATE_NOOP("kw::data", "普客"),
    QT_TRANSLATE_NOOP("kw::data", "旅游列车"),
    QT_TRANSLATE_NOOP("kw::data", "市郊列车"),
    QT_TRANSLATE_NOOP("kw::data", "通勤列车"),
    QT_TRANSLATE_NOOP("kw::data", "国际列车"),
    QT_TRANSLATE_NOOP("kw::data", "临客"),
    // The fare families (kind.price).
    QT_TRANSLATE_NOOP("kw::data", "空调特快"),
    QT_TRANSLATE_NOOP("kw::data", "空调普快"),
    QT_TRANSLATE_NOOP("kw::data", "普慢"),
    // The timetables' editions (VerID.ver): the word alone and the whole version.
    QT_TRANSLATE_NOOP("kw::data", "全国"),
    QT_TRANSLATE_NOOP("kw::data", "2019-10 全国"),
    QT_TRANSLATE_NOOP("kw::data", "标准版"),
    QT_TRANSLATE_NOOP("kw::data", "2026-12 标准版"),
    QT_TRANSLATE_NOOP("kw::data", "小测试"),
    QT_TRANSLATE_NOOP("kw::data", "2026-12 小测试"),
    QT_TRANSLATE_NOOP("kw::data", "2026-12 小测试（GTFS）"),
    // Remarks (train.memo): the one the GTFS import writes, and those of the hand-made timetable.
    QT_TRANSLATE_NOOP("kw::data", "非每日开行"),
    QT_TRANSLATE_NOOP("kw::data", "空调"),
    QT_TRANSLATE_NOOP("kw::data", "动卧列车，只售卧铺"),
    QT_TRANSLATE_NOOP("kw::data", "春运临客，回程空车"),
    QT_TRANSLATE_NOOP("kw::data", "沈阳站改车次为K1017"),
    QT_TRANSLATE_NOOP("kw::data", "沈阳站改车次为K1019"),
    QT_TRANSLATE_NOOP("kw::data", "株洲站改车次为K1158"),
    QT_TRANSLATE_NOOP("kw::data", "株洲站改车次为K1160"),
    QT_TRANSLATE_NOOP("kw::data", "徐州站改车次为Z41"),
    QT_TRANSLATE_NOOP("kw::data", "徐州站改车次为Z43"),
    QT_TRANSLATE_NOOP("kw::data", "天津站改车次为Z235"),
    QT_TRANSLATE_NOOP("kw::data", "天津站改车次为Z237"),
    QT_TRANSLATE_NOOP("kw::data", "国际列车，莫斯科当地时间每周一21:35开；外方站时刻为北京时间"),
    QT_TRANSLATE_NOOP("kw::data", "国际列车，每周四乌兰巴托开；外方站时刻为北京时间"),
    QT_TRANSLATE_NOOP("kw::data", "国际列车，每周二北京开；外方站时刻为北京时间"),
    QT_TRANSLATE_NOOP("kw::data", "国际列车，每周三北京开，经二连、乌兰巴托；外方站时刻为北京时间"),
};
const std::size_t kTimetableWordCount = std::size(kTimetableWords);

// Each tip's title, then its text, in the order of data/everyday.tsv.
const char* const kTipTexts[] = {
    QT_TRANSLATE_NOOP("kw::tips", "提前进站"),
    QT_TRANSLATE_NOOP("kw::tips", "大站进站要经过实名验证和安全检查，客流高峰时排队较久。建议至少提前四十分钟到达车站，开车前五分钟停止检票。"),
    QT_TRANSLATE_NOOP("kw::tips", "证件随身"),
    QT_TRANSLATE_NOOP("kw::tips", "乘车时须携带购票时使用的有效身份证件，进站和车上验票时请主动出示。证件遗失的，可到车站公安制证窗口办理临时乘车身份证明。"),
    QT_TRANSLATE_NOOP("kw::tips", "儿童购票"),
    QT_TRANSLATE_NOOP("kw::tips", "年满六周岁、未满十四周岁的儿童应购买儿童票。未满六周岁的儿童随同成人乘车可以免费，但不单独占用席位；年满十四周岁的请购买全价票。"),
    QT_TRANSLATE_NOOP("kw::tips", "随身行李"),
    QT_TRANSLATE_NOOP("kw::tips", "成人旅客可免费携带二十千克以内的物品，儿童十千克。普速列车每件物品长宽高之和不超过一百六十厘米，动车组列车不超过一百三十厘米。"),
    QT_TRANSLATE_NOOP("kw::tips", "危险物品"),
    QT_TRANSLATE_NOOP("kw::tips", "易燃、易爆、有毒、有腐蚀性的物品一律不得带上列车。打火机、酒类、自喷压力容器等限量物品，出行前请查看车站公告。"),
    QT_TRANSLATE_NOOP("kw::tips", "中转换乘"),
    QT_TRANSLATE_NOOP("kw::tips", "中转换乘请留足时间，普速列车之间一般不少于一小时。同一城市不同车站之间换乘，还要算上市内交通的时间。"),
    QT_TRANSLATE_NOOP("kw::tips", "认清车站"),
    QT_TRANSLATE_NOOP("kw::tips", "不少城市有几个火车站，比如北京、北京西、北京南。购票和出门前请看清车票上的车站名称，别去错了车站。"),
    QT_TRANSLATE_NOOP("kw::tips", "夜间列车"),
    QT_TRANSLATE_NOOP("kw::tips", "乘坐夜间卧铺列车，熄灯以后请保持安静。手机、钱包等贵重物品最好放在铺位内侧或贴身携带。"),
    QT_TRANSLATE_NOOP("kw::tips", "上下铺位"),
    QT_TRANSLATE_NOOP("kw::tips", "中铺、上铺的旅客白天可以借用下铺或走廊边的座椅休息，晚上熄灯后请回到自己的铺位。"),
    QT_TRANSLATE_NOOP("kw::tips", "改签退票"),
    QT_TRANSLATE_NOOP("kw::tips", "开车前可以办理改签和退票。退票费按离开车时间的长短收取，越早办理收费越少。"),
    QT_TRANSLATE_NOOP("kw::tips", "误车处理"),
    QT_TRANSLATE_NOOP("kw::tips", "没能赶上列车时，可在开车当日到车站售票窗口办理改签，改签到当日其他有余票的车次。"),
    QT_TRANSLATE_NOOP("kw::tips", "站台候车"),
    QT_TRANSLATE_NOOP("kw::tips", "列车进站时请站在安全线以内候车，等列车停稳后先下后上，不要拥挤。"),
    QT_TRANSLATE_NOOP("kw::tips", "中途停车"),
    QT_TRANSLATE_NOOP("kw::tips", "列车在中途车站停车时间较短，下车活动时请留意广播，听到开车预告后及时回到车上。"),
    QT_TRANSLATE_NOOP("kw::tips", "行李看管"),
    QT_TRANSLATE_NOOP("kw::tips", "车门附近和行李架上的物品容易被错拿。贵重物品请随身携带，下车前清点一遍自己的行李。"),
    QT_TRANSLATE_NOOP("kw::tips", "旅途用餐"),
    QT_TRANSLATE_NOOP("kw::tips", "长途列车一般挂有餐车，也有推车售卖盒饭和饮料。有特殊饮食需要的旅客，可以自带一些食物。"),
    QT_TRANSLATE_NOOP("kw::tips", "禁止吸烟"),
    QT_TRANSLATE_NOOP("kw::tips", "列车全列禁止吸烟。在动车组列车上吸烟会触发烟雾报警，造成列车降速甚至停车，吸烟者将被依法处罚。"),
    QT_TRANSLATE_NOOP("kw::tips", "重点旅客"),
    QT_TRANSLATE_NOOP("kw::tips", "老人、残疾人、孕妇等行动不便的旅客，可以提前联系车站预约重点旅客服务，工作人员会协助进站上车。"),
    QT_TRANSLATE_NOOP("kw::tips", "学生优惠"),
    QT_TRANSLATE_NOOP("kw::tips", "持有效学生证和优惠卡的学生，在家庭与学校之间乘车可以购买学生票。普速列车硬座按半价计算，动车组列车二等座按七五折计算。"),
    QT_TRANSLATE_NOOP("kw::tips", "国际列车"),
    QT_TRANSLATE_NOOP("kw::tips", "乘坐国际列车须持有效护照和前往国家的签证。列车在口岸站要办理边防和海关检查，停车时间较长。"),
    QT_TRANSLATE_NOOP("kw::tips", "到达天数"),
    QT_TRANSLATE_NOOP("kw::tips", "查询结果中到达时间旁标注的天数表示第几天到达，“次日”就是第二天。长途列车可能第三天甚至更晚才到。"),
    QT_TRANSLATE_NOOP("kw::tips", "两个车次"),
    QT_TRANSLATE_NOOP("kw::tips", "车次写成Z40/Z41这样的形式，表示列车在途中改变车次号，仍是同一趟车，不需要下车换乘。"),
    QT_TRANSLATE_NOOP("kw::tips", "临时列车"),
    QT_TRANSLATE_NOOP("kw::tips", "春运、暑运等客流高峰期间会加开临时旅客列车，车次以字母L开头，开行日期以铁路部门公告为准。"),
    QT_TRANSLATE_NOOP("kw::tips", "乘车安全"),
    QT_TRANSLATE_NOOP("kw::tips", "列车运行中不要在车厢连接处长时间停留，不要倚靠车门，照看好随行的儿童。"),
    QT_TRANSLATE_NOOP("kw::tips", "遗失物品"),
    QT_TRANSLATE_NOOP("kw::tips", "物品遗落在车上时，请尽快联系列车工作人员或车站，说清车次、车厢和座位号，方便查找。"),
    QT_TRANSLATE_NOOP("kw::tips", "身体不适"),
    QT_TRANSLATE_NOOP("kw::tips", "旅途中身体不适可以告诉列车员。列车上备有常用药品，需要时会广播寻找医护人员帮忙。"),
    QT_TRANSLATE_NOOP("kw::tips", "车站时刻"),
    QT_TRANSLATE_NOOP("kw::tips", "想知道一个车站全天停靠哪些列车，可以打开“车站时刻”：按开车时间、到站时间或车次排列，也可以只列开往某个方向的列车。"),
    QT_TRANSLATE_NOOP("kw::tips", "检票口"),
    QT_TRANSLATE_NOOP("kw::tips", "大站的候车室和检票口可能临时调整。进站后请留意车站的显示屏和广播，按指示到对应的检票口候车。"),
    QT_TRANSLATE_NOOP("kw::tips", "小站停车"),
    QT_TRANSLATE_NOOP("kw::tips", "列车在小站通常只停一两分钟。在小站下车的旅客请提前收拾好行李，到站前走到车门附近等候。"),
};
const std::size_t kTipTextCount = std::size(kTipTexts);

}  // namespace kw::l10n
