<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>kw::cli</name>
    <message>
        <source>用法：kestrelway-cli [--db 数据库文件] [--json] [--lang en|zh] 命令 参数...
      kestrelway-cli --version
命令：
  build-db DATA_DIR OUT_FILE   由 DATA_DIR 中的表文件生成加密数据库
  stations TEXT                按简码、全拼或站名开头查找车站
  fares KIND_ID KM             某车型、某里程的七种票价
  search FROM TO [--after HH:MM] [--before HH:MM] [--class 车型]
                               站站查询：站名开头为 FROM、TO 的各站之间的车次
  transfer-stations FROM TO    可供中转的车站（站名须完整）
  transfer FROM VIA TO [--after HH:MM] [--before HH:MM] [--class 车型]
                               经 VIA 中转的两程车次
  train TEXT [--class 车型]    车次查询
  detail TRAIN_ID [--board NAME --alight NAME]
                               某车次的详细情况、经停站和票价
  journeys FROM TO [--after HH:MM] [--until HH:MM] [--max-changes N] [--min-change MINUTES]
           [--slack MINUTES] [--types GCDZTKO] [--sort depart|arrive|duration|changes]
                               一天之内最多换乘两次、真正衔接得上的最佳行程
                               （--slack：多换乘一次至少节省的分钟数，0–120，默认 30）
  board STATION [--all-with-prefix] [--after HH:MM] [--until HH:MM] [--types GCDZTKO]
        [--only start|end] [--towards TEXT] [--sort depart|arrive|train]
                               车站时刻：停靠该站的全部列车（--all-with-prefix 含同名车站，
                               --towards 只列其后停靠以 TEXT 开头的车站的列车）
  update FILE                  把更新文件应用到数据库（全部生效或全不生效），成功后删除该文件
  import-gtfs FEED OUT_FILE [--date YYYY-MM-DD] [--distance-unit km|m]
                               由 GTFS 时刻表（zip 文件或文件夹）生成某一天的时刻表数据库 OUT_FILE
                               （票价、车型和小常识取自所用的时刻表）
  export-gtfs OUT.zip          把时刻表导出为 GTFS 时刻表
  --lang：界面语言，zh 中文（默认）或 en 英文；LANG 以 en 开头时默认英文
search、transfer、train 的 --class 车型：只列出该车型（%1）的车次
</source>
        <translation>Usage: kestrelway-cli [--db DATABASE_FILE] [--json] [--lang en|zh] COMMAND ARGS...
       kestrelway-cli --version
Commands:
  build-db DATA_DIR OUT_FILE   build the encrypted database from the table files in DATA_DIR
  stations TEXT                find stations by short code, full pinyin or the start of the name
  fares KIND_ID KM             the seven fares of a train class over a distance
  search FROM TO [--after HH:MM] [--before HH:MM] [--class CLASS]
                               trains between the stations whose names begin with FROM and TO
  transfer-stations FROM TO    stations to change trains at (full station names)
  transfer FROM VIA TO [--after HH:MM] [--before HH:MM] [--class CLASS]
                               the trains of both legs, changing at VIA
  train TEXT [--class CLASS]   trains by number
  detail TRAIN_ID [--board NAME --alight NAME]
                               a train&apos;s details, stops and fares
  journeys FROM TO [--after HH:MM] [--until HH:MM] [--max-changes N] [--min-change MINUTES]
           [--slack MINUTES] [--types GCDZTKO] [--sort depart|arrive|duration|changes]
                               a day&apos;s best journeys that really connect, with up to two changes
                               (--slack: minutes one more change must save at least, 0-120, default 30)
  board STATION [--all-with-prefix] [--after HH:MM] [--until HH:MM] [--types GCDZTKO]
        [--only start|end] [--towards TEXT] [--sort depart|arrive|train]
                               station board: every train that calls there (--all-with-prefix: stations
                               whose names begin with it too; --towards: only trains that call later at
                               a station whose name begins with TEXT)
  update FILE                  apply an update file to the database (all of it or nothing), then delete it
  import-gtfs FEED OUT_FILE [--date YYYY-MM-DD] [--distance-unit km|m]
                               build the timetable database OUT_FILE of one day from a GTFS feed
                               (zip file or folder; fares, classes and tips from the timetable in use)
  export-gtfs OUT.zip          export the timetable as a GTFS feed
  --lang: the language, zh Chinese (default) or en English; English by default when LANG begins with en
--class CLASS of search, transfer and train: only trains of that class (%1)
</translation>
    </message>
    <message>
        <source>search FROM TO [--after HH:MM] [--before HH:MM] [--class 车型]</source>
        <translation>search FROM TO [--after HH:MM] [--before HH:MM] [--class CLASS]</translation>
    </message>
    <message>
        <source>transfer FROM VIA TO [--after HH:MM] [--before HH:MM] [--class 车型]</source>
        <translation>transfer FROM VIA TO [--after HH:MM] [--before HH:MM] [--class CLASS]</translation>
    </message>
    <message>
        <source>train TEXT [--class 车型]</source>
        <translation>train TEXT [--class CLASS]</translation>
    </message>
    <message>
        <source>用法：kestrelway-cli %1</source>
        <translation>Usage: kestrelway-cli %1</translation>
    </message>
    <message>
        <source>未知选项：%1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>缺少命令</source>
        <translation>No command given</translation>
    </message>
    <message>
        <source>未知命令：%1</source>
        <translation>Unknown command: %1</translation>
    </message>
    <message>
        <source>--lang 应为 en 或 zh：%1</source>
        <translation>--lang must be en or zh: %1</translation>
    </message>
    <message>
        <source>无法载入英文翻译，仍用中文</source>
        <translation>The English translation cannot be loaded; staying in Chinese</translation>
    </message>
    <message>
        <source>%1 后缺少参数</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>%1 的值不能为空</source>
        <translation>The value of %1 cannot be empty</translation>
    </message>
    <message>
        <source>%1 应为整数：%2</source>
        <translation>%1 must be a whole number: %2</translation>
    </message>
    <message>
        <source>%1 应为时间 HH:MM：%2</source>
        <translation>%1 must be a time HH:MM: %2</translation>
    </message>
    <message>
        <source>%1过长（最多 %2 个字符）</source>
        <translation>%1 too long (at most %2 characters)</translation>
    </message>
    <message>
        <source>%1 应在 %2 到 %3 之间：%4</source>
        <translation>%1 must be from %2 to %3: %4</translation>
    </message>
    <message>
        <source>--class 应为 %1：%2</source>
        <translation>--class must be %1: %2</translation>
    </message>
    <message>
        <source>--types 应为 GCDZTKO 中的字母：%1</source>
        <translation>--types must be letters of GCDZTKO: %1</translation>
    </message>
    <message>
        <source>--only 应为 start 或 end：%1</source>
        <translation>--only must be start or end: %1</translation>
    </message>
    <message>
        <source>--sort 应为 depart、arrive 或 train：%1</source>
        <translation>--sort must be depart, arrive or train: %1</translation>
    </message>
    <message>
        <source>--sort 应为 depart、arrive、duration 或 changes：%1</source>
        <translation>--sort must be depart, arrive, duration or changes: %1</translation>
    </message>
    <message>
        <source>--after 不能晚于 --until</source>
        <translation>--after cannot be later than --until</translation>
    </message>
    <message>
        <source>--distance-unit 应为 km 或 m：%1</source>
        <translation>--distance-unit must be km or m: %1</translation>
    </message>
    <message>
        <source>KM 不能为负数：%1</source>
        <translation>KM cannot be negative: %1</translation>
    </message>
    <message>
        <source>站名</source>
        <translation>Station name</translation>
    </message>
    <message>
        <source>--towards 站名</source>
        <translation>--towards station name</translation>
    </message>
    <message>
        <source>车次</source>
        <translation>Train number</translation>
    </message>
    <message>
        <source>请输入车次</source>
        <translation>Enter a train number</translation>
    </message>
    <message>
        <source>请输入车站简码或站名</source>
        <translation>Enter a station&apos;s short code or name</translation>
    </message>
    <message>
        <source>中转站:</source>
        <translation>Transfer stations:</translation>
    </message>
    <message>
        <source>%1但%2</source>
        <translation>%1 But %2</translation>
    </message>
    <message>
        <source>硬座</source>
        <translation>Hard seat</translation>
    </message>
    <message>
        <source>软座</source>
        <translation>Soft seat</translation>
    </message>
    <message>
        <source>硬卧上</source>
        <translation>Hard sleeper upper</translation>
    </message>
    <message>
        <source>硬卧中</source>
        <translation>Hard sleeper middle</translation>
    </message>
    <message>
        <source>硬卧下</source>
        <translation>Hard sleeper lower</translation>
    </message>
    <message>
        <source>软卧上</source>
        <translation>Soft sleeper upper</translation>
    </message>
    <message>
        <source>软卧下</source>
        <translation>Soft sleeper lower</translation>
    </message>
    <message>
        <source>特快</source>
        <translation>Express</translation>
    </message>
    <message>
        <source>快速</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>普快</source>
        <translation>Ordinary Fast</translation>
    </message>
    <message>
        <source>普慢</source>
        <translation>Ordinary</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source> 或 </source>
        <translation> or </translation>
    </message>
