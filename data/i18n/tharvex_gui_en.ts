<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AuthorWindow</name>
    <message>
        <source>作者简介</source>
        <translation>About the Author</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Binder</name>
    <message>
        <source>未知错误</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>DrawingPage</name>
    <message>
        <source>示意图</source>
        <translation>Schematic</translation>
    </message>
    <message>
        <source>截面图</source>
        <translation>Cross-section</translation>
    </message>
    <message>
        <source>优化图</source>
        <translation>Optimisation map</translation>
    </message>
    <message>
        <source>截面图：滚轮或 +/- 缩放，拖动平移，0 适应窗口；右键导出</source>
        <translation>Cross-section: wheel or +/- to zoom, drag to pan, 0 to fit; right-click to export</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tharvex 帮助</source>
        <translation>Tharvex Help</translation>
    </message>
</context>
<context>
    <name>Icons</name>
    <message>
        <source>Tharvex 箱式换热器热力计算</source>
        <translation>Tharvex Finned-Tube Heat Exchanger Design</translation>
    </message>
</context>
<context>
    <name>MainWindowCommands</name>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>物性数据</source>
        <translation>Physical Properties</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>优化设计开始...</source>
        <translation>Optimisation started...</translation>
    </message>
    <message>
        <source>优化设计</source>
        <translation>Optimisation</translation>
    </message>
</context>
<context>
    <name>MainWindowDesktop</name>
    <message>
        <source>输入框的颜色：白底为输入；灰底为热量平衡求出的值或计算结果（蓝字）；浅蓝、浅绿为管口计算求出；灰字为当前方式下不适用。</source>
        <translation>Field colours: white is an input; grey is a value solved by the heat balance or a result (blue digits); light blue and light green are solved by the nozzle calculation; grey digits do not apply in the current mode.</translation>
    </message>
    <message>
        <source>当前：</source>
        <translation>Now: </translation>
    </message>
    <message>
        <source>找不到文件 %1。</source>
        <translation>File %1 not found.</translation>
    </message>
    <message>
        <source>&amp;U %1</source>
        <translation>&amp;%1</translation>
    </message>
    <message>
        <source>&amp;R %1</source>
        <translation>&amp;%1</translation>
    </message>
</context>
<context>
    <name>MainWindowLanguage</name>
    <message>
        <source>语言（重新启动后生效）</source>
        <translation>Language (takes effect after restart)</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>单位符号</source>
        <translation>Unit Symbols</translation>
    </message>
    <message>
        <source>单位以符号显示（°C、m²、W/(m²·K)），用于窗口、报表和计算书</source>
        <translation>Show units with proper symbols (°C, m², W/(m²·K)) in the window, the report and the calculation sheet</translation>
    </message>
    <message>
        <source>无法写入设置文件 %1。</source>
        <translation>Cannot write the settings file %1.</translation>
    </message>
    <message>
        <source>重新启动 Tharvex 后，界面语言改为 %1。</source>
        <translation>The interface language changes to %1 when Tharvex is restarted.</translation>
    </message>
