<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>欢迎使用Tharvex</source>
        <translation>Welcome to Tharvex</translation>
    </message>
    <message>
        <source>箱式换热器热力计算-2015.07.16.15版</source>
        <translation>Box-Type Heat Exchanger Thermal Design - version 2015.07.16.15</translation>
    </message>
    <message>
        <source>版本 %1，提交 %2，构建日期 %3</source>
        <translation>Version %1, commit %2, built %3</translation>
    </message>
    <message>
        <source>箱式翅片管换热器的设计型与校核型热力计算、布管、报表、物性数据库与湿空气工具。</source>
        <translation>Design and rating calculations of box-type finned-tube heat exchangers, tube layout, report, property library and humid-air tools.</translation>
    </message>
    <message>
        <source>按 F1 可打开当前输入框的帮助；菜单“帮助 → 帮助文档”打开用户手册。</source>
        <translation>Press F1 for help on the current field; Help → Documentation opens the user manual.</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>必须输入</source>
        <translation>Required input</translation>
    </message>
    <message>
        <source>由热量平衡求出</source>
        <translation>Solved from the heat balance</translation>
    </message>
    <message>
        <source>由管口计算求出</source>
        <translation>Solved from the nozzle calculation</translation>
    </message>
    <message>
        <source>计算结果</source>
        <translation>Calculation result</translation>
    </message>
    <message>
        <source>不适用</source>
        <translation>Not applicable</translation>
    </message>
    <message>
        <source>平衡求出</source>
        <translation>From balance</translation>
    </message>
    <message>
        <source>管口求出</source>
        <translation>From nozzles</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>转角45°</source>
        <translation>Rotated 45°</translation>
    </message>
    <message>
        <source>转角30°</source>
        <translation>Rotated 30°</translation>
    </message>
    <message>
        <source>&amp;F 文件</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;N 新建</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;O 打开</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;S 保存</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;A 另存为</source>
        <translation>Save &amp;As</translation>
    </message>
    <message>
        <source>&amp;T 存为模版</source>
        <translation>Save as &amp;Template</translation>
    </message>
    <message>
        <source>&amp;X 导出数据…</source>
        <translation>E&amp;xport Data…</translation>
    </message>
    <message>
        <source>&amp;E 退出</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;E 编辑</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;U 撤销</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;R 重做</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;R 运行</source>
        <translation>&amp;Run</translation>
    </message>
    <message>
        <source>&amp;C 计算</source>
        <translation>&amp;Calculate</translation>
    </message>
    <message>
        <source>&amp;D 优化设计</source>
        <translation>Optimise &amp;Design</translation>
    </message>
    <message>
        <source>&amp;O 输出</source>
        <translation>&amp;Output</translation>
    </message>
    <message>
        <source>&amp;B 报表</source>
        <translation>&amp;Report</translation>
    </message>
    <message>
        <source>&amp;S 保存报表</source>
        <translation>&amp;Save Report</translation>
    </message>
    <message>
        <source>&amp;P 打印报表</source>
        <translation>&amp;Print Report</translation>
    </message>
    <message>
        <source>&amp;C 导出计算书…</source>
        <translation>Export &amp;Calculation Sheet…</translation>
    </message>
    <message>
        <source>&amp;T 工具</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;H 帮助</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;D 帮助文档</source>
        <translation>&amp;Documentation</translation>
    </message>
    <message>
        <source>&amp;A 关于 Tharvex</source>
        <translation>&amp;About Tharvex</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>存为模版</source>
        <translation>Save as Template</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>优化设计</source>
        <translation>Optimise Design</translation>
    </message>
    <message>
        <source>报表</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>保存报表</source>
        <translation>Save Report</translation>
    </message>
    <message>
        <source>打印报表</source>
        <translation>Print Report</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>工艺及设备参数</source>
        <translation>Process and Equipment Data</translation>
    </message>
    <message>
        <source>壳程物性及热量平衡</source>
        <translation>Shell Side: Properties and Heat Balance</translation>
    </message>
    <message>
        <source>液体物性</source>
        <translation>Liquid properties</translation>
    </message>
    <message>
        <source>蒸汽物性</source>
        <translation>Vapour properties</translation>
    </message>
    <message>
        <source>质量流量</source>
        <translation>Mass flow</translation>
    </message>
    <message>
        <source>平均比热</source>
        <translation>Mean specific heat</translation>
    </message>
    <message>
        <source>入口温度</source>
        <translation>Inlet temperature</translation>
    </message>
    <message>
        <source>出口温度</source>
        <translation>Outlet temperature</translation>
    </message>
    <message>
        <source>流体类型</source>
        <translation>Fluid</translation>
    </message>
    <message>
        <source>热量</source>
        <translation>Heat duty</translation>
    </message>
    <message>
        <source>流体相态</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>相变热</source>
        <translation>Latent heat</translation>
    </message>
    <message>
        <source>动力粘度</source>
        <translation>Dynamic viscosity</translation>
    </message>
    <message>
        <source>导热系数</source>
        <translation>Thermal conductivity</translation>
    </message>
    <message>
        <source>密度</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>从物性数据库取壳程物性</source>
        <translation>Shell-side properties from the property library</translation>
    </message>
    <message>
        <source>蒸汽密度</source>
        <translation>Vapour density</translation>
    </message>
    <message>
        <source>表面张力</source>
        <translation>Surface tension</translation>
    </message>
    <message>
        <source>不凝气体</source>
        <translation>Non-condensables</translation>
    </message>
    <message>
        <source>蒸汽比热</source>
        <translation>Vapour specific heat</translation>
    </message>
    <message>
        <source>蒸汽粘度</source>
        <translation>Vapour viscosity</translation>
    </message>
    <message>
        <source>从物性数据库取壳程蒸汽物性</source>
        <translation>Shell-side vapour properties from the property library</translation>
    </message>
    <message>
        <source>湿工况(仅对空气)</source>
        <translation>Wet operation (air only)</translation>
    </message>
    <message>
        <source>相对湿度</source>
        <translation>Relative humidity</translation>
    </message>
    <message>
        <source>操作压力</source>
        <translation>Operating pressure</translation>
    </message>
    <message>
        <source>壳程热损</source>
        <translation>Shell-side heat loss</translation>
    </message>
    <message>
        <source>环境温度</source>
        <translation>Ambient temperature</translation>
    </message>
    <message>
        <source>注释</source>
        <translation>Comments</translation>
    </message>
    <message>
        <source>管程物性及热量平衡</source>
        <translation>Tube Side: Properties and Heat Balance</translation>
    </message>
    <message>
        <source>从物性数据库取管程物性</source>
        <translation>Tube-side properties from the property library</translation>
    </message>
    <message>
        <source>从物性数据库取管程蒸汽物性</source>
        <translation>Tube-side vapour properties from the property library</translation>
    </message>
    <message>
        <source>入口蒸汽干度</source>
        <translation>Inlet vapour quality</translation>
    </message>
    <message>
        <source>出口蒸汽干度</source>
        <translation>Outlet vapour quality</translation>
    </message>
    <message>
        <source>翅片几何</source>
        <translation>Fin Geometry</translation>
    </message>
    <message>
        <source>翅片高度</source>
        <translation>Fin height</translation>
    </message>
    <message>
        <source>翅片间隙</source>
        <translation>Fin gap</translation>
    </message>
    <message>
        <source>翅片间隙：工程方法按两片翅片之间的净间隙读取（节距 = 间隙 + 翅片厚度）；标准方法按翅片节距读取（每米 1/间隙 片）</source>
        <translation>Fin gap: the engineering method reads it as the clear gap between two fins (pitch = gap + fin thickness); the standard method reads it as the fin pitch (1/gap fins per metre)</translation>
    </message>
    <message>
        <source>翅片厚度</source>
        <translation>Fin thickness</translation>
    </message>
    <message>
        <source>翅片材质</source>
        <translation>Fin material</translation>
    </message>
    <message>
        <source>翅化比</source>
        <translation>Fin area ratio</translation>
    </message>
    <message>
        <source>翅片效率</source>
        <translation>Fin efficiency</translation>
    </message>
    <message>
        <source>无翅片</source>
        <translation>Bare tubes</translation>
    </message>
    <message>
        <source>管程几何</source>
        <translation>Tube Geometry</translation>
    </message>
    <message>
        <source>管外径</source>
        <translation>Tube outside diameter</translation>
    </message>
    <message>
        <source>管内径</source>
        <translation>Tube inside diameter</translation>
    </message>
    <message>
        <source>管间距</source>
        <translation>Tube pitch</translation>
    </message>
    <message>
        <source>基管材质</source>
        <translation>Tube material</translation>
    </message>
    <message>
        <source>管程数</source>
        <translation>Tube passes</translation>
    </message>
    <message>
        <source>程</source>
        <translation>passes</translation>
    </message>
    <message>
        <source>总管数</source>
        <translation>Number of tubes</translation>
    </message>
    <message>
        <source>箱体几何</source>
        <translation>Casing Geometry</translation>
    </message>
    <message>
        <source>高度H</source>
        <translation>Height H</translation>
    </message>
    <message>
        <source>宽度W</source>
        <translation>Width W</translation>
    </message>
    <message>
        <source>长度L</source>
        <translation>Length L</translation>
    </message>
    <message>
        <source>上下间隙</source>
        <translation>Top/bottom clearance</translation>
    </message>
    <message>
        <source>左右间隙</source>
        <translation>Side clearance</translation>
    </message>
    <message>
        <source>迎风面管数</source>
        <translation>Tubes per row</translation>
    </message>
    <message>
        <source>管列数</source>
        <translation>Tube rows</translation>
    </message>
    <message>
        <source>迎风面积</source>
        <translation>Face area</translation>
    </message>
    <message>
        <source>排管方式</source>
        <translation>Tube arrangement</translation>
    </message>
    <message>
        <source>顺排：正方形，三角形转角30°；叉排：正方形转角45°，正三角形</source>
        <translation>In line: square, triangular rotated 30°; staggered: square rotated 45°, triangular</translation>
    </message>
    <message>
        <source>高宽比(H/W)</source>
        <translation>Aspect ratio (H/W)</translation>
    </message>
    <message>
        <source>串联台数</source>
        <translation>Units in series</translation>
    </message>
    <message>
        <source>壳壁厚度</source>
        <translation>Casing wall thickness</translation>
    </message>
    <message>
        <source>壳材质</source>
        <translation>Casing material</translation>
    </message>
    <message>
        <source>保温层厚</source>
        <translation>Insulation thickness</translation>
    </message>
    <message>
        <source>保温材质</source>
        <translation>Insulation material</translation>
    </message>
    <message>
        <source>壳程传热</source>
        <translation>Shell-Side Heat Transfer</translation>
    </message>
    <message>
        <source>基管膜系数</source>
        <translation>Bare-tube film coefficient</translation>
    </message>
    <message>
        <source>翅片膜系数</source>
        <translation>Fin-side film coefficient</translation>
    </message>
    <message>
        <source>壳程压力降</source>
        <translation>Shell-side pressure drop</translation>
    </message>
    <message>
        <source>迎风速度</source>
        <translation>Face velocity</translation>
    </message>
    <message>
        <source>管缝隙速度</source>
        <translation>Velocity between tubes</translation>
    </message>
    <message>
        <source>壳程污垢</source>
        <translation>Shell-side fouling</translation>
    </message>
    <message>
        <source>管程传热</source>
        <translation>Tube-Side Heat Transfer</translation>
    </message>
    <message>
        <source>管内膜系数</source>
        <translation>Tube-side film coefficient</translation>
    </message>
    <message>
        <source>管程压力降</source>
        <translation>Tube-side pressure drop</translation>
    </message>
    <message>
        <source>实际线速度</source>
        <translation>Tube velocity</translation>
    </message>
    <message>
        <source>参考线速度</source>
        <translation>Reference tube velocity</translation>
    </message>
    <message>
        <source>管程污垢</source>
        <translation>Tube-side fouling</translation>
    </message>
    <message>
        <source>主要结果</source>
        <translation>Main Results</translation>
    </message>
    <message>
        <source>传递热量</source>
        <translation>Heat transferred</translation>
    </message>
    <message>
        <source>平均温度差</source>
        <translation>Mean temperature difference</translation>
    </message>
    <message>
        <source>温差校正</source>
        <translation>LMTD correction factor</translation>
    </message>
    <message>
        <source>理论面积</source>
        <translation>Required area</translation>
    </message>
    <message>
        <source>实际面积</source>
        <translation>Actual area</translation>
    </message>
    <message>
        <source>实际富余度</source>
        <translation>Surplus</translation>
    </message>
    <message>
        <source>总传热系数</source>
        <translation>Overall heat transfer coefficient</translation>
    </message>
    <message>
        <source>实际翅片面积</source>
        <translation>Actual finned area</translation>
    </message>
    <message>
        <source>设计规定</source>
        <translation>Design Rules</translation>
    </message>
    <message>
        <source>富余度≥</source>
        <translation>Surplus ≥</translation>
    </message>
    <message>
        <source>单程管长≤</source>
        <translation>Tube length per pass ≤</translation>
    </message>
    <message>
        <source>计算类型</source>
        <translation>Calculation type</translation>
    </message>
    <message>
        <source>迎风速度≤</source>
        <translation>Face velocity ≤</translation>
    </message>
    <message>
        <source>管程速度≤</source>
        <translation>Tube velocity ≤</translation>
    </message>
    <message>
        <source>优化类型</source>
        <translation>Optimisation</translation>
    </message>
    <message>
        <source>管程速度≥</source>
        <translation>Tube velocity ≥</translation>
    </message>
    <message>
        <source>计算方法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>管口计算</source>
        <translation>Nozzles</translation>
    </message>
    <message>
        <source>壳程</source>
        <translation>Shell side</translation>
    </message>
    <message>
        <source>管口压力降</source>
        <translation>Nozzle pressure drop</translation>
    </message>
    <message>
        <source>管口流速</source>
        <translation>Nozzle velocity</translation>
    </message>
    <message>
        <source>管口内径</source>
        <translation>Nozzle inside diameter</translation>
    </message>
    <message>
        <source>管程</source>
        <translation>Tube side</translation>
    </message>
    <message>
        <source>布管图</source>
        <translation>Tube Layout</translation>
    </message>
    <message>
        <source>空气饱和湿度/露点计算</source>
        <translation>Saturated Air Humidity / Dew Point</translation>
    </message>
    <message>
        <source>总气压</source>
        <translation>Total pressure</translation>
    </message>
    <message>
        <source>水分质量分率</source>
        <translation>Water mass fraction</translation>
    </message>
    <message>
        <source>露点温度</source>
        <translation>Dew point</translation>
    </message>
    <message>
        <source>绝对湿度</source>
        <translation>Absolute humidity</translation>
    </message>
    <message>
        <source>空气湿度/温度计算</source>
        <translation>Air Humidity / Temperature</translation>
    </message>
    <message>
        <source>空气温度</source>
        <translation>Air temperature</translation>
    </message>
    <message>
        <source>壳程温度分段工具</source>
        <translation>Shell-Side Temperature Segmentation</translation>
    </message>
    <message>
        <source>管程入口温度</source>
        <translation>Tube-side inlet temperature</translation>
    </message>
    <message>
        <source>管程出口温度</source>
        <translation>Tube-side outlet temperature</translation>
    </message>
    <message>
        <source>壳程入口温度</source>
        <translation>Shell-side inlet temperature</translation>
    </message>
    <message>
        <source>壳程出口温度</source>
        <translation>Shell-side outlet temperature</translation>
    </message>
    <message>
        <source>段数</source>
        <translation>Segments</translation>
    </message>
    <message>
        <source>箱式换热器热力计算-Tharvex</source>
        <translation>Box-Type Heat Exchanger Thermal Design - Tharvex</translation>
    </message>