</context>
<context>
    <name>kw::data</name>
    <message>
        <source>高速动车组</source>
        <translation>High-speed</translation>
    </message>
    <message>
        <source>动车组</source>
        <translation>EMU</translation>
    </message>
    <message>
        <source>城际动车组</source>
        <translation>Intercity</translation>
    </message>
    <message>
        <source>直达特快</source>
        <translation>Direct Express</translation>
    </message>
    <message>
        <source>特快</source>
        <translation>Express</translation>
    </message>
    <message>
        <source>快速</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>普快</source>
        <translation>Ordinary Fast</translation>
    </message>
    <message>
        <source>普客</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>旅游列车</source>
        <translation>Tourist train</translation>
    </message>
    <message>
        <source>市郊列车</source>
        <translation>Suburban</translation>
    </message>
    <message>
        <source>通勤列车</source>
        <translation>Commuter</translation>
    </message>
    <message>
        <source>国际列车</source>
        <translation>International train</translation>
    </message>
    <message>
        <source>临客</source>
        <translation>Extra train</translation>
    </message>
    <message>
        <source>空调特快</source>
        <translation>AC Express</translation>
    </message>
    <message>
        <source>空调普快</source>
        <translation>AC Ordinary Fast</translation>
    </message>
    <message>
        <source>普慢</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>全国</source>
        <translation>National</translation>
    </message>
    <message>
        <source>2019-10 全国</source>
        <translation>2019-10 National</translation>
    </message>
    <message>
        <source>标准版</source>
        <translation>Standard edition</translation>
    </message>
    <message>
        <source>2026-12 标准版</source>
        <translation>2026-12 Standard edition</translation>
    </message>
    <message>
        <source>小测试</source>
        <translation>Small test</translation>
    </message>
    <message>
        <source>2026-12 小测试（GTFS）</source>
        <translation>2026-12 Small test (GTFS)</translation>
    </message>
    <message>
        <source>非每日开行</source>
        <translation>Not daily</translation>
    </message>
    <message>
        <source>空调</source>
        <translation>Air-conditioned</translation>
    </message>
    <message>
        <source>动卧列车，只售卧铺</source>
        <translation>Sleeper EMU, berths only</translation>
    </message>
    <message>
        <source>春运临客，回程空车</source>
        <translation>Spring Festival extra train, runs empty on the way back</translation>
    </message>
    <message>
        <source>沈阳站改车次为K1017</source>
        <translation>Number changes to K1017 at Shenyang</translation>
    </message>
    <message>
        <source>沈阳站改车次为K1019</source>
        <translation>Number changes to K1019 at Shenyang</translation>
    </message>
    <message>
        <source>株洲站改车次为K1158</source>
        <translation>Number changes to K1158 at Zhuzhou</translation>
    </message>
    <message>
        <source>株洲站改车次为K1160</source>
        <translation>Number changes to K1160 at Zhuzhou</translation>
    </message>
    <message>
        <source>徐州站改车次为Z41</source>
        <translation>Number changes to Z41 at Xuzhou</translation>
    </message>
    <message>
        <source>徐州站改车次为Z43</source>
        <translation>Number changes to Z43 at Xuzhou</translation>
    </message>
    <message>
        <source>天津站改车次为Z235</source>
        <translation>Number changes to Z235 at Tianjin</translation>
    </message>
    <message>
        <source>天津站改车次为Z237</source>
        <translation>Number changes to Z237 at Tianjin</translation>
    </message>
    <message>
        <source>国际列车，莫斯科当地时间每周一21:35开；外方站时刻为北京时间</source>
        <translation>International train, leaves Moscow Mondays 21:35 local time; times abroad are Beijing time</translation>
    </message>
    <message>
        <source>国际列车，每周四乌兰巴托开；外方站时刻为北京时间</source>
        <translation>International train, leaves Ulaanbaatar on Thursdays; times abroad are Beijing time</translation>
    </message>
    <message>
        <source>国际列车，每周二北京开；外方站时刻为北京时间</source>
        <translation>International train, leaves Beijing on Tuesdays; times abroad are Beijing time</translation>
    </message>
    <message>
        <source>国际列车，每周三北京开，经二连、乌兰巴托；外方站时刻为北京时间</source>
        <translation>International train, leaves Beijing on Wednesdays, via Erenhot and Ulaanbaatar; times abroad are Beijing time</translation>
    </message>
    <message>
        <source>2026-12 小测试</source>
        <translation>2026-12 Small test</translation>
    </message>
</context>
<context>
    <name>kw::str</name>
    <message>
        <source>铁路时刻查询 单机版 </source>
        <translation>Railway Timetable, desktop edition </translation>
    </message>
    <message>
        <source>Kestrelway 铁路时刻</source>
        <translation>Kestrelway Railway Timetable</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>主程序版本：</source>
        <translation>Program version: </translation>
    </message>
    <message>
        <source>, 库文件版本：</source>
        <translation>, timetable version: </translation>
    </message>
    <message>
        <source> &#x3000;请关注</source>
        <translation>  For the latest timetable file, visit the </translation>
    </message>
    <message>
        <source>网站,下载最新版库文件。</source>
        <translation> website.</translation>
    </message>
    <message>
        <source>共列出 %1 趟列车</source>
        <translation>Trains listed: %1</translation>
    </message>
    <message>
        <source>第一程 %1 趟、第二程 %2 趟列车</source>
        <translation>Trains: first leg %1, second leg %2</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>打印(&amp;P)</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>更新数据库(&amp;U)...</source>
        <translation>&amp;Update timetable...</translation>
    </message>
    <message>
        <source>使用新安装的时刻表(&amp;N)...</source>
        <translation>Use &amp;newly installed timetable...</translation>
    </message>
    <message>
        <source>已安装另一时刻表（库文件版本：%1），可用“文件 → 使用新安装的时刻表”换用</source>
        <translation>Another timetable is installed (timetable version: %1); switch to it with &quot;File → Use newly installed timetable&quot;</translation>
    </message>
    <message>
        <source>安装的时刻表已换成另一版本（库文件版本：%1），与您的时刻表不同。
您的时刻表含有您应用过的更新，所以程序仍使用它。
要换用安装的时刻表，请选择“文件 → 使用新安装的时刻表”（您应用过的更新将不再保留）。</source>
        <translation>The installed timetable has changed to another version (timetable version: %1), different from yours.
Your timetable holds updates you applied, so the program keeps using it.
To switch to the installed timetable, choose &quot;File → Use newly installed timetable&quot; (the updates you applied will not be kept).</translation>
    </message>
    <message>
        <source>用安装的时刻表（库文件版本：%1）替换您现在使用的时刻表吗？
您应用过的更新将不再保留。</source>
        <translation>Replace the timetable you are using with the installed one (timetable version: %1)?
The updates you applied will not be kept.</translation>
    </message>
    <message>
        <source>已换用安装的时刻表。</source>
        <translation>Now using the installed timetable.</translation>
    </message>
    <message>
        <source>无法换用安装的时刻表：</source>
        <translation>Could not switch to the installed timetable: </translation>
    </message>
    <message>
        <source>选择更新文件</source>
        <translation>Choose an update file</translation>
    </message>
    <message>
        <source>更新文件 (*.txt *.upd *.dat);;所有文件 (*)</source>
        <translation>Update files (*.txt *.upd *.dat);;All files (*)</translation>
    </message>
    <message>
        <source>正在更新数据库……</source>
        <translation>Updating the timetable...</translation>
    </message>
    <message>
        <source>导入 GTFS 时刻表(&amp;G)...</source>
        <translation>Import &amp;GTFS timetable...</translation>
    </message>
    <message>
        <source>导出 GTFS(&amp;E)...</source>
        <translation>&amp;Export GTFS...</translation>
    </message>
    <message>
        <source>选择 GTFS 时刻表（zip 文件，或文件夹里的 stops.txt）</source>
        <translation>Choose a GTFS timetable (a zip file, or stops.txt in a folder)</translation>
    </message>
    <message>
        <source>GTFS 时刻表 (*.zip stops.txt);;所有文件 (*)</source>
        <translation>GTFS timetables (*.zip stops.txt);;All files (*)</translation>
    </message>
    <message>
        <source>正在读入 GTFS 时刻表……</source>
        <translation>Reading the GTFS timetable...</translation>
    </message>
    <message>
        <source>无法导入 GTFS 时刻表：