</context>
<context>
    <name>PropWindow</name>
    <message>
        <source>常数：4187；温度表：t1,值1;t2,值2;…；状态方程：PRV:/VRV: Pc,Tc,Vc,Zc,w,M；或 t(℃)、p(kPa) 的公式。? &lt; { 之后为注释，= 之前为标签</source>
        <translation>Constant: 4187; temperature table: t1,value1;t2,value2;…; equation of state: PRV:/VRV: Pc,Tc,Vc,Zc,w,M; or a formula in t(°C), p(kPa). Text after ? &lt; { is a comment, text before = is a label</translation>
    </message>
    <message>
        <source>物性数据</source>
        <translation>Physical Properties</translation>
    </message>
    <message>
        <source>数据库维护</source>
        <translation>Database Maintenance</translation>
    </message>
    <message>
        <source>查找：流水号、中文名或英文名</source>
        <translation>Find: number, Chinese or English name</translation>
    </message>
    <message>
        <source>流水号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>中文名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>物质</source>
        <translation>Substance</translation>
    </message>
    <message>
        <source>计算结果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>&amp;E 维护</source>
        <translation>&amp;Maintain</translation>
    </message>
    <message>
        <source>&amp;C 计算</source>
        <translation>&amp;Calculate</translation>
    </message>
    <message>
        <source>&amp;O 确定</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;C 关闭</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>记录</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>&amp;S 保存系统库</source>
        <translation>&amp;Save System Library</translation>
    </message>
    <message>
        <source>删除当前记录吗？</source>
        <translation>Delete the current record?</translation>
    </message>
    <message>
        <source>写入 %1</source>
        <translation>Writes %1</translation>
    </message>
</context>
<context>
    <name>RecordNavigator</name>
    <message>
        <source>开头</source>
        <translation>First</translation>
    </message>
    <message>
        <source>上一个</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>下一个</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>最后</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>插入</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>Post</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
</context>
<context>
    <name>ReportPrint</name>
    <message>
        <source>打印机 %1 不可用。</source>
        <translation>Printer %1 is not available.</translation>
    </message>
    <message>
        <source>打印机 %1 没有接受打印任务。</source>
        <translation>Printer %1 did not accept the print job.</translation>
    </message>
    <message>
        <source>打印预览 - 计算报表</source>
        <translation>Print Preview - Calculation Report</translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write file %1: %2</translation>
    </message>
    <message>
        <source>PDF 没有写成</source>
        <translation>The PDF was not written</translation>
    </message>
    <message>
        <source>计算报表</source>
        <translation>Calculation Report</translation>
    </message>
</context>
<context>
    <name>SectionView</name>
    <message>
        <source>SVG 图形(*.svg)</source>
        <translation>SVG graphics (*.svg)</translation>
    </message>
    <message>
        <source>PDF 文件(*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>PNG 图像(*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>导出截面图</source>
        <translation>Export Cross-Section</translation>
    </message>
    <message>
        <source>无法写入文件：
%1</source>
        <translation>Cannot write the file:
%1</translation>
    </message>
    <message>
        <source>适应窗口</source>
        <translation>Fit to Window</translation>
    </message>
    <message>
        <source>导出为 SVG...</source>
        <translation>Export as SVG...</translation>
    </message>
    <message>
        <source>导出为 PNG...</source>
        <translation>Export as PNG...</translation>
    </message>
    <message>
        <source>导出为 PDF...</source>
        <translation>Export as PDF...</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>无法创建运行目录 %1：%2</source>
        <translation>Cannot create the runtime folder %1: %2</translation>
    </message>
    <message>
        <source>运行目录 %1 不是一个文件夹，程序不使用它。</source>
        <translation>The runtime folder %1 is not a folder; the program does not use it.</translation>
    </message>
    <message>
        <source>运行目录 %1 属于另一个用户（uid %2），程序不使用它。</source>
        <translation>The runtime folder %1 belongs to another user (uid %2); the program does not use it.</translation>
    </message>
    <message>
        <source>运行目录 %1 对其他用户开放，且无法改为私有。</source>
        <translation>The runtime folder %1 is open to other users and cannot be made private.</translation>
    </message>
</context>
<context>
    <name>StudyPanel</name>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>工况分析</source>
        <translation>Parametric Study</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>导出 CSV...</source>
        <translation>Export CSV...</translation>
    </message>
    <message>
        <source>导出 PNG...</source>
        <translation>Export PNG...</translation>
    </message>
    <message>
        <source>输入参数</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>起始值</source>
        <translation>From</translation>
    </message>
    <message>
        <source>终止值</source>
        <translation>To</translation>
    </message>
    <message>
        <source>步数</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>跟踪结果（勾选）</source>
        <translation>Results to track (tick)</translation>
    </message>
    <message>
        <source>起始值和终止值须为数字。</source>
        <translation>From and To must be numbers.</translation>
    </message>
    <message>
        <source>无法计算：%1</source>
        <translation>Cannot calculate: %1</translation>
    </message>
    <message>
        <source>%1 步计算失败（表中标红，图中以 × 标在横轴上）。</source>
        <translation>%1 step(s) failed (red in the table, × on the horizontal axis of the plots).</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>计算失败 %1</source>
        <translation>Failed %1</translation>
    </message>
    <message>
        <source>计算失败</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>导出工况分析</source>
        <translation>Export Parametric Study</translation>
    </message>
    <message>
        <source>CSV 文件(*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>PNG 图像(*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>无法写入文件：
%1</source>
        <translation>Cannot write the file:
%1</translation>
    </message>
</context>
<context>
    <name>SweepMap</name>
    <message>
        <source>尚未进行优化设计。运行“优化设计”后，这里显示扫描的全部网格点。</source>
        <translation>No optimisation has been run yet. After “Optimisation” this map shows every grid point scanned.</translation>
    </message>
    <message>
        <source>优化图（最优）：总传热系数 K，W/(m²·K)</source>
        <translation>Optimisation map (best): overall coefficient K, W/(m²·K)</translation>
    </message>
    <message>
        <source>优化图（最快）：实际富余度，%</source>
        <translation>Optimisation map (fastest): actual surplus, %</translation>
    </message>
    <message>
        <source>未计算</source>
        <translation>Not calculated</translation>
    </message>
    <message>
        <source>富余度≥%1%</source>
        <translation>Surplus ≥ %1%</translation>
    </message>
    <message>
        <source>单程管长≤%1 m</source>
        <translation>Tube length per pass ≤ %1 m</translation>
    </message>
    <message>
        <source>可行区域</source>
        <translation>Feasible region</translation>
    </message>
    <message>
        <source>迎风速度≤%1，管程速度≤%2 m/s</source>
        <translation>Face velocity ≤ %1, tube velocity ≤ %2 m/s</translation>
    </message>
    <message>
        <source>采用点 %1 / %2 m/s</source>
        <translation>Chosen point %1 / %2 m/s</translation>
    </message>
    <message>
        <source>迎风速度 Uemp，m/s</source>
        <translation>Face velocity Uemp, m/s</translation>
    </message>
    <message>
        <source>参考线速度 Utm，m/s</source>
        <translation>Reference tube velocity Utm, m/s</translation>
    </message>
    <message>
        <source>优化图</source>
        <translation>Optimisation map</translation>
    </message>
    <message>
        <source>导出为 PNG...</source>
        <translation>Export as PNG...</translation>
    </message>
    <message>
        <source>导出为 SVG...</source>
        <translation>Export as SVG...</translation>
    </message>
    <message>
        <source>导出优化图</source>
        <translation>Export Optimisation Map</translation>
    </message>
    <message>
        <source>SVG 图形(*.svg)</source>
        <translation>SVG graphics (*.svg)</translation>
    </message>
    <message>
        <source>PNG 图像(*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>无法写入文件：
%1</source>
        <translation>Cannot write the file:
%1</translation>
    </message>
</context>
<context>
    <name>TEditD</name>
    <message>
        <source>灰色斜体：此结果来自先前的计算，最近一次计算未能更新它。</source>
        <translation>Grey italics: this result comes from an earlier calculation; the latest calculation could not update it.</translation>
    </message>
    <message>
        <source>红框：无法识别的输入，此文本不是数字。</source>
        <translation>Red frame: unreadable input, this text is not a number.</translation>
    </message>
</context>
<context>
    <name>TargetNotice</name>
    <message>
        <source>同样的请求又收到 %1 次。</source>
        <translation>The same request came %1 more time(s).</translation>
    </message>
</context>
<context>
    <name>TubeDrawing</name>
    <message>
        <source>布管图</source>
        <translation>Tube Layout</translation>
    </message>
    <message>
        <source>SVG 图形(*.svg)</source>
        <translation>SVG graphics (*.svg)</translation>
    </message>
    <message>
        <source>PDF 文件(*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>PNG 图像(*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>导出布管图</source>
        <translation>Export Tube Layout</translation>
    </message>
    <message>
        <source>无法写入文件：
%1</source>
        <translation>Cannot write the file:
%1</translation>
    </message>
    <message>
        <source>导出为 SVG...</source>
        <translation>Export as SVG...</translation>
    </message>
    <message>
        <source>导出为 PNG...</source>
        <translation>Export as PNG...</translation>
    </message>
    <message>
        <source>导出为 PDF...</source>
        <translation>Export as PDF...</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>撤销 %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>重做 %1</source>
        <translation>Redo %1</translation>
    </message>
    <message>
        <source>打开模板</source>
        <translation>Open Template</translation>
    </message>
    <message>
        <source>单位 %1</source>
        <translation>Unit of %1</translation>
    </message>
    <message>
        <source>选择 %1</source>
        <translation>Choose %1</translation>
    </message>
    <message>
        <source>修改 %1</source>
        <translation>Change %1</translation>
    </message>
</context>
<context>
    <name>WindowServices</name>
    <message>
        <source>打印预览</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>导出为 PDF</source>
        <translation>Export as PDF</translation>
    </message>
    <message>
        <source>没有可用的打印机，报表无法打印。
要把报表导出为 PDF 文件吗？</source>
        <translation>No printer is available; the report cannot be printed.
Export the report as a PDF file instead?</translation>
    </message>
    <message>
        <source>打印报表</source>
        <translation>Print Report</translation>
    </message>
    <message>
        <source>找不到用户手册 %1。</source>
        <translation>User manual %1 not found.</translation>
    </message>
    <message>
        <source>Tharvex 帮助</source>
        <translation>Tharvex Help</translation>
    </message>
</context>
</TS>
