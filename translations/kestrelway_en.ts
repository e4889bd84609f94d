<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>kw::str</name>
    <message>
        <source>铁路时刻查询 单机版 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrelway 铁路时刻</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, 库文件版本：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &#x3000;请关注</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>网站,下载最新版库文件。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>共列出 %1 趟列车</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第一程 %1 趟、第二程 %2 趟列车</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>更新数据库(&amp;U)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用新安装的时刻表(&amp;N)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已安装另一时刻表（库文件版本：%1），可用“文件 → 使用新安装的时刻表”换用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>安装的时刻表已换成另一版本（库文件版本：%1），与您的时刻表不同。
您的时刻表含有您应用过的更新，所以程序仍使用它。
要换用安装的时刻表，请选择“文件 → 使用新安装的时刻表”（您应用过的更新将不再保留）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用安装的时刻表（库文件版本：%1）替换您现在使用的时刻表吗？
您应用过的更新将不再保留。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已换用安装的时刻表。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法换用安装的时刻表：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择更新文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>更新文件 (*.txt *.upd *.dat);;所有文件 (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在更新数据库……</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导入 GTFS 时刻表(&amp;G)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出 GTFS(&amp;E)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择 GTFS 时刻表（zip 文件，或文件夹里的 stops.txt）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GTFS 时刻表 (*.zip stops.txt);;所有文件 (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在读入 GTFS 时刻表……</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法导入 GTFS 时刻表：
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GTFS 时刻表已读入：
%1

要用它替换您现在使用的时刻表吗？
您应用过的更新将不再保留。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已换用导入的时刻表（库文件版本：%1）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法换用导入的时刻表：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出 GTFS 时刻表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GTFS 时刻表 (*.zip)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已导出 GTFS 时刻表 %1：
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法导出 GTFS 时刻表：
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>地图(&amp;M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>铁路小常识(&amp;K)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助主题(&amp;l)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关于(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小常识</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>起始站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>终到站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入起始站的简码,并在车站列表中选取车站名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入终到站的简码,并在车站列表中选取车站名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>高级查询</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时    间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定中转</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>车    型 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>特快</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>快速</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>普快</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>普慢</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入您计划的最早出发时间(0点至23点)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入您计划的最晚到达时间(0点至23点)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入您计划的最早出发时间(0分至60分)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入您计划的最晚到达时间(0分至60分)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>点之后发车</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>点之前到站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入车次</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>⇄</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>交换起始站和终到站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最近查询(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对不起您的输入有误！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对不起！请检查您输入的中转站是否合理。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>车次</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>始发时刻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>终到时刻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>里程(公里)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>硬座票价(元)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>备注</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上车站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下车站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发车</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>到站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>双击任意车次可察看详细信息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>查询结果</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>可供中转的车站：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中转站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中转行程(&amp;J)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中转行程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>查看中转行程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中转行程 - Kestrelway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出发站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>到达站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出发时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>至</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最多换乘</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>换乘至少</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分钟</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>车型</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>高铁/城际</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>动车</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>直达</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>其他</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>交换出发站和到达站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>查询</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出发</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>到达</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>历时</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>换乘</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中转</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>等候%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>共 %1 条行程；双击一程可察看该车次的详细情况</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最早出发时间不能晚于最晚出发时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>多换乘一次至少节省</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未选车型：%1（这些列车不在结果中）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>查询条件已更改，请按“查询”重新查询</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中转行程 %1 → %2 %3–%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>车站时刻(&amp;B)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>车站时刻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>车站时刻 - Kestrelway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>车站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入车站的简码或站名,并在车站列表中选取车站名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>含同名车站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列出站名以所输文字开头的全部车站，如“北京”含北京西、北京南</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开车时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>终到列车按到达时间；开始晚于结束时跨过午夜</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全部</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>只看始发</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>只看终到</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开往</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>只列出其后停靠站名以此开头的车站的列车</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>类别</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>始发站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留(分)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>里程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>共 %1 趟列车；双击一行可察看该车次的详细情况</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1车站时刻 %2—%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>查看车站时刻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1次 - Kestrelway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>详细情况</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>票价信息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发车时间：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>到站时间：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>运行时间：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>总 里 程：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>硬座</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>软座</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>硬卧上</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>硬卧中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>硬卧下</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>软卧上</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>软卧下</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全程%1公里，共经过%2个车站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>图形</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>国际专列，暂无详细信息！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（%1，显示全程）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（本车次暂无经停站信息）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>铁路乘车小常识</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>铁路知识</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不再显示每日一贴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上一条</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下一条</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>网址：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电子邮件：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrelway 铁路时刻查询</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出品：Kestrelway 工作室</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>网址：www.kestrelway.example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电子邮件：service@kestrelway.example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>程序设计：Kestrelway 开发组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时刻数据整理：Kestrelway 数据组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>界面美工：Kestrelway 美工组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>感谢您的使用，祝您旅途愉快！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>宋体</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有可用的打印机。要把这些页面保存为 PDF 文件吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印您的查询结果吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存为PDF文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已保存为 PDF 文件：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机“%1”未能打印这些页面。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法写入文件“%1”，请换一个位置保存。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出为 CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出为 CSV 文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>铁路地图(&amp;R)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>铁路地图 - Kestrelway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - 铁路地图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全国铁路网</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>地图数据 © OpenStreetMap 贡献者</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>车站位置：地图数据 © OpenStreetMap 贡献者（ODbL 1.0 许可）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放大</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缩小</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出为图片…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出为图片</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG 图片 (*.png);;SVG 图形 (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>地图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在铁路地图上显示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 个车站无坐标，未画出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时刻表中没有车站坐标，无法画出地图。请使用带有车站坐标的时刻表。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>车站“%1”不在时刻表中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>车站“%1”无坐标，未画出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
%2 趟列车停靠</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设为出发站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设为到达站</source>
        <translation type="unfinished"></translation>
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
        <translation>+1 day</translation>
    </message>
    <message>
        <source>第三日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第四日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第五日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第六日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第七日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第八日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无卧铺</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法打开时刻表数据库</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>密码不符或文件已损坏，不是本程序的时刻表数据库</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少数据表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少数据列</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件不能写入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法修改时刻表数据库</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件夹 %1 不能写入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件系统是只读的</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数值超出本程序能处理的范围</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一次更新未能完成，须以可写方式打开一次此文件（例如由有写入权限的用户运行本程序）才能恢复</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件正被另一个程序使用（本程序可能已经在运行）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件已存在</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时刻表数据库出错</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有权限</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>这是一个文件夹</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>路径中有一项不是文件夹</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>路径过长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>符号链接过多</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开的文件过多</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件正被使用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读写出错</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系统错误 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法建立本用户的数据文件夹</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>安装的时刻表与您的副本不同，但无法换用或记下它，程序仍使用您现有的时刻表。本用户的数据文件夹 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>找不到本用户的数据文件夹：HOME 和 XDG_DATA_HOME 都没有设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是整数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是数值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是 时.分 格式的时刻（如 8.3 表示 08:30）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不能为空</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>超出范围</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>您的更新文件有问题，请选择正确的更新文件！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件受损或格式不合法！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>更新完毕！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法读取更新文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>含有既非 UTF-8 也非 GB18030 编码的字节</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本机缺少 GB18030 编码转换</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件开头无法识别：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>与前面各行的编码不同（文件按 %1 读取），一个文件只能用一种编码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>与文件开头标明的编码（%1）不同，一个文件只能用一种编码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按 UTF-8 和 GB18030 读来都不是中文</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是普通文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件过大（最多 %1 MB）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法识别的操作（应为 insert、update 或 delete）：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有这个表：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编号应写成 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法识别的值：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文字缺少结尾的双引号：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>插入的值的个数不对：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>插入的值与编号不一致：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>修改应写成 列名=值：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表中没有这一列：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>同一列修改了两次：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>与表中已有的行冲突</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>但无法删除更新文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（空）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表名中有多余的双引号：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编号中有多余的双引号：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列 %1 的文字含有控制字符 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法写出结果：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写入失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>更新已取消，时刻表没有改变</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 第 %2 行：%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法打开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>既不是 zip 文件也不是文件夹</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少 calendar.txt 和 calendar_dates.txt（至少要有其一）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少列 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少列名行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>含有不是 UTF-8 编码的字节</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>引号没有结束</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>引号只能包住整个字段，字段中的引号要写成两个</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>解压后超过 %1，不予读取</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>压缩比超过 %1 倍（疑为压缩炸弹），不予读取</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法读取：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 “%2” 与第 %3 行重复</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 不能为空</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有这个站点：stop_id “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有这个车次：trip_id “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有这条线路：route_id “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有这个开行日历：service_id “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上级站点 “%1” 不是车站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>车站没有名称</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时间 “%1” 应写成 时:分:秒（H:MM:SS）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少到达和出发时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时间 %1 早于前面的 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>车次运行超过八天</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 的值 “%2” 不是合适的数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日期 “%1” 应写成 YYYYMMDD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日期 “%1” 应写成 YYYY-MM-DD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有任何一天有车次开行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 这一天没有车次开行（有车次开行的日期：%2 至 %3）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>车次 “%1” 的停站超过本程序能处理的数目</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已取消导入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 个车站，%2 个车次，%3 个停站，日期 %4，版本 %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（略去 %1 个在同一车站停靠两次的车次）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 个车站，%2 个车次，%3 个停站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>；%1 个车站没有位置：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法写入 %1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输出文件不能是正在使用的时刻表数据库</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1次(%2---%3)%4列车</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1次(%2---%3)%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1次(%2(%3----%4))</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>国际列车</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>暂缺</source>
        <translation>n/a</translation>
    </message>
    <message>
        <source>从%1到%2只有返程列车，请重新选择</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对不起目前还没有符合您要求的车次！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对不起！目前还没有由%1发往%2的直达列车。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请点击“确定”键，系统自动为您找出可供中转的车站
如果您想放弃，就请点击“取消”按钮</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对不起！由%1到达%2通过一次中转目前无法实现。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有名为“%1”的车站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对不起！目前尚未开通“%1”次列车

请检查您输入的车次，或许是您的手误。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>始发站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>终到站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;--始发站--&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;--终到站--&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1次(%2----&gt;%3)%4列车详细情况</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>车次编号 %1 不存在</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本车次不经过%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本车次不是由%1开往%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>站次</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>经停站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>到站时间：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发车时间：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>公里数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>天数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>→</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对不起！由%1到%2在所选的时间和车型内没有能够衔接的行程。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入出发站和到达站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出发站与到达站相同</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有以“%1”开头的站名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>始发</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>终到</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入车站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对不起！目前没有停靠%1的列车。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对不起！%1在所选的时间和车型内没有符合要求的列车。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对不起！目前没有停靠%1并开往%2…的列车。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对不起！停靠%1并开往%2…的列车在所选的时间和车型内都不符合要求。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