%1</source>
        <translation>Could not import the GTFS timetable:
%1</translation>
    </message>
    <message>
        <source>GTFS 时刻表已读入：
%1

要用它替换您现在使用的时刻表吗？
您应用过的更新将不再保留。</source>
        <translation>GTFS timetable read:
%1

Replace the timetable you are using with it?
The updates you applied will not be kept.</translation>
    </message>
    <message>
        <source>已换用导入的时刻表（库文件版本：%1）。</source>
        <translation>Now using the imported timetable (timetable version: %1).</translation>
    </message>
    <message>
        <source>无法换用导入的时刻表：</source>
        <translation>Could not switch to the imported timetable: </translation>
    </message>
    <message>
        <source>导出 GTFS 时刻表</source>
        <translation>Export GTFS timetable</translation>
    </message>
    <message>
        <source>GTFS 时刻表 (*.zip)</source>
        <translation>GTFS timetables (*.zip)</translation>
    </message>
    <message>
        <source>已导出 GTFS 时刻表 %1：
%2</source>
        <translation>GTFS timetable exported to %1:
%2</translation>
    </message>
    <message>
        <source>无法导出 GTFS 时刻表：
%1</source>
        <translation>Could not export the GTFS timetable:
%1</translation>
    </message>
    <message>
        <source>地图(&amp;M)</source>
        <translation>&amp;Map</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>铁路小常识(&amp;K)</source>
        <translation>Railway &amp;tips</translation>
    </message>
    <message>
        <source>帮助主题(&amp;l)</source>
        <translation>He&amp;lp topics</translation>
    </message>
    <message>
        <source>关于(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>小常识</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>起始站</source>
        <translation>From</translation>
    </message>
    <message>
        <source>终到站</source>
        <translation>To</translation>
    </message>
    <message>
        <source>请输入起始站的简码,并在车站列表中选取车站名</source>
        <translation>Type the departure station&apos;s short code or name, then pick the station from the list</translation>
    </message>
    <message>
        <source>请输入终到站的简码,并在车站列表中选取车站名</source>
        <translation>Type the arrival station&apos;s short code or name, then pick the station from the list</translation>
    </message>
    <message>
        <source>高级查询</source>
        <translation>Advanced search</translation>
    </message>
    <message>
        <source>时    间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>指定中转</source>
        <translation>Transfer at</translation>
    </message>
    <message>
        <source>车    型 </source>
        <translation>Class</translation>
    </message>
    <message>
        <source>特快</source>
        <translation>Express</translation>
    </message>
    <message>
        <source>快速</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>普快</source>
        <translation>Ordinary Fast</translation>
    </message>
    <message>
        <source>普慢</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>请输入您计划的最早出发时间(0点至23点)</source>
        <translation>Earliest departure you plan (hour, 0 to 23)</translation>
    </message>
    <message>
        <source>请输入您计划的最晚到达时间(0点至23点)</source>
        <translation>Latest arrival you plan (hour, 0 to 23)</translation>
    </message>
    <message>
        <source>请输入您计划的最早出发时间(0分至60分)</source>
        <translation>Earliest departure you plan (minute, 0 to 59)</translation>
    </message>
    <message>
        <source>请输入您计划的最晚到达时间(0分至60分)</source>
        <translation>Latest arrival you plan (minute, 0 to 59)</translation>
    </message>
    <message>
        <source>在</source>
        <translation>At</translation>
    </message>
    <message>
        <source>：</source>
        <translation>:</translation>
    </message>
    <message>
        <source>点之后发车</source>
        <translation>or later: departs</translation>
    </message>
    <message>
        <source>点之前到站</source>
        <translation>or earlier: arrives</translation>
    </message>
    <message>
        <source>请输入车次</source>
        <translation>Train number</translation>
    </message>
    <message>
        <source>⇄</source>
        <translation>⇄</translation>
    </message>
    <message>
        <source>交换起始站和终到站</source>
        <translation>Swap departure and arrival stations</translation>
    </message>
    <message>
        <source>最近查询(&amp;R)</source>
        <translation>&amp;Recent searches</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>对不起您的输入有误！</source>
        <translation>Sorry, your input is not valid.</translation>
    </message>
    <message>
        <source>对不起！请检查您输入的中转站是否合理。</source>
        <translation>Sorry, please check that the transfer station you entered makes sense.</translation>
    </message>
    <message>
        <source>车次</source>
        <translation>Train</translation>
    </message>
    <message>
        <source>始发时刻</source>
        <translation>Departs</translation>
    </message>
    <message>
        <source>终到时刻</source>
        <translation>Arrives</translation>
    </message>
    <message>
        <source>里程(公里)</source>
        <translation>Distance (km)</translation>
    </message>
    <message>
        <source>硬座票价(元)</source>
        <translation>Hard seat (¥)</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>上车站</source>
        <translation>Board at</translation>
    </message>
    <message>
        <source>下车站</source>
        <translation>Alight at</translation>
    </message>
    <message>
        <source>发车</source>
        <translation> departs</translation>
    </message>
    <message>
        <source>到站</source>
        <translation> arrives</translation>
    </message>
    <message>
        <source>双击任意车次可察看详细信息</source>
        <translation>Double-click a train to see its details</translation>
    </message>
    <message>
        <source>查询结果</source>
        <translation>Search results</translation>
    </message>
    <message>
        <source>可供中转的车站：</source>
        <translation>Stations to change at:</translation>
    </message>
    <message>
        <source>中转站</source>
        <translation>Transfer station </translation>
    </message>
    <message>
        <source>中转行程(&amp;J)...</source>
        <translation>&amp;Journeys with changes...</translation>
    </message>
    <message>
        <source>中转行程</source>
        <translation>Journeys</translation>
    </message>
    <message>
        <source>查看中转行程</source>
        <translation>Show journeys with changes</translation>
    </message>
    <message>
        <source>中转行程 - Kestrelway</source>
        <translation>Journeys - Kestrelway</translation>
    </message>
    <message>
        <source>出发站</source>
        <translation>From</translation>
    </message>
    <message>
        <source>到达站</source>
        <translation>To</translation>
    </message>
    <message>
        <source>出发时间</source>
        <translation>Departing</translation>
    </message>
    <message>
        <source>至</source>
        <translation>to</translation>
    </message>
    <message>
        <source>最多换乘</source>
        <translation>At most</translation>
    </message>
    <message>
        <source>次</source>
        <translation>changes</translation>
    </message>
    <message>
        <source>换乘至少</source>
        <translation>Min. change time</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>min</translation>
    </message>
    <message>
        <source>车型</source>
        <translation>Classes</translation>
    </message>
    <message>
        <source>高铁/城际</source>
        <translation>High-speed/Intercity</translation>
    </message>
    <message>
        <source>动车</source>
        <translation>EMU</translation>
    </message>
    <message>
        <source>直达</source>
        <translation>Direct Express</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>交换出发站和到达站</source>
        <translation>Swap departure and arrival stations</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>出发</source>
        <translation>Departs</translation>
    </message>
    <message>
        <source>到达</source>
        <translation>Arrives</translation>
    </message>
    <message>
        <source>历时</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>换乘</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>中转</source>
        <translation>Change at</translation>
    </message>
    <message>
        <source>等候%1</source>
        <translation>wait %1</translation>
    </message>
    <message>
        <source>共 %1 条行程；双击一程可察看该车次的详细情况</source>
        <translation>Journeys: %1; double-click a leg to see its train&apos;s details</translation>
    </message>
    <message>
        <source>最早出发时间不能晚于最晚出发时间</source>
        <translation>The earliest departure cannot be later than the latest departure</translation>
    </message>
    <message>
        <source>多换乘一次至少节省</source>
        <translation>An extra change must save</translation>
    </message>
    <message>
        <source>未选车型：%1（这些列车不在结果中）</source>
        <translation>Classes not chosen: %1 (these trains are not in the results)</translation>
    </message>
    <message>
        <source>查询条件已更改，请按“查询”重新查询</source>
        <translation>The search has changed; press &quot;Search&quot; to search again</translation>
    </message>
    <message>
        <source>中转行程 %1 → %2 %3–%4</source>
        <translation>Journeys %1 → %2 %3–%4</translation>
    </message>
    <message>
        <source>车站时刻(&amp;B)...</source>
        <translation>Station &amp;board...</translation>
    </message>
    <message>
        <source>车站时刻</source>
        <translation>Station board</translation>
    </message>
    <message>
        <source>车站时刻 - Kestrelway</source>
        <translation>Station board - Kestrelway</translation>
    </message>
    <message>
        <source>车站</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>请输入车站的简码或站名,并在车站列表中选取车站名</source>
        <translation>Type the station&apos;s short code or name, then pick the station from the list</translation>
    </message>
    <message>
        <source>含同名车站</source>
        <translation>Stations of the same name</translation>
    </message>
    <message>
        <source>列出站名以所输文字开头的全部车站，如“北京”含北京西、北京南</source>
        <translation>List every station whose name starts with what you typed: &quot;Beijing&quot; includes Beijingxi and Beijingnan</translation>
    </message>
    <message>
        <source>开车时间</source>
        <translation>Departing</translation>
    </message>
    <message>
        <source>终到列车按到达时间；开始晚于结束时跨过午夜</source>
        <translation>Terminating trains go by their arrival time; a start later than the end spans midnight</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>只看始发</source>
        <translation>Originating only</translation>
    </message>
    <message>
        <source>只看终到</source>
        <translation>Terminating only</translation>
    </message>
    <message>
        <source>开往</source>
        <translation>Towards</translation>
    </message>
    <message>
        <source>只列出其后停靠站名以此开头的车站的列车</source>
        <translation>List only trains that later call at a station whose name starts with this</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>始发站</source>
        <translation>From</translation>
    </message>
    <message>
        <source>停留(分)</source>
        <translation>Stop (min)</translation>
    </message>
    <message>
        <source>里程</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>共 %1 趟列车；双击一行可察看该车次的详细情况</source>
        <translation>Trains: %1; double-click a row to see the train&apos;s details</translation>
    </message>
    <message>
        <source>%1车站时刻 %2—%3</source>
        <translation>%1 station board %2–%3</translation>
    </message>
    <message>
        <source>查看车站时刻</source>
        <translation>View station board</translation>
    </message>
    <message>
        <source>%1次 - Kestrelway</source>
        <translation>%1 - Kestrelway</translation>
    </message>
    <message>
        <source>详细情况</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>票价信息</source>
        <translation>Fares</translation>
    </message>
    <message>
        <source>发车时间：</source>
        <translation>Departs:</translation>
    </message>
    <message>
        <source>到站时间：</source>
        <translation>Arrives:</translation>
    </message>
    <message>
        <source>运行时间：</source>
        <translation>Travel time:</translation>
    </message>
    <message>
        <source>总 里 程：</source>
        <translation>Distance:</translation>
    </message>
    <message>
        <source>硬座</source>
        <translation>Hard seat</translation>
    </message>
    <message>
        <source>软座</source>
        <translation>Soft seat</translation>
    </message>
    <message>
        <source>硬卧上</source>
        <translation>Hard sleeper upper</translation>
    </message>
    <message>
        <source>硬卧中</source>
        <translation>Hard sleeper middle</translation>
    </message>
    <message>
        <source>硬卧下</source>
        <translation>Hard sleeper lower</translation>
    </message>
    <message>
        <source>软卧上</source>
        <translation>Soft sleeper upper</translation>
    </message>
    <message>
        <source>软卧下</source>
        <translation>Soft sleeper lower</translation>
    </message>
    <message>
        <source>全程%1公里，共经过%2个车站</source>
        <translation>%1 km in all, %2 stations</translation>
    </message>
    <message>
        <source>列表</source>
        <translation>List</translation>
    </message>
    <message>
        <source>图形</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>国际专列，暂无详细信息！</source>
        <translation>International train: no details available.</translation>
    </message>
    <message>
        <source>（%1，显示全程）</source>
        <translation> (%1; showing the whole route)</translation>
    </message>
    <message>
        <source>（本车次暂无经停站信息）</source>
        <translation> (no stops known for this train)</translation>
    </message>
    <message>
        <source>铁路乘车小常识</source>
        <translation>Railway travel tips</translation>
    </message>
    <message>
        <source>铁路知识</source>
        <translation>Railway facts</translation>
    </message>
    <message>
        <source>不再显示每日一贴</source>
        <translation>Don&apos;t show tips again</translation>
    </message>
    <message>
        <source>上一条</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>下一条</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>网址：</source>
        <translation>Website: </translation>
    </message>
    <message>
        <source>电子邮件：</source>
        <translation>Email: </translation>
    </message>
    <message>
        <source>Kestrelway 铁路时刻查询</source>
        <translation>Kestrelway Railway Timetable</translation>
    </message>
    <message>
        <source>出品：Kestrelway 工作室</source>
        <translation>Made by: Kestrelway Studio</translation>
    </message>
    <message>
        <source>网址：www.kestrelway.example</source>
        <translation>Website: www.kestrelway.example</translation>
    </message>
    <message>
        <source>电子邮件：service@kestrelway.example</source>
        <translation>Email: service@kestrelway.example</translation>
    </message>
    <message>
        <source>程序设计：Kestrelway 开发组</source>
        <translation>Program: Kestrelway development team</translation>
    </message>
    <message>
        <source>时刻数据整理：Kestrelway 数据组</source>
        <translation>Timetable data: Kestrelway data team</translation>
    </message>
    <message>
        <source>界面美工：Kestrelway 美工组</source>
        <translation>Artwork: Kestrelway design team</translation>
    </message>
    <message>
        <source>感谢您的使用，祝您旅途愉快！</source>
        <translation>Thank you for using Kestrelway. Have a good journey!</translation>
    </message>
    <message>
        <source>宋体</source>
        <translation>DejaVu Serif</translation>
    </message>
    <message>
        <source>没有可用的打印机。要把这些页面保存为 PDF 文件吗？</source>
        <translation>No printer is available. Save these pages as a PDF file?</translation>
    </message>
    <message>
        <source>打印您的查询结果吗？</source>
        <translation>Print your search results?</translation>
    </message>
    <message>
        <source>保存为PDF文件</source>
        <translation>Save as PDF file</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>已保存为 PDF 文件：%1</source>
        <translation>Saved as PDF file: %1</translation>
    </message>
    <message>
        <source>第 </source>
        <translation>Page </translation>
    </message>
    <message>
        <source>页</source>
        <translation> </translation>
    </message>
    <message>
        <source>打印机“%1”未能打印这些页面。</source>
        <translation>The printer &quot;%1&quot; could not print these pages.</translation>
    </message>
    <message>
        <source>无法写入文件“%1”，请换一个位置保存。</source>
        <translation>Could not write the file &quot;%1&quot;; please save it somewhere else.</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>导出为 CSV…</source>
        <translation>Export as CSV…</translation>
    </message>
    <message>
        <source>导出为 CSV 文件</source>
        <translation>Export as CSV file</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>停站</source>
        <translation>Stops</translation>
    </message>
    <message>
        <source>铁路地图(&amp;R)...</source>
        <translation>&amp;Railway map...</translation>
    </message>
    <message>
        <source>铁路地图 - Kestrelway</source>
        <translation>Railway map - Kestrelway</translation>
    </message>
    <message>
        <source>%1 - 铁路地图</source>
        <translation>%1 - Railway map</translation>
    </message>
    <message>
        <source>全国铁路网</source>
        <translation>National rail network</translation>
    </message>
    <message>
        <source>地图数据 © OpenStreetMap 贡献者</source>
        <translation>Map data © OpenStreetMap contributors</translation>
    </message>
    <message>
        <source>车站位置：地图数据 © OpenStreetMap 贡献者（ODbL 1.0 许可）</source>
        <translation>Station positions: map data © OpenStreetMap contributors (ODbL 1.0 licence)</translation>
    </message>
    <message>
        <source>全图</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>导出为图片…</source>
        <translation>Export as picture…</translation>
    </message>
    <message>
        <source>导出为图片</source>
        <translation>Export as picture</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png);;SVG 图形 (*.svg)</source>
        <translation>PNG pictures (*.png);;SVG drawings (*.svg)</translation>
    </message>
    <message>
        <source>地图</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>在铁路地图上显示</source>
        <translation>Show on the railway map</translation>
    </message>
    <message>
        <source>%1 个车站无坐标，未画出</source>
        <translation>Stations without a position, not drawn: %1</translation>
    </message>
    <message>
        <source>时刻表中没有车站坐标，无法画出地图。请使用带有车站坐标的时刻表。</source>
        <translation>The timetable has no station positions, so no map can be drawn. Please use a timetable with station positions.</translation>
    </message>
    <message>
        <source>车站“%1”不在时刻表中</source>
        <translation>The station &quot;%1&quot; is not in the timetable</translation>
    </message>
    <message>
        <source>车站“%1”无坐标，未画出</source>
        <translation>The station &quot;%1&quot; has no position and is not drawn</translation>
    </message>
    <message>
        <source>%1