</context>
<context>
    <name>Drawing</name>
    <message>
        <source>L-长度=</source>
        <translation>L-Length=</translation>
    </message>
    <message>
        <source>H-高度=</source>
        <translation>H-Height=</translation>
    </message>
    <message>
        <source>W-宽度=</source>
        <translation>W-Width=</translation>
    </message>
    <message>
        <source>←流向</source>
        <translation>← Flow</translation>
    </message>
    <message>
        <source>空气流向</source>
        <translation>Air flow</translation>
    </message>
    <message>
        <source>上下间隙</source>
        <translation>Top/bottom clearance</translation>
    </message>
    <message>
        <source>左右间隙</source>
        <translation>Side clearance</translation>
    </message>
    <message>
        <source>程</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>出口</source>
        <translation>outlet</translation>
    </message>
    <message>
        <source>进口</source>
        <translation>inlet</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>求解</source>
        <translation>Solved</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>停用</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>过期</source>
        <translation>Out of date</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>不校核（限值停用）</source>
        <translation>Not checked (limit switched off)</translation>
    </message>
    <message>
        <source>合格</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>不合格</source>
        <translation>Fail</translation>
    </message>
    <message>
        <source>数据</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>设计校核</source>
        <translation>Design check</translation>
    </message>
</context>
<context>
    <name>Items</name>
    <message>
        <source>热流体</source>
        <translation>Hot fluid</translation>
    </message>
    <message>
        <source>冷流体</source>
        <translation>Cold fluid</translation>
    </message>
    <message>
        <source>低碳钢</source>
        <translation>Carbon steel</translation>
    </message>
    <message>
        <source>不锈钢</source>
        <translation>Stainless steel</translation>
    </message>
    <message>
        <source>铜</source>
        <translation>Copper</translation>
    </message>
    <message>
        <source>红铜(85%)</source>
        <translation>Red brass (85%)</translation>
    </message>
    <message>
        <source>铝黄铜</source>
        <translation>Aluminium brass</translation>
    </message>
    <message>
        <source>铝青铜(5%)</source>
        <translation>Aluminium bronze (5%)</translation>
    </message>
    <message>
        <source>铝</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>铁</source>
        <translation>Iron</translation>
    </message>
    <message>
        <source>钛</source>
        <translation>Titanium</translation>
    </message>
    <message>
        <source>石墨</source>
        <translation>Graphite</translation>
    </message>
    <message>
        <source>硬橡胶</source>
        <translation>Hard rubber</translation>
    </message>
    <message>
        <source>聚四氟乙烯</source>
        <translation>PTFE</translation>
    </message>
    <message>
        <source>聚氯乙烯</source>
        <translation>PVC</translation>
    </message>
    <message>
        <source>聚乙烯</source>
        <translation>Polyethylene</translation>
    </message>
    <message>
        <source>岩棉板,壳</source>
        <translation>Rock wool board, shell</translation>
    </message>
    <message>
        <source>岩棉缝毡</source>
        <translation>Rock wool stitched mat</translation>
    </message>
    <message>
        <source>泡沫石棉</source>
        <translation>Foamed asbestos</translation>
    </message>
    <message>
        <source>海泡石保温材料</source>
        <translation>Sepiolite insulation</translation>
    </message>
    <message>
        <source>JBT保温材料</source>
        <translation>JBT insulation</translation>
    </message>
    <message>
        <source>珍珠岩制品</source>
        <translation>Perlite products</translation>
    </message>
    <message>
        <source>矿渣棉一级</source>
        <translation>Slag wool, grade 1</translation>
    </message>
    <message>
        <source>矿渣棉二级</source>
        <translation>Slag wool, grade 2</translation>
    </message>
    <message>
        <source>酚醛玻璃棉</source>
        <translation>Phenolic glass wool</translation>
    </message>
    <message>
        <source>酚醛超细玻璃棉</source>
        <translation>Phenolic superfine glass wool</translation>
    </message>
    <message>
        <source>酚醛树脂矿棉板,壳,一级</source>
        <translation>Phenolic mineral wool board, shell, grade 1</translation>
    </message>
    <message>
        <source>酚醛树脂矿棉板,壳,二级</source>
        <translation>Phenolic mineral wool board, shell, grade 2</translation>
    </message>
    <message>
        <source>酚醛玻璃棉板,壳</source>
        <translation>Phenolic glass wool board, shell</translation>
    </message>
    <message>
        <source>中吸玻璃纤维板,壳</source>
        <translation>Medium-absorption glass fibre board, shell</translation>
    </message>
    <message>
        <source>碳酸镁石棉</source>
        <translation>Magnesium carbonate asbestos</translation>
    </message>
    <message>
        <source>硅酸镁石棉</source>
        <translation>Magnesium silicate asbestos</translation>
    </message>
    <message>
        <source>BBS硬质聚氨酯</source>
        <translation>BBS rigid polyurethane</translation>
    </message>
    <message>
        <source>双组分喷涂聚氨酯</source>
        <translation>Two-component sprayed polyurethane</translation>
    </message>
    <message>
        <source>挤出发泡聚苯乙烯硬质板</source>
        <translation>Extruded polystyrene rigid board</translation>
    </message>
    <message>
        <source>聚苯乙烯泡沫板</source>
        <translation>Expanded polystyrene board</translation>
    </message>
    <message>
        <source>单相液体</source>
        <translation>Single-phase liquid</translation>
    </message>
    <message>
        <source>单相气体</source>
        <translation>Single-phase gas</translation>
    </message>
    <message>
        <source>蒸气冷凝</source>
        <translation>Condensing vapour</translation>
    </message>
    <message>
        <source>液体蒸发</source>
        <translation>Evaporating liquid</translation>
    </message>
    <message>
        <source>正三角形</source>
        <translation>Triangular</translation>
    </message>
    <message>
        <source>正方形</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>设计型</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>校核型</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>最快</source>
        <translation>Fastest</translation>
    </message>
    <message>
        <source>最优</source>
        <translation>Optimum</translation>
    </message>
    <message>
        <source>标准方法</source>
        <translation>Standard method</translation>
    </message>
    <message>
        <source>工程方法</source>
        <translation>Engineering method</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>导出计算书</source>
        <translation>Export Calculation Sheet</translation>
    </message>
    <message>
        <source>PDF 文件</source>
        <translation>PDF files</translation>
    </message>
    <message>
        <source>导出数据</source>
        <translation>Export Data</translation>
    </message>
    <message>
        <source>Excel 工作簿</source>
        <translation>Excel workbooks</translation>
    </message>
    <message>
        <source>JSON 文件</source>
        <translation>JSON files</translation>
    </message>
    <message>
        <source>CSV 文件</source>
        <translation>CSV files</translation>
    </message>
    <message>
        <source>Tharvex数据文件</source>
        <translation>Tharvex projects</translation>
    </message>
    <message>
        <source>Tharvex模板文件</source>
        <translation>Tharvex templates</translation>
    </message>
    <message>
        <source>打开项目文件</source>
        <translation>Open Project</translation>
    </message>
    <message>
        <source>保存项目文件</source>
        <translation>Save Project</translation>
    </message>
    <message>
        <source>请选择模板</source>
        <translation>Choose a Template</translation>
    </message>
    <message>
        <source>保存为模板</source>
        <translation>Save as Template</translation>
    </message>
    <message>
        <source>数据没有保存，保存吗？</source>
        <translation>The data has not been saved. Save it?</translation>
    </message>
    <message>
        <source>警告：</source>
        <translation>Warning:</translation>
    </message>
    <message>
        <source>注释中的“△”和“▲”在项目文件中用作分行标记，保存时已分别写成外形相近的“∆”和“▴”，其余内容不变。</source>
        <translation>“△” and “▲” mark line breaks in project files, so in the comments they were saved as the look-alike “∆” and “▴”; nothing else was changed.</translation>
    </message>
    <message>
        <source>保存报表文件</source>
        <translation>Save Report</translation>
    </message>
    <message>
        <source>报表文件</source>
        <translation>Report files</translation>
    </message>
    <message>
        <source>导出为 PDF</source>
        <translation>Export as PDF</translation>
    </message>
    <message>
        <source>目标窗口没找到！</source>
        <translation>Target window not found!</translation>
    </message>
    <message>
        <source>[超出适用范围]</source>
        <translation>[outside its range]</translation>
    </message>
    <message>
        <source>输入数据错误:温度交叉！</source>
        <translation>Input error: temperature cross!</translation>
    </message>
    <message>
        <source>输入数据错误:管子内经大于等于外径！</source>
        <translation>Input error: the tube inside diameter is not smaller than the outside diameter!</translation>
    </message>
    <message>
        <source>输入数据错误:换热管碰撞！</source>
        <translation>Input error: the tubes overlap!</translation>
    </message>
    <message>
        <source>输入数据错误:管数过多！</source>
        <translation>Input error: too many tubes!</translation>
    </message>
    <message>
        <source>管程液体蒸发工况暂不支持！</source>
        <translation>Evaporation on the tube side is not supported yet!</translation>
    </message>
    <message>
        <source>热量平衡迭代不收敛，请检查输入数据！</source>
        <translation>The heat balance did not converge; check the input data!</translation>
    </message>
    <message>
        <source>管内流速太低，处于层流区！</source>
        <translation>Tube velocity too low: the flow is laminar!</translation>
    </message>
    <message>
        <source>温差校正系数&lt;0.8，如可能请调整工艺数据!</source>
        <translation>LMTD correction factor &lt; 0.8; adjust the process data if possible!</translation>
    </message>
    <message>
        <source>管内流速低于设计规定的最低速度！</source>
        <translation>The tube velocity is below the minimum of the design rules!</translation>
    </message>
    <message>
        <source>优化设计开始...</source>
        <translation>Optimisation started...</translation>
    </message>
    <message>
        <source>优化设计成功！</source>
        <translation>Optimisation succeeded!</translation>
    </message>
    <message>
        <source>优化设计失败！</source>
        <translation>Optimisation failed!</translation>
    </message>
    <message>
        <source>优化设计出错！</source>
        <translation>Optimisation error!</translation>
    </message>
    <message>
        <source>***************管程计算开始***************</source>
        <translation>***************Tube-side calculation***************</translation>
    </message>
    <message>
        <source>无法识别的输入：</source>
        <translation>Unreadable input: </translation>
    </message>
    <message>
        <source>发现错误，可能是输入数据错误！</source>
        <translation>An error occurred; the input data may be wrong!</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>没有给出报表文件名</source>
        <translation>No report file name was given</translation>
    </message>
    <message>
        <source>无效的浮点运算：负数开平方</source>
        <translation>Invalid floating-point operation: square root of a negative number</translation>
    </message>
    <message>
        <source>无效的浮点运算：非正数取对数</source>
        <translation>Invalid floating-point operation: logarithm of a number that is not positive</translation>
    </message>
    <message>
        <source>浮点运算被零除</source>
        <translation>Floating-point division by zero</translation>
    </message>
    <message>
        <source>无效的浮点运算：负数的非整数次幂</source>
        <translation>Invalid floating-point operation: non-integer power of a negative number</translation>
    </message>
    <message>
        <source>物性计算结果超出范围</source>
        <translation>Property result out of range</translation>
    </message>
    <message>
        <source>无效的浮点运算：温度低于绝对零度</source>
        <translation>Invalid floating-point operation: temperature below absolute zero</translation>
    </message>
    <message>
        <source>结果正确</source>
        <translation>Result correct</translation>
    </message>
    <message>
        <source>无效的数字</source>
        <translation>Invalid number</translation>
    </message>
    <message>
        <source>未知的函数</source>
        <translation>Unknown function</translation>
    </message>
    <message>
        <source>( ) 不匹配</source>
        <translation>Unmatched ( )</translation>
    </message>
    <message>
        <source>空字符串</source>
        <translation>Empty string</translation>
    </message>
    <message>
        <source>被0除</source>
        <translation>Division by 0</translation>
    </message>
    <message>
        <source>函数或常量太多</source>
        <translation>Too many functions or constants</translation>
    </message>
    <message>
        <source>函数名称中有无效的字符</source>
        <translation>Invalid character in a function name</translation>
    </message>
    <message>
        <source>非布尔表达式</source>
        <translation>Not a Boolean expression</translation>
    </message>
    <message>
        <source>参数数目不正确</source>
        <translation>Wrong number of arguments</translation>
    </message>
    <message>
        <source>函数已存在</source>
        <translation>Function already exists</translation>
    </message>
    <message>
        <source>遗失字符串引用</source>
        <translation>Missing string reference</translation>
    </message>
    <message>
        <source>字符串引用结束符不匹配!</source>
        <translation>Unmatched end of string reference!</translation>
    </message>
    <message>
        <source>条件表达式值应为&quot;是&quot;或&quot;否&quot;</source>
        <translation>A condition must be &quot;Yes&quot; or &quot;No&quot;</translation>
    </message>
    <message>
        <source>函数名不存在!</source>
        <translation>Function name does not exist!</translation>
    </message>
    <message>
        <source>未发现对象!</source>
        <translation>Object not found!</translation>
    </message>
    <message>
        <source>物性库中有记录超长，未载入：</source>
        <translation>Records of the property library too long, not loaded: </translation>
    </message>
    <message>
        <source>物性参数过多：最多 99 个</source>
        <translation>Too many property parameters: 99 at most</translation>
    </message>
    <message>
        <source>请指定温度！</source>
        <translation>Please give a temperature!</translation>
    </message>
    <message>
        <source>物性表格中有相同的温度点，无法插值（被零除）</source>
        <translation>The property table has two equal temperatures and cannot be interpolated (division by zero)</translation>
    </message>
    <message>
        <source>物性表格插值结果超出范围</source>
        <translation>Property table interpolation out of range</translation>
    </message>
    <message>
        <source>无法分段：段数应为1到10000之间的整数！</source>
        <translation>Cannot segment: the number of segments must be a whole number from 1 to 10000!</translation>
    </message>
    <message>
        <source>无法分段：壳程出口温度高于入口温度（壳程被加热）！</source>
        <translation>Cannot segment: the shell-side outlet temperature is above the inlet temperature (the shell side is heated)!</translation>
    </message>
    <message>
        <source>无法分段：壳程出口温度须高于管程进出口平均温度！</source>
        <translation>Cannot segment: the shell-side outlet temperature must be above the mean tube-side temperature!</translation>
    </message>
    <message>
        <source>无法分段：温度数值超出计算范围！</source>
        <translation>Cannot segment: temperature out of range!</translation>
    </message>
    <message>
        <source>无法分段：分段计算不收敛，请检查输入数据！</source>
        <translation>Cannot segment: the segment calculation did not converge; check the input data!</translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>公式长度超过 %1 个字符</source>
        <translation>The formula is longer than %1 characters</translation>
    </message>
    <message>
        <source>公式中的变量超过 %1 个</source>
        <translation>The formula has more than %1 variables</translation>
    </message>
    <message>
        <source>无法读取物性库文件：%1（%2）</source>
        <translation>Cannot read the property library %1 (%2)</translation>
    </message>
    <message>
        <source>找不到物性库文件：%1</source>
        <translation>Property library not found: %1</translation>
    </message>
    <message>
        <source>无法读取物性库文件：%1（文件是空的）</source>
        <translation>Cannot read the property library %1 (the file is empty)</translation>
    </message>
    <message>
        <source>无法读取物性库文件：%1（记录多于 %2 条，文件已损坏）</source>
        <translation>Cannot read the property library %1 (more than %2 records: the file is damaged)</translation>
    </message>
    <message>
        <source>记录 %1 无法保存：%2</source>
        <translation>Record %1 cannot be saved: %2</translation>
    </message>
    <message>
        <source>无法保存物性库文件：%1（%2）</source>
        <translation>Cannot save the property library %1 (%2)</translation>
    </message>
    <message>
        <source>物性参数过多：最多 %1 个数（含 p 和 t）</source>
        <translation>Too many property parameters: %1 numbers at most (p and t included)</translation>
    </message>
    <message>
        <source>“%1”的公式无法计算（错误 %2：%3）：%4</source>
        <translation>The formula of “%1” cannot be evaluated (error %2: %3): %4</translation>
    </message>
    <message>
        <source>物性文本中的函数名请用小写（如 sqrt、exp、ln），大写字母 T、P、R、M、B 和小写 w 会被替换。</source>
        <translation>Write function names in property texts in lower case (sqrt, exp, ln): the capitals T, P, R, M, B and the lower-case w are replaced.</translation>
    </message>
    <message>
        <source>物性表格的数据点超过 %1 个</source>
        <translation>The property table has more than %1 points</translation>
    </message>
    <message>
        <source>“%1”没有状态方程算法（%2）：状态方程只计算密度、粘度和导热系数，VRV 只计算密度。</source>
        <translation>“%1” has no equation-of-state method (%2): an equation of state gives only density, viscosity and thermal conductivity; VRV gives only density.</translation>
    </message>
    <message>
        <source>“%1”的状态方程（%2）在此温度和压力下无解，请检查临界参数和状态（液体/气体）。</source>
        <translation>The equation of state of “%1” (%2) has no solution at this temperature and pressure; check the critical constants and the state (liquid/gas).</translation>
    </message>