%2 趟列车停靠</source>
        <translation>%1
Trains calling: %2</translation>
    </message>
    <message>
        <source>设为出发站</source>
        <translation>Set as departure station</translation>
    </message>
    <message>
        <source>设为到达站</source>
        <translation>Set as arrival station</translation>
    </message>
</context>
<context>
    <name>kw::text</name>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>次日</source>
        <translation>+1 day </translation>
    </message>
    <message>
        <source>第三日</source>
        <translation>+2 days </translation>
    </message>
    <message>
        <source>第四日</source>
        <translation>+3 days </translation>
    </message>
    <message>
        <source>第五日</source>
        <translation>+4 days </translation>
    </message>
    <message>
        <source>第六日</source>
        <translation>+5 days </translation>
    </message>
    <message>
        <source>第七日</source>
        <translation>+6 days </translation>
    </message>
    <message>
        <source>第八日</source>
        <translation>+7 days </translation>
    </message>
    <message>
        <source>无卧铺</source>
        <translation>No berth</translation>
    </message>
    <message>
        <source>无法打开时刻表数据库</source>
        <translation>Cannot open the timetable database</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>密码不符或文件已损坏，不是本程序的时刻表数据库</source>
        <translation>wrong password or damaged file: not a timetable database of this program</translation>
    </message>
    <message>
        <source>缺少数据表</source>
        <translation>missing table</translation>
    </message>
    <message>
        <source>缺少数据列</source>
        <translation>missing column</translation>
    </message>
    <message>
        <source>文件不能写入</source>
        <translation>the file cannot be written</translation>
    </message>
    <message>
        <source>无法修改时刻表数据库</source>
        <translation>Cannot change the timetable database</translation>
    </message>
    <message>
        <source>文件夹 %1 不能写入</source>
        <translation>the folder %1 cannot be written</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>文件系统是只读的</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>数值超出本程序能处理的范围</source>
        <translation>a number is beyond what this program can handle</translation>
    </message>
    <message>
        <source>一次更新未能完成，须以可写方式打开一次此文件（例如由有写入权限的用户运行本程序）才能恢复</source>
        <translation>an update did not finish; the file must be opened once with write access (for example by running this program as a user who may write it) to recover</translation>
    </message>
    <message>
        <source>文件正被另一个程序使用（本程序可能已经在运行）</source>
        <translation>the file is in use by another program (this program may already be running)</translation>
    </message>
    <message>
        <source>文件已存在</source>
        <translation>the file already exists</translation>
    </message>
    <message>
        <source>时刻表数据库出错</source>
        <translation>timetable database error</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>没有权限</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>not enough disk space</translation>
    </message>
    <message>
        <source>这是一个文件夹</source>
        <translation>this is a folder</translation>
    </message>
    <message>
        <source>路径中有一项不是文件夹</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>路径过长</source>
        <translation>the path is too long</translation>
    </message>
    <message>
        <source>符号链接过多</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>打开的文件过多</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>文件正被使用</source>
        <translation>the file is in use</translation>
    </message>
    <message>
        <source>读写出错</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>系统错误 </source>
        <translation>system error </translation>
    </message>
    <message>
        <source>无法建立本用户的数据文件夹</source>
        <translation>Cannot create this user&apos;s data folder</translation>
    </message>
    <message>
        <source>安装的时刻表与您的副本不同，但无法换用或记下它，程序仍使用您现有的时刻表。本用户的数据文件夹 </source>
        <translation>The installed timetable differs from your copy, but the program cannot switch to it or note it, so it keeps using your current timetable. This user&apos;s data folder </translation>
    </message>
    <message>
        <source>找不到本用户的数据文件夹：HOME 和 XDG_DATA_HOME 都没有设置</source>
        <translation>Cannot find this user&apos;s data folder: neither HOME nor XDG_DATA_HOME is set</translation>
    </message>
    <message>
        <source>不是整数</source>
        <translation>not a whole number</translation>
    </message>
    <message>
        <source>不是数值</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>不是 时.分 格式的时刻（如 8.3 表示 08:30）</source>
        <translation>not a time written as hour.minute (8.3 means 08:30)</translation>
    </message>
    <message>
        <source>不能为空</source>
        <translation>must not be empty</translation>
    </message>
    <message>
        <source>超出范围</source>
        <translation>out of range</translation>
    </message>
    <message>
        <source>您的更新文件有问题，请选择正确的更新文件！</source>
        <translation>Something is wrong with your update file. Please choose a proper update file.</translation>
    </message>
    <message>
        <source>文件受损或格式不合法！</source>
        <translation>The file is damaged or not in a valid format.</translation>
    </message>
    <message>
        <source>更新完毕！</source>
        <translation>Update complete.</translation>
    </message>
    <message>
        <source>无法读取更新文件</source>
        <translation>cannot read the update file</translation>
    </message>
    <message>
        <source>含有既非 UTF-8 也非 GB18030 编码的字节</source>
        <translation>holds bytes that are neither UTF-8 nor GB18030</translation>
    </message>
    <message>
        <source>本机缺少 GB18030 编码转换</source>
        <translation>this computer lacks the GB18030 conversion</translation>
    </message>
    <message>
        <source>文件开头无法识别：</source>
        <translation>the start of the file is not recognised: </translation>
    </message>
    <message>
        <source>与前面各行的编码不同（文件按 %1 读取），一个文件只能用一种编码</source>
        <translation>its encoding differs from the lines before it (the file is read as %1); a file may use only one encoding</translation>
    </message>
    <message>
        <source>与文件开头标明的编码（%1）不同，一个文件只能用一种编码</source>
        <translation>its encoding differs from the one marked at the start of the file (%1); a file may use only one encoding</translation>
    </message>
    <message>
        <source>按 UTF-8 和 GB18030 读来都不是中文</source>
        <translation>is not Chinese when read as UTF-8 or as GB18030</translation>
    </message>
    <message>
        <source>不是普通文件</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>文件过大（最多 %1 MB）</source>
        <translation>the file is too large (at most %1 MB)</translation>
    </message>
    <message>
        <source>无法识别的操作（应为 insert、update 或 delete）：</source>
        <translation>unknown action (should be insert, update or delete): </translation>
    </message>
    <message>
        <source>没有这个表：</source>
        <translation>no such table: </translation>
    </message>
    <message>
        <source>编号应写成 </source>
        <translation>the key should be written as </translation>
    </message>
    <message>
        <source>无法识别的值：</source>
        <translation>value not recognised: </translation>
    </message>
    <message>
        <source>文字缺少结尾的双引号：</source>
        <translation>text lacks its closing double quote: </translation>
    </message>
    <message>
        <source>插入的值的个数不对：</source>
        <translation>wrong number of inserted values: </translation>
    </message>
    <message>
        <source>插入的值与编号不一致：</source>
        <translation>the inserted values do not match the key: </translation>
    </message>
    <message>
        <source>修改应写成 列名=值：</source>
        <translation>a change should be written as column=value: </translation>
    </message>
    <message>
        <source>表中没有这一列：</source>
        <translation>the table has no such column: </translation>
    </message>
    <message>
        <source>同一列修改了两次：</source>
        <translation>the same column is changed twice: </translation>
    </message>
    <message>
        <source>与表中已有的行冲突</source>
        <translation>conflicts with a row already in the table</translation>
    </message>
    <message>
        <source>但无法删除更新文件</source>
        <translation>but the update file could not be deleted</translation>
    </message>
    <message>
        <source>（空）</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>表名中有多余的双引号：</source>
        <translation>stray double quote in the table name: </translation>
    </message>
    <message>
        <source>编号中有多余的双引号：</source>
        <translation>stray double quote in the key: </translation>
    </message>
    <message>
        <source>列 %1 的文字含有控制字符 %2</source>
        <translation>the text of column %1 holds the control character %2</translation>
    </message>
    <message>
        <source>无法写出结果：%1</source>
        <translation>Cannot write the results: %1</translation>
    </message>
    <message>
        <source>写入失败</source>
        <translation>write failed</translation>
    </message>
    <message>
        <source>更新已取消，时刻表没有改变</source>
        <translation>Update cancelled; the timetable is unchanged</translation>
    </message>
    <message>
        <source>%1 第 %2 行：%3</source>
        <translation>%1 line %2: %3</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>无法打开</source>
        <translation>cannot open</translation>
    </message>
    <message>
        <source>既不是 zip 文件也不是文件夹</source>
        <translation>neither a zip file nor a folder</translation>
    </message>
    <message>
        <source>缺少文件</source>
        <translation>file missing</translation>
    </message>
    <message>
        <source>缺少 calendar.txt 和 calendar_dates.txt（至少要有其一）</source>
        <translation>calendar.txt and calendar_dates.txt are missing (at least one is needed)</translation>
    </message>
    <message>
        <source>缺少列 %1</source>
        <translation>column %1 missing</translation>
    </message>
    <message>
        <source>缺少列名行</source>
        <translation>header line missing</translation>
    </message>
    <message>
        <source>含有不是 UTF-8 编码的字节</source>
        <translation>holds bytes that are not UTF-8</translation>
    </message>
    <message>
        <source>引号没有结束</source>
        <translation>unclosed quote</translation>
    </message>
    <message>
        <source>引号只能包住整个字段，字段中的引号要写成两个</source>
        <translation>quotes may only enclose a whole field; a quote inside a field is written twice</translation>
    </message>
    <message>
        <source>解压后超过 %1，不予读取</source>
        <translation>larger than %1 when unpacked; not read</translation>
    </message>
    <message>
        <source>压缩比超过 %1 倍（疑为压缩炸弹），不予读取</source>
        <translation>compression ratio above %1 (a suspected zip bomb); not read</translation>
    </message>
    <message>
        <source>无法读取：%1</source>
        <translation>cannot read: %1</translation>
    </message>
    <message>
        <source>%1 “%2” 与第 %3 行重复</source>
        <translation>%1 &quot;%2&quot; repeats line %3</translation>
    </message>
    <message>
        <source>%1 不能为空</source>
        <translation>%1 must not be empty</translation>
    </message>
    <message>
        <source>没有这个站点：stop_id “%1”</source>
        <translation>no such stop: stop_id &quot;%1&quot;</translation>
    </message>
    <message>
        <source>没有这个车次：trip_id “%1”</source>
        <translation>no such trip: trip_id &quot;%1&quot;</translation>
    </message>
    <message>
        <source>没有这条线路：route_id “%1”</source>
        <translation>no such route: route_id &quot;%1&quot;</translation>
    </message>
    <message>
        <source>没有这个开行日历：service_id “%1”</source>
        <translation>no such service calendar: service_id &quot;%1&quot;</translation>
    </message>
    <message>
        <source>上级站点 “%1” 不是车站</source>
        <translation>parent stop &quot;%1&quot; is not a station</translation>
    </message>
    <message>
        <source>车站没有名称</source>
        <translation>the station has no name</translation>
    </message>
    <message>
        <source>时间 “%1” 应写成 时:分:秒（H:MM:SS）</source>
        <translation>the time &quot;%1&quot; should be written as H:MM:SS</translation>
    </message>
    <message>
        <source>缺少到达和出发时间</source>
        <translation>arrival and departure times missing</translation>
    </message>
    <message>
        <source>时间 %1 早于前面的 %2</source>
        <translation>the time %1 is earlier than the %2 before it</translation>
    </message>
    <message>
        <source>车次运行超过八天</source>
        <translation>the trip runs for more than eight days</translation>
    </message>
    <message>
        <source>%1 的值 “%2” 不是合适的数</source>
        <translation>the value &quot;%2&quot; of %1 is not a suitable number</translation>
    </message>
    <message>
        <source>日期 “%1” 应写成 YYYYMMDD</source>
        <translation>the date &quot;%1&quot; should be written as YYYYMMDD</translation>
    </message>
    <message>
        <source>日期 “%1” 应写成 YYYY-MM-DD</source>
        <translation>the date &quot;%1&quot; should be written as YYYY-MM-DD</translation>
    </message>
    <message>
        <source>没有任何一天有车次开行</source>
        <translation>no trip runs on any day</translation>
    </message>
    <message>
        <source>%1 这一天没有车次开行（有车次开行的日期：%2 至 %3）</source>
        <translation>no trip runs on %1 (trips run from %2 to %3)</translation>
    </message>
    <message>
        <source>车次 “%1” 的停站超过本程序能处理的数目</source>
        <translation>the trip &quot;%1&quot; has more stops than this program can handle</translation>
    </message>
    <message>
        <source>已取消导入</source>
        <translation>Import cancelled</translation>
    </message>
    <message>
        <source>%1 个车站，%2 个车次，%3 个停站，日期 %4，版本 %5</source>
        <translation>%1 stations, %2 trains, %3 stops, date %4, version %5</translation>
    </message>
    <message>
        <source>（略去 %1 个在同一车站停靠两次的车次）</source>
        <translation> (%1 trains that call twice at the same station left out)</translation>
    </message>
    <message>
        <source>%1 个车站，%2 个车次，%3 个停站</source>
        <translation>%1 stations, %2 trains, %3 stops</translation>
    </message>
    <message>
        <source>；%1 个车站没有位置：%2</source>
        <translation>; %1 stations without a position: %2</translation>
    </message>
    <message>
        <source>无法写入 %1：%2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>输出文件不能是正在使用的时刻表数据库</source>
        <translation>the output file cannot be the timetable database in use</translation>
    </message>
    <message>
        <source> %1次(%2---%3)%4列车</source>
        <translation> %1 (%2---%3) %4</translation>
    </message>
    <message>
        <source> %1次(%2---%3)%4</source>
        <translation> %1 (%2---%3) %4</translation>
    </message>
    <message>
        <source> %1次(%2(%3----%4))</source>
        <translation> %1 (%2 (%3----%4))</translation>
    </message>
    <message>
        <source>国际列车</source>
        <translation>International train</translation>
    </message>
    <message>
        <source>暂缺</source>
        <translation>n/a</translation>
    </message>
    <message>
        <source>从%1到%2只有返程列车，请重新选择</source>
        <translation>Between %1 and %2 trains only run the other way. Please choose again</translation>
    </message>
    <message>
        <source>对不起目前还没有符合您要求的车次！</source>
        <translation>Sorry, no train matches your search yet.</translation>
    </message>
    <message>
        <source>对不起！目前还没有由%1发往%2的直达列车。</source>
        <translation>Sorry, there is no direct train from %1 to %2 yet.</translation>
    </message>
    <message>
        <source>请点击“确定”键，系统自动为您找出可供中转的车站
如果您想放弃，就请点击“取消”按钮</source>
        <translation>Click &quot;OK&quot; and the program will find stations where you can change trains.
To give up, click &quot;Cancel&quot;.</translation>
    </message>
    <message>
        <source>对不起！由%1到达%2通过一次中转目前无法实现。
</source>
        <translation>Sorry, %2 cannot be reached from %1 with one change.
</translation>
    </message>
    <message>
        <source>没有名为“%1”的车站</source>
        <translation>There is no station named &quot;%1&quot;</translation>
    </message>
    <message>
        <source>对不起！目前尚未开通“%1”次列车

请检查您输入的车次，或许是您的手误。</source>
        <translation>Sorry, there is no train &quot;%1&quot;.

Please check the train number you entered; it may be a typo.</translation>
    </message>
    <message>
        <source>始发站</source>
        <translation>Origin</translation>
    </message>
    <message>
        <source>终到站</source>
        <translation>Terminus</translation>
    </message>
    <message>
        <source>&lt;--始发站--&gt;</source>
        <translation>&lt;--Origin--&gt;</translation>
    </message>
    <message>
        <source>&lt;--终到站--&gt;</source>
        <translation>&lt;--Terminus--&gt;</translation>
    </message>
    <message>
        <source>%1次(%2----&gt;%3)%4列车详细情况</source>
        <translation>%1 (%2----&gt;%3) %4: details</translation>
    </message>
    <message>
        <source>车次编号 %1 不存在</source>
        <translation>There is no train with id %1</translation>
    </message>
    <message>
        <source>本车次不经过%1</source>
        <translation>This train does not call at %1</translation>
    </message>
    <message>
        <source>本车次不是由%1开往%2</source>
        <translation>This train does not run from %1 to %2</translation>
    </message>
    <message>
        <source>站次</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>经停站</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>到站时间：</source>
        <translation>Arrives</translation>
    </message>
    <message>
        <source>发车时间：</source>
        <translation>Departs</translation>
    </message>
    <message>
        <source>公里数</source>
        <translation>km</translation>
    </message>
    <message>
        <source>天数</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>第%1日</source>
        <translation>+%1 days </translation>
    </message>
    <message>
        <source>对不起！由%1到%2在所选的时间和车型内没有能够衔接的行程。</source>
        <translation>Sorry, there is no connecting journey from %1 to %2 within the chosen times and classes.</translation>
    </message>
    <message>
        <source>请输入出发站和到达站</source>
        <translation>Please enter the departure and arrival stations</translation>
    </message>
    <message>
        <source>出发站与到达站相同</source>
        <translation>The departure and arrival stations are the same</translation>
    </message>
    <message>
        <source>没有以“%1”开头的站名</source>
        <translation>No station name starts with &quot;%1&quot;</translation>
    </message>
    <message>
        <source>始发</source>
        <translation>Origin</translation>
    </message>
    <message>
        <source>终到</source>
        <translation>Terminus</translation>
    </message>
    <message>
        <source>请输入车站</source>
        <translation>Please enter a station</translation>
    </message>
    <message>
        <source>对不起！目前没有停靠%1的列车。</source>
        <translation>Sorry, no train calls at %1.</translation>
    </message>
    <message>
        <source>对不起！%1在所选的时间和车型内没有符合要求的列车。</source>
        <translation>Sorry, no train at %1 matches the chosen times and classes.</translation>
    </message>
    <message>
        <source>对不起！目前没有停靠%1并开往%2…的列车。</source>
        <translation>Sorry, no train calls at %1 and goes on to %2….</translation>
    </message>
    <message>
        <source>对不起！停靠%1并开往%2…的列车在所选的时间和车型内都不符合要求。</source>
        <translation>Sorry, none of the trains that call at %1 and go on to %2… match the chosen times and classes.</translation>
    </message>
    <message>
        <source>%1 %2：%3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 至 %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>无法读取文件 %1</source>
        <translation>Cannot read the file %1</translation>
    </message>
    <message>
        <source>应有 %1 列，实有 %2 列</source>
        <translation>%1 columns expected, %2 found</translation>
    </message>
    <message>
        <source>第 %1 列应为 %2，实为 %3</source>
        <translation>Column %1 should be %2, not %3</translation>
    </message>
    <message>
        <source>%1与第 %2 行重复</source>
        <translation>%1 repeats line %2</translation>
    </message>
    <message>
        <source>%1 %2 不存在</source>
        <translation>%1 %2 does not exist</translation>
    </message>
    <message>
        <source>车站编号</source>
        <translation>Station id</translation>
    </message>
    <message>
        <source>车站名</source>
        <translation>Station name</translation>
    </message>
    <message>
        <source>车型编号</source>
        <translation>Class id</translation>
    </message>
    <message>
        <source>车次编号</source>
        <translation>Train id</translation>
    </message>
    <message>
        <source>票价里程</source>
        <translation>Fare distance</translation>
    </message>
    <message>
        <source>小常识编号</source>
        <translation>Tip id</translation>
    </message>
    <message>
        <source>始发站编号</source>
        <translation>First station id</translation>
    </message>
    <message>
        <source>终到站编号</source>
        <translation>Last station id</translation>
    </message>
    <message>
        <source>车次编号 %1 在车站编号 %2 有两个停站（另见第 %3 行）</source>
        <translation>Train id %1 has two stops at station id %2 (see also line %3)</translation>
    </message>
    <message>
        <source>车次编号 %1 的站次 %2 出现两次（另见第 %3 行）</source>
        <translation>Train id %1 has stop number %2 twice (see also line %3)</translation>
    </message>
    <message>
        <source>车站 %1 不在车站表中</source>
        <translation>Station %1 is not in the station table</translation>
    </message>
    <message>
        <source>经度和纬度须同时给出或同时留空</source>
        <translation>Longitude and latitude must both be given or both be left empty</translation>
    </message>
    <message>
        <source>列 %1 的值 “%2” %3</source>
        <translation>Column %1: the value “%2” %3</translation>
    </message>
    <message>
        <source>列 %1 %2</source>
        <translation>Column %1 %2</translation>
    </message>
    <message>
        <source>%1，实为 “%2”</source>
        <translation>%1, not “%2”</translation>
    </message>
    <message>
        <source>表 %1 应有 %2 个，实有 %3 个</source>
        <translation>table %1 takes %2, %3 given</translation>
    </message>
    <message>
        <source>%1 与编号 “%2” 不同</source>
        <translation>%1 differs from the key “%2”</translation>
    </message>
    <message>
        <source>%1第 %2 行：%3</source>
        <translation>%1 Line %2: %3</translation>
    </message>
    <message>
        <source>无法写入临时文件</source>
        <translation>Cannot write a temporary file</translation>
    </message>
    <message>
        <source>无法建立临时文件夹 %1</source>
        <translation>Cannot create the temporary folder %1</translation>
    </message>
    <message>
        <source>等</source>
        <translation> and more</translation>
    </message>
    <message>
        <source>（GTFS）</source>
        <translation> (GTFS)</translation>
    </message>
    <message>
        <source>%1小时%2分钟</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1小时</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1分钟</source>
        <translation>%1 min</translation>
    </message>