</context>
<context>
    <name>Props</name>
    <message>
        <source>流水号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>中文名</source>
        <translation>Chinese name</translation>
    </message>
    <message>
        <source>英文名</source>
        <translation>English name</translation>
    </message>
    <message>
        <source>比热</source>
        <translation>Specific heat</translation>
    </message>
    <message>
        <source>密度</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>黏度</source>
        <translation>Viscosity</translation>
    </message>
    <message>
        <source>导热系数</source>
        <translation>Thermal conductivity</translation>
    </message>
    <message>
        <source>表面张力</source>
        <translation>Surface tension</translation>
    </message>
    <message>
        <source>蒸发潜热</source>
        <translation>Latent heat of vaporisation</translation>
    </message>
    <message>
        <source>注释</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>没有指定物性库文件</source>
        <translation>No property library file is set</translation>
    </message>
    <message>
        <source>简易物性数据库</source>
        <translation>Property Library</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>温度</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>压力</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>%1（%2）超过 %3 个字符</source>
        <translation>%1 (%2) is longer than %3 characters</translation>
    </message>
    <message>
        <source>下列函数或常量名中的大写字母 T、P、R、M、B 或 w 会被替换成温度、压力或参数，公式将算错；请改用小写（如 sqrt、exp、pi）：
</source>
        <translation>In the function or constant names below, the capitals T, P, R, M, B or the w are replaced by temperature, pressure or parameters and the formula goes wrong; write them in lower case (sqrt, exp, pi):