</context>
<context>
    <name>kw::tips</name>
    <message>
        <source>提前进站</source>
        <translation>Arrive early</translation>
    </message>
    <message>
        <source>大站进站要经过实名验证和安全检查，客流高峰时排队较久。建议至少提前四十分钟到达车站，开车前五分钟停止检票。</source>
        <translation>At large stations you pass a real-name ID check and a security check on the way in, and queues are long at busy times. Arrive at least forty minutes early: ticket checking closes five minutes before departure.</translation>
    </message>
    <message>
        <source>证件随身</source>
        <translation>Carry your ID</translation>
    </message>
    <message>
        <source>乘车时须携带购票时使用的有效身份证件，进站和车上验票时请主动出示。证件遗失的，可到车站公安制证窗口办理临时乘车身份证明。</source>
        <translation>Carry the valid ID you bought the ticket with, and show it when asked at the entrance and on the train. If you lose it, the station police&apos;s ID window can issue a temporary travel certificate.</translation>
    </message>
    <message>
        <source>儿童购票</source>
        <translation>Tickets for children</translation>
    </message>
    <message>
        <source>年满六周岁、未满十四周岁的儿童应购买儿童票。未满六周岁的儿童随同成人乘车可以免费，但不单独占用席位；年满十四周岁的请购买全价票。</source>
        <translation>Children from six up to fourteen need a child ticket. A child under six travels free with an adult but gets no seat of its own; from fourteen a full-fare ticket is needed.</translation>
    </message>
    <message>
        <source>随身行李</source>
        <translation>Hand luggage</translation>
    </message>
    <message>
        <source>成人旅客可免费携带二十千克以内的物品，儿童十千克。普速列车每件物品长宽高之和不超过一百六十厘米，动车组列车不超过一百三十厘米。</source>
        <translation>Adults may carry up to 20 kg free, children 10 kg. On conventional trains each item&apos;s length, width and height may add up to 160 cm at most; on EMUs, 130 cm.</translation>
    </message>
    <message>
        <source>危险物品</source>
        <translation>Dangerous goods</translation>
    </message>
    <message>
        <source>易燃、易爆、有毒、有腐蚀性的物品一律不得带上列车。打火机、酒类、自喷压力容器等限量物品，出行前请查看车站公告。</source>
        <translation>Nothing flammable, explosive, toxic or corrosive may be taken on board. Lighters, alcohol, aerosol cans and other limited items: check the station&apos;s notices before you travel.</translation>
    </message>
    <message>
        <source>中转换乘</source>
        <translation>Changing trains</translation>
    </message>
    <message>
        <source>中转换乘请留足时间，普速列车之间一般不少于一小时。同一城市不同车站之间换乘，还要算上市内交通的时间。</source>
        <translation>Leave enough time to change: between conventional trains, usually an hour or more. Changing between two stations in the same city, also allow for the trip across town.</translation>
    </message>
    <message>
        <source>认清车站</source>
        <translation>Know your station</translation>
    </message>
    <message>
        <source>不少城市有几个火车站，比如北京、北京西、北京南。购票和出门前请看清车票上的车站名称，别去错了车站。</source>
        <translation>Many cities have several stations, such as Beijing, Beijingxi and Beijingnan. Check the station name on your ticket before you set out, so you do not go to the wrong one.</translation>
    </message>
    <message>
        <source>夜间列车</source>
        <translation>Night trains</translation>
    </message>
    <message>
        <source>乘坐夜间卧铺列车，熄灯以后请保持安静。手机、钱包等贵重物品最好放在铺位内侧或贴身携带。</source>
        <translation>On night sleeper trains, please keep quiet after lights out. Keep phones, wallets and other valuables on the inner side of your berth or on you.</translation>
    </message>
    <message>
        <source>上下铺位</source>
        <translation>Upper and lower berths</translation>
    </message>
    <message>
        <source>中铺、上铺的旅客白天可以借用下铺或走廊边的座椅休息，晚上熄灯后请回到自己的铺位。</source>
        <translation>In the daytime, passengers in middle and upper berths may sit on the lower berth or the corridor seats; after lights out, please go back to your own berth.</translation>
    </message>
    <message>
        <source>改签退票</source>
        <translation>Changes and refunds</translation>
    </message>
    <message>
        <source>开车前可以办理改签和退票。退票费按离开车时间的长短收取，越早办理收费越少。</source>
        <translation>Tickets can be changed or refunded before departure. The refund fee depends on how long before departure you ask: the earlier, the lower.</translation>
    </message>
    <message>
        <source>误车处理</source>
        <translation>Missed your train</translation>
    </message>
    <message>
        <source>没能赶上列车时，可在开车当日到车站售票窗口办理改签，改签到当日其他有余票的车次。</source>
        <translation>If you miss your train, you can change your ticket at a station ticket window on the same day, to another train that day with seats left.</translation>
    </message>
    <message>
        <source>站台候车</source>
        <translation>On the platform</translation>
    </message>
    <message>
        <source>列车进站时请站在安全线以内候车，等列车停稳后先下后上，不要拥挤。</source>
        <translation>When the train comes in, wait behind the safety line. Once it has stopped, let passengers off before you get on, and do not push.</translation>
    </message>
    <message>
        <source>中途停车</source>
        <translation>Stops on the way</translation>
    </message>
    <message>
        <source>列车在中途车站停车时间较短，下车活动时请留意广播，听到开车预告后及时回到车上。</source>
        <translation>Stops at stations on the way are short. If you get off to stretch your legs, listen for the announcements and get back on as soon as departure is announced.</translation>
    </message>
    <message>
        <source>行李看管</source>
        <translation>Watch your luggage</translation>
    </message>
    <message>
        <source>车门附近和行李架上的物品容易被错拿。贵重物品请随身携带，下车前清点一遍自己的行李。</source>
        <translation>Bags near the doors and on the racks are easily taken by mistake. Keep valuables with you, and count your luggage before you get off.</translation>
    </message>
    <message>
        <source>旅途用餐</source>
        <translation>Meals on board</translation>
    </message>
    <message>
        <source>长途列车一般挂有餐车，也有推车售卖盒饭和饮料。有特殊饮食需要的旅客，可以自带一些食物。</source>
        <translation>Long-distance trains usually have a dining car, and trolleys sell boxed meals and drinks. Passengers with special diets may bring some food of their own.</translation>
    </message>
    <message>
        <source>禁止吸烟</source>
        <translation>No smoking</translation>
    </message>
    <message>
        <source>列车全列禁止吸烟。在动车组列车上吸烟会触发烟雾报警，造成列车降速甚至停车，吸烟者将被依法处罚。</source>
        <translation>Smoking is banned on the whole train. On EMUs smoke sets off the alarm and slows or even stops the train, and smokers are fined under the law.</translation>
    </message>
    <message>
        <source>重点旅客</source>
        <translation>Passengers who need help</translation>
    </message>
    <message>
        <source>老人、残疾人、孕妇等行动不便的旅客，可以提前联系车站预约重点旅客服务，工作人员会协助进站上车。</source>
        <translation>Elderly and disabled passengers, pregnant women and others who move with difficulty can book assistance with the station in advance: staff will help them through the station and onto the train.</translation>
    </message>
    <message>
        <source>学生优惠</source>
        <translation>Student fares</translation>
    </message>
    <message>
        <source>持有效学生证和优惠卡的学生，在家庭与学校之间乘车可以购买学生票。普速列车硬座按半价计算，动车组列车二等座按七五折计算。</source>
        <translation>Students with a valid student card and discount card can buy student tickets between home and school: half fare for a hard seat on conventional trains, 25% off a second-class seat on EMUs.</translation>
    </message>
    <message>
        <source>国际列车</source>
        <translation>International trains</translation>
    </message>
    <message>
        <source>乘坐国际列车须持有效护照和前往国家的签证。列车在口岸站要办理边防和海关检查，停车时间较长。</source>
        <translation>International trains need a valid passport and a visa for the country you go to. Border and customs checks take place at the border station, where the train stops for a long time.</translation>
    </message>
    <message>
        <source>到达天数</source>
        <translation>Day of arrival</translation>
    </message>
    <message>
        <source>查询结果中到达时间旁标注的天数表示第几天到达，“次日”就是第二天。长途列车可能第三天甚至更晚才到。</source>
        <translation>The day shown beside an arrival time in the results tells on which day the train arrives: &quot;+1 day&quot; means the next day. Long-distance trains may arrive on the third day or even later.</translation>
    </message>
    <message>
        <source>两个车次</source>
        <translation>Two train numbers</translation>
    </message>
    <message>
        <source>车次写成Z40/Z41这样的形式，表示列车在途中改变车次号，仍是同一趟车，不需要下车换乘。</source>
        <translation>A train number written like Z40/Z41 means the train changes its number on the way: it is still the same train, and you need not change.</translation>
    </message>
    <message>
        <source>临时列车</source>
        <translation>Extra trains</translation>
    </message>
    <message>
        <source>春运、暑运等客流高峰期间会加开临时旅客列车，车次以字母L开头，开行日期以铁路部门公告为准。</source>
        <translation>At busy times such as the Spring Festival and the summer holidays, extra passenger trains run. Their numbers begin with the letter L; their running dates are as the railway announces them.</translation>
    </message>
    <message>
        <source>乘车安全</source>
        <translation>Safety on board</translation>
    </message>
    <message>
        <source>列车运行中不要在车厢连接处长时间停留，不要倚靠车门，照看好随行的儿童。</source>
        <translation>While the train is moving, do not stay long between carriages or lean on the doors, and keep an eye on children travelling with you.</translation>
    </message>
    <message>
        <source>遗失物品</source>
        <translation>Lost property</translation>
    </message>
    <message>
        <source>物品遗落在车上时，请尽快联系列车工作人员或车站，说清车次、车厢和座位号，方便查找。</source>
        <translation>If you leave something on the train, contact the train staff or the station as soon as you can, and give the train number, carriage and seat number to help them find it.</translation>
    </message>
    <message>
        <source>身体不适</source>
        <translation>Feeling unwell</translation>
    </message>
    <message>
        <source>旅途中身体不适可以告诉列车员。列车上备有常用药品，需要时会广播寻找医护人员帮忙。</source>
        <translation>If you feel unwell on the way, tell the train attendant. Trains carry common medicines, and the staff can call for a doctor or nurse over the speakers.</translation>
    </message>
    <message>
        <source>车站时刻</source>
        <translation>Station board</translation>
    </message>
    <message>
        <source>想知道一个车站全天停靠哪些列车，可以打开“车站时刻”：按开车时间、到站时间或车次排列，也可以只列开往某个方向的列车。</source>
        <translation>To see which trains call at a station during the day, open the &quot;Station board&quot;: it lists them by departure time, arrival time or train number, and can show only the trains heading in one direction.</translation>
    </message>
    <message>
        <source>检票口</source>
        <translation>Ticket gates</translation>
    </message>
    <message>
        <source>大站的候车室和检票口可能临时调整。进站后请留意车站的显示屏和广播，按指示到对应的检票口候车。</source>
        <translation>At large stations the waiting room and ticket gate may change at short notice. Once inside, watch the station&apos;s screens and listen to the announcements, and wait at the gate they show.</translation>
    </message>
    <message>
        <source>小站停车</source>
        <translation>Small stations</translation>
    </message>
    <message>
        <source>列车在小站通常只停一两分钟。在小站下车的旅客请提前收拾好行李，到站前走到车门附近等候。</source>
        <translation>At small stations trains usually stop for only a minute or two. If you get off at one, pack your things in good time and wait near the door before the train arrives.</translation>
    </message>
</context>
</TS>