</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>标准方法 低翅片</source>
        <translation>Standard method, low fins</translation>
    </message>
    <message>
        <source>标准方法 高翅片</source>
        <translation>Standard method, high fins</translation>
    </message>
    <message>
        <source>标准方法 光管顺排</source>
        <translation>Standard method, bare tubes in line</translation>
    </message>
    <message>
        <source>标准方法 光管叉排</source>
        <translation>Standard method, bare tubes staggered</translation>
    </message>
    <message>
        <source>标准方法 翅片效率</source>
        <translation>Standard method, fin efficiency</translation>
    </message>
    <message>
        <source>标准方法 翅片管压降</source>
        <translation>Standard method, finned-tube pressure drop</translation>
    </message>
    <message>
        <source>标准方法 光管压降</source>
        <translation>Standard method, bare-tube pressure drop</translation>
    </message>
    <message>
        <source>标准方法 管内单相</source>
        <translation>Standard method, single phase in tubes</translation>
    </message>
    <message>
        <source>标准方法 管内冷凝</source>
        <translation>Standard method, condensation in tubes</translation>
    </message>
    <message>
        <source>标准方法 温差校正</source>
        <translation>Standard method, LMTD correction</translation>
    </message>
    <message>
        <source>Briggs &amp; Young (1963) 高翅片</source>
        <translation>Briggs &amp; Young (1963), high fins</translation>
    </message>
    <message>
        <source>Briggs &amp; Young (1963) 低翅片</source>
        <translation>Briggs &amp; Young (1963), low fins</translation>
    </message>
    <message>
        <source>环形翅片 Bessel 精确解 (Kern &amp; Kraus 1972)</source>
        <translation>Annular fin, exact Bessel solution (Kern &amp; Kraus 1972)</translation>
    </message>
    <message>
        <source>Zukauskas (1972) 管束传热</source>
        <translation>Zukauskas (1972), tube bank heat transfer</translation>
    </message>
    <message>
        <source>Zukauskas (1987) 管束压降</source>
        <translation>Zukauskas (1987), tube bank pressure drop</translation>
    </message>
    <message>
        <source>Gnielinski (1976) 紊流</source>
        <translation>Gnielinski (1976), turbulent</translation>
    </message>
    <message>
        <source>Gnielinski (VDI Heat Atlas G1) 过渡区</source>
        <translation>Gnielinski (VDI Heat Atlas G1), transition</translation>
    </message>
    <message>
        <source>Hausen 层流入口段</source>
        <translation>Hausen, laminar entrance</translation>
    </message>
    <message>
        <source>Shah (1979) 管内冷凝</source>
        <translation>Shah (1979), condensation in tubes</translation>
    </message>
    <message>
        <source>逐排交叉逆流模型</source>
        <translation>Row-by-row cross-counterflow model</translation>
    </message>
    <message>
        <source>台</source>
        <translation>units</translation>
    </message>
    <message>
        <source>膜系数关联式</source>
        <translation>Film coefficient correlation</translation>
    </message>
    <message>
        <source>翅片效率</source>
        <translation>Fin efficiency</translation>
    </message>
    <message>
        <source>压力降关联式</source>
        <translation>Pressure drop correlation</translation>
    </message>
    <message>
        <source>温差校正</source>
        <translation>LMTD correction</translation>
    </message>
    <message>
        <source>[超出适用范围]</source>
        <translation>[outside its range]</translation>
    </message>
    <message>
        <source>      注意：部分结果来自先前的计算（最近一次计算未能完成），请核对输入后重新计算！</source>
        <translation>      Note: some results come from an earlier calculation (the last one did not finish); check the input and calculate again!</translation>
    </message>
    <message>
        <source>(不足)</source>
        <translation>(short)</translation>
    </message>
    <message>
        <source>计算报告</source>
        <translation>Calculation Report</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>未命名</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>热量平衡</source>
        <translation>Heat balance</translation>
    </message>
    <message>
        <source>壳程传热</source>
        <translation>Shell-Side Heat Transfer</translation>
    </message>
    <message>
        <source>管程传热</source>
        <translation>Tube-Side Heat Transfer</translation>
    </message>
    <message>
        <source>温差、传热系数与面积</source>
        <translation>Temperature difference, heat transfer coefficient and area</translation>
    </message>
    <message>
        <source>箱体及布管</source>
        <translation>Casing and tube layout</translation>
    </message>
    <message>
        <source>管口</source>
        <translation>Nozzles</translation>
    </message>
    <message>
        <source>壳程雷诺数</source>
        <translation>Shell-side Reynolds number</translation>
    </message>
    <message>
        <source>壳程普朗特数</source>
        <translation>Shell-side Prandtl number</translation>
    </message>
    <message>
        <source>管程雷诺数</source>
        <translation>Tube-side Reynolds number</translation>
    </message>
    <message>
        <source>管程普朗特数</source>
        <translation>Tube-side Prandtl number</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>代号</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>State</translation>
    </message>
    <message>
        <source>1  输入数据</source>
        <translation>1  Input data</translation>
    </message>
    <message>
        <source>数值按窗口中所选单位列出；状态“求解”表示由热量平衡求得的数值。</source>
        <translation>Values are listed in the units chosen in the window; the state “Solved” marks values solved from the heat balance.</translation>
    </message>
    <message>
        <source>2  计算结果</source>
        <translation>2  Results</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>3  计算方法：</source>
        <translation>3  Method: </translation>
    </message>
    <message>
        <source>上一次计算未得到传热系数，没有可列出的关联式。</source>
        <translation>The last calculation did not reach the heat transfer coefficients; there are no correlations to list.</translation>
    </message>
    <message>
        <source>关联式</source>
        <translation>Correlation</translation>
    </message>
    <message>
        <source>公式</source>
        <translation>Formula</translation>
    </message>
    <message>
        <source>输入值</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>适用范围</source>
        <translation>Range of validity</translation>
    </message>
    <message>
        <source>超出适用范围</source>
        <translation>outside its range</translation>
    </message>
    <message>
        <source>4  设计校核</source>
        <translation>4  Design check</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>限值</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>实际值</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>结论</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>5  警告与提示</source>
        <translation>5  Warnings and notes</translation>
    </message>
    <message>
        <source>设计校核不合格</source>
        <translation>Design check failed</translation>
    </message>
    <message>
        <source>实际</source>
        <translation>actual</translation>
    </message>
    <message>
        <source>无。</source>
        <translation>None.</translation>
    </message>
    <message>
        <source>6  布管图</source>
        <translation>6  Tube layout</translation>
    </message>
    <message>
        <source>上一次计算没有得到布管图。</source>
        <translation>The last calculation gave no tube layout.</translation>
    </message>
    <message>
        <source>7  注释</source>
        <translation>7  Comments</translation>
    </message>
    <message>
        <source>壳程注释</source>
        <translation>Shell-side comments</translation>
    </message>
    <message>
        <source>管程注释</source>
        <translation>Tube-side comments</translation>
    </message>
    <message>
        <source>（无）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>壳程膜系数</source>
        <translation>Shell-side film coefficient</translation>
    </message>
    <message>
        <source>翅片效率</source>
        <translation>Fin efficiency</translation>
    </message>
    <message>
        <source>壳程压力降</source>
        <translation>Shell-side pressure drop</translation>
    </message>
    <message>
        <source>管内膜系数</source>
        <translation>Tube-side film coefficient</translation>
    </message>
    <message>
        <source>温差校正系数</source>
        <translation>LMTD correction factor</translation>
    </message>
    <message>
        <source>计算书</source>
        <translation>Calculation Sheet</translation>
    </message>
    <message>
        <source>壳程翅片膜系数 kf</source>
        <translation>Shell-side fin film coefficient kf</translation>
    </message>
    <message>
        <source>低翅片管束换热关联式</source>
        <translation>Low-fin tube bank heat transfer correlation</translation>
    </message>
    <message>
        <source>翅片外径与管外径之比 D/do &lt; 1.7 时选用</source>
        <translation>Used when the ratio of fin to tube outside diameter D/do &lt; 1.7</translation>
    </message>
    <message>
        <source>高翅片管束换热关联式</source>
        <translation>High-fin tube bank heat transfer correlation</translation>
    </message>
    <message>
        <source>翅片外径与管外径之比 D/do ≥ 1.7 时选用</source>
        <translation>Used when the ratio of fin to tube outside diameter D/do ≥ 1.7</translation>
    </message>
    <message>
        <source>光管管束换热关联式</source>
        <translation>Bare tube bank heat transfer correlation</translation>
    </message>
    <message>
        <source>C、n 按顺排或叉排及管列数取值，ε 为管间距修正</source>
        <translation>C and n by in-line or staggered arrangement and number of rows; ε corrects for the pitch</translation>
    </message>
    <message>
        <source>；排管方式系数：正三角形 1，三角形转角30° 0.8，正方形 0.5，正方形转角45° 2/3</source>
        <translation>; arrangement factor: triangular 1, triangular rotated 30° 0.8, square 0.5, square rotated 45° 2/3</translation>
    </message>
    <message>
        <source>翅片效率 η</source>
        <translation>Fin efficiency η</translation>
    </message>
    <message>
        <source>翅片效率经验式</source>
        <translation>Empirical fin efficiency</translation>
    </message>
    <message>
        <source>基管膜系数 as</source>
        <translation>Bare-tube film coefficient as</translation>
    </message>
    <message>
        <source>翅片管当量膜系数</source>
        <translation>Equivalent film coefficient of the finned tube</translation>
    </message>
    <message>
        <source>Ab、Af 为每米管长的基管外露面积和翅片面积</source>
        <translation>Ab and Af are the exposed bare-tube area and the fin area per metre of tube</translation>
    </message>
    <message>
        <source>翅化比</source>
        <translation>Fin area ratio</translation>
    </message>
    <message>
        <source>壳程压力降 ΔPs</source>
        <translation>Shell-side pressure drop ΔPs</translation>
    </message>
    <message>
        <source>翅片管束压降关联式</source>
        <translation>Finned tube bank pressure drop correlation</translation>
    </message>
    <message>
        <source>光管管束压降关联式</source>
        <translation>Bare tube bank pressure drop correlation</translation>
    </message>
    <message>
        <source>φ 液体 1.15、气体 1；结果含壳程管口压力降</source>
        <translation>φ 1.15 for liquids, 1 for gases; the result includes the shell-side nozzle pressure drop</translation>
    </message>
    <message>
        <source>管内膜系数 at</source>
        <translation>Tube-side film coefficient at</translation>
    </message>
    <message>
        <source>Akers–Deans–Crosser 当量雷诺数关联式</source>
        <translation>Akers–Deans–Crosser equivalent Reynolds number correlation</translation>
    </message>
    <message>
        <source>Reeq &gt; 5×10^5: at = 0.0265·(λ/di)·Re^0.8·Pr^(1/3)；否则 at = 5.03·(λ/di)·Re^(1/3)·Pr^(1/3)</source>
        <translation>Reeq &gt; 5×10^5: at = 0.0265·(λ/di)·Re^0.8·Pr^(1/3); otherwise at = 5.03·(λ/di)·Re^(1/3)·Pr^(1/3)</translation>
    </message>
    <message>
        <source>Re 为蒸汽雷诺数；不凝气体修正 0.8047·exp(−107.668·La/(1−La)) + 0.1758</source>
        <translation>Re is the vapour Reynolds number; non-condensables correction 0.8047·exp(−107.668·La/(1−La)) + 0.1758</translation>
    </message>
    <message>
        <source>Sieder–Tate 层流关联式</source>
        <translation>Sieder–Tate laminar correlation</translation>
    </message>
    <message>
        <source>ψ 被冷却 0.95、被加热 1.05</source>
        <translation>ψ 0.95 when cooled, 1.05 when heated</translation>
    </message>
    <message>
        <source>Sieder–Tate 关联式（高粘度液体）</source>
        <translation>Sieder–Tate correlation (viscous liquids)</translation>
    </message>
    <message>
        <source>Dittus–Boelter 关联式</source>
        <translation>Dittus–Boelter correlation</translation>
    </message>
    <message>
        <source>，过渡区修正</source>
        <translation>, transition correction</translation>
    </message>
    <message>
        <source>管内摩擦系数 f</source>
        <translation>Tube friction factor f</translation>
    </message>
    <message>
        <source>层流摩擦系数</source>
        <translation>Laminar friction factor</translation>
    </message>
    <message>
        <source>Colebrook 摩擦系数</source>
        <translation>Colebrook friction factor</translation>
    </message>
    <message>
        <source>管程压力降 ΔPt</source>
        <translation>Tube-side pressure drop ΔPt</translation>
    </message>
    <message>
        <source>直管摩擦及回弯损失</source>
        <translation>Straight-tube friction and return losses</translation>
    </message>
    <message>
        <source>Ft 管外径 &lt; 25 mm 取 1.5，否则 1.4；结果含管程管口压力降</source>
        <translation>Ft 1.5 for tube outside diameters &lt; 25 mm, else 1.4; the result includes the tube-side nozzle pressure drop</translation>
    </message>
    <message>
        <source>平均温度差 ΔTm</source>
        <translation>Mean temperature difference ΔTm</translation>
    </message>
    <message>
        <source>对数平均温差及温差校正系数</source>
        <translation>Logarithmic mean temperature difference and correction factor</translation>
    </message>
    <message>
        <source>F 按串联台数和管程数由 R、P 求得</source>
        <translation>F from R and P by units in series and tube passes</translation>
    </message>
    <message>
        <source>总传热系数 K</source>
        <translation>Overall heat transfer coefficient K</translation>
    </message>
    <message>
        <source>以基管外表面为基准的串联热阻</source>
        <translation>Resistances in series, referred to the bare outside tube area</translation>
    </message>
    <message>
        <source>管口内径 d、管口流速 u</source>
        <translation>Nozzle inside diameter d, nozzle velocity u</translation>
    </message>
    <message>
        <source>管口压力降为 1.5 倍速度头</source>
        <translation>Nozzle pressure drop of 1.5 velocity heads</translation>
    </message>
    <message>
        <source>管口内径取整到毫米，不小于 6 mm</source>
        <translation>Nozzle diameter rounded to the millimetre, at least 6 mm</translation>
    </message>
    <message>
        <source>ΔP壳</source>
        <translation>ΔPshell</translation>
    </message>
    <message>
        <source>ΔP管</source>
        <translation>ΔPtube</translation>
    </message>
    <message>
        <source>（本例 </source>
        <translation> (this case </translation>
    </message>
    <message>
        <source>，超出</source>
        <translation>, outside</translation>
    </message>
    <message>
        <source>箱式换热器热力计算书</source>
        <translation>Box-Type Heat Exchanger Calculation Sheet</translation>
    </message>
    <message>
        <source>第 %1 页 共 %2 页</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>项目：</source>
        <translation>Project: </translation>
    </message>
    <message>
        <source>文件：</source>
        <translation>File: </translation>
    </message>
    <message>
        <source>（未保存）</source>
        <translation>(not saved)</translation>
    </message>
    <message>
        <source>日期：</source>
        <translation>Date: </translation>
    </message>
    <message>
        <source>程序：</source>
        <translation>Program: </translation>
    </message>
    <message>
        <source>计算方法：</source>
        <translation>Method: </translation>
    </message>
    <message>
        <source>比例 1:</source>
        <translation>Scale 1:</translation>
    </message>
    <message>
        <source>（A4 打印）</source>
        <translation> (A4 print)</translation>
    </message>
    <message>
        <source>壳体截面，管子按翅片外径绘出</source>
        <translation>Casing section, tubes drawn at the fin outside diameter</translation>
    </message>
    <message>
        <source>部分结果来自先前的计算（最近一次计算未能完成），标为“过期”，请核对输入后重新计算。</source>
        <translation>Some results come from an earlier calculation (the latest calculation could not finish) and are marked “stale”; check the input and calculate again.</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>根</source>
        <translation>tubes</translation>
    </message>
    <message>
        <source>列</source>
        <translation>rows</translation>
    </message>
    <message>
        <source>段</source>
        <translation>segments</translation>
    </message>
    <message>
        <source>无因次</source>
        <translation>dimensionless</translation>
    </message>
    <message>
        <source>kg水/kg干空气</source>
        <translation>kg water/kg dry air</translation>
    </message>
</context>
</TS>
