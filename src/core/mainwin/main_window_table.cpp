#include "core/mainwin/main_window_table.h"

#include <unordered_map>

#include "core/fields/colors.h"
#include "core/fields/i18n.h"

namespace tharvex::mainwin {

namespace {

using U = UnitList;
using E = Entry;
using R = Role;

// Shorthands for the rows below.
ControlDef Q(std::string_view base, std::string_view caption, std::string_view parent, UnitList units,
             std::string_view text, Role role, unsigned flags = 0, int col = 0) {
  return ControlDef{.entry = E::Quantity,
                    .name = base,
                    .caption = caption,
                    .parent = parent,
                    .units = units,
                    .text = text,
                    .role = role,
                    .flags = flags,
                    .col = col};
}
ControlDef T(std::string_view base, std::string_view caption, std::string_view parent, std::string_view text, Role role,
             unsigned flags = 0, std::string_view unitLabel = {}, int col = 0) {
  return ControlDef{.entry = E::Text,
                    .name = base,
                    .caption = caption,
                    .parent = parent,
                    .text = text,
                    .role = role,
                    .flags = flags,
                    .unitLabel = unitLabel,
                    .col = col};
}
ControlDef C(std::string_view base, std::string_view caption, std::string_view parent, ItemList items,
             std::string_view text, int col = 0) {
  return ControlDef{.entry = E::Combo,
                    .name = base,
                    .caption = caption,
                    .parent = parent,
                    .text = text,
                    .role = R::In,
                    .items = items,
                    .col = col};
}
ControlDef K(std::string_view name, std::string_view caption, std::string_view parent, std::string_view hint = {},
             int col = 0) {
  return ControlDef{
      .entry = E::Check, .name = name, .caption = caption, .parent = parent, .role = R::In, .hint = hint, .col = col};
}
ControlDef G(E entry, std::string_view name, std::string_view caption, std::string_view parent, unsigned flags = 0,
             std::string_view hint = {}) {
  return ControlDef{.entry = entry, .name = name, .caption = caption, .parent = parent, .flags = flags, .hint = hint};
}
template <typename F>
ControlDef With(ControlDef d, F f) {
  f(d);
  return d;
}

constexpr unsigned Fx = Fixed;
constexpr unsigned Rs = Result;
constexpr unsigned Ds = Disabled;

std::vector<ControlDef> MakeTable() {
  std::vector<ControlDef> t;
  auto add = [&](ControlDef d) { t.push_back(d); };

  // Menus and tool bar (not recorded in project files).
  add(G(E::Menu, "MFile", THX_TR_NOOP("Controls", "&F 文件"), ""));
  add(G(E::Menu, "MFNew", THX_TR_NOOP("Controls", "&N 新建"), "MFile"));
  add(G(E::Menu, "MFOpen", THX_TR_NOOP("Controls", "&O 打开"), "MFile"));
  add(G(E::Menu, "N1", "-", "MFile", Separator));
  add(G(E::Menu, "MFSave", THX_TR_NOOP("Controls", "&S 保存"), "MFile"));
  add(G(E::Menu, "MFAs", THX_TR_NOOP("Controls", "&A 另存为"), "MFile"));
  add(G(E::Menu, "MFTemp", THX_TR_NOOP("Controls", "&T 存为模版"), "MFile"));
  add(G(E::Menu, "N2", "-", "MFile", Separator));
  add(G(E::Menu, "MFExport", THX_TR_NOOP("Controls", "&X 导出数据…"), "MFile"));
  add(G(E::Menu, "N5", "-", "MFile", Separator));
  add(G(E::Menu, "MFExit", THX_TR_NOOP("Controls", "&E 退出"), "MFile"));
  add(G(E::Menu, "MEdit", THX_TR_NOOP("Controls", "&E 编辑"), ""));
  add(G(E::Menu, "MEUndo", THX_TR_NOOP("Controls", "&U 撤销"), "MEdit"));
  add(G(E::Menu, "MERedo", THX_TR_NOOP("Controls", "&R 重做"), "MEdit"));
  add(G(E::Menu, "MRun", THX_TR_NOOP("Controls", "&R 运行"), ""));
  add(G(E::Menu, "MRCalc", THX_TR_NOOP("Controls", "&C 计算"), "MRun"));
  add(G(E::Menu, "MROpt1", THX_TR_NOOP("Controls", "&D 优化设计"), "MRun"));
  add(G(E::Menu, "MOutput", THX_TR_NOOP("Controls", "&O 输出"), ""));
  add(G(E::Menu, "MOReport", THX_TR_NOOP("Controls", "&B 报表"), "MOutput"));
  add(G(E::Menu, "MOSave", THX_TR_NOOP("Controls", "&S 保存报表"), "MOutput"));
  add(G(E::Menu, "N3", "-", "MOutput", Separator));
  add(G(E::Menu, "MOPrint", THX_TR_NOOP("Controls", "&P 打印报表"), "MOutput"));
  add(G(E::Menu, "N4", "-", "MOutput", Separator));
  add(G(E::Menu, "MOSheet", THX_TR_NOOP("Controls", "&C 导出计算书…"), "MOutput"));
  add(G(E::Menu, "MTools", THX_TR_NOOP("Controls", "&T 工具"), "", TopLevelAction));
  add(G(E::Menu, "MHelp", THX_TR_NOOP("Controls", "&H 帮助"), ""));
  add(G(E::Menu, "MHDoc", THX_TR_NOOP("Controls", "&D 帮助文档"), "MHelp"));
  add(G(E::Menu, "MHAbout", THX_TR_NOOP("Controls", "&A 关于 Tharvex"), "MHelp"));

  add(G(E::ToolButton, "tbNew", "", "ToolBar1", 0, THX_TR_NOOP("Controls", "新建")));
  add(G(E::ToolButton, "tbOpen", "", "ToolBar1", 0, THX_TR_NOOP("Controls", "打开")));
  add(G(E::ToolButton, "ToolButton1", "", "ToolBar1", Separator));
  add(G(E::ToolButton, "tbSave", "", "ToolBar1", 0, THX_TR_NOOP("Controls", "保存")));
  add(G(E::ToolButton, "tbAs", "", "ToolBar1", 0, THX_TR_NOOP("Controls", "另存为")));
  add(G(E::ToolButton, "tbTemp", "", "ToolBar1", 0, THX_TR_NOOP("Controls", "存为模版")));
  add(G(E::ToolButton, "ToolButton2", "", "ToolBar1", Separator));
  add(G(E::ToolButton, "tbExit", "", "ToolBar1", 0, THX_TR_NOOP("Controls", "退出")));
  add(G(E::ToolButton, "ToolButton3", "", "ToolBar1", Separator));
  add(G(E::ToolButton, "tbCalc", "", "ToolBar1", 0, THX_TR_NOOP("Controls", "计算")));
  add(G(E::ToolButton, "tbOpt1", "", "ToolBar1", 0, THX_TR_NOOP("Controls", "优化设计")));
  add(G(E::ToolButton, "ToolButton4", "", "ToolBar1", Separator));
  add(G(E::ToolButton, "btReport", "", "ToolBar1", 0, THX_TR_NOOP("Controls", "报表")));
  add(G(E::ToolButton, "tbSaveRep", "", "ToolBar1", 0, THX_TR_NOOP("Controls", "保存报表")));
  add(G(E::ToolButton, "tbPrint", "", "ToolBar1", 0, THX_TR_NOOP("Controls", "打印报表")));
  add(G(E::ToolButton, "ToolButton5", "", "ToolBar1", Separator));
  add(G(E::ToolButton, "ToolButton6", "", "ToolBar1", 0, THX_TR_NOOP("Controls", "清除")));
  add(G(E::ToolButton, "tbTools", "", "ToolBar1", 0, THX_TR_NOOP("Controls", "工具")));

  add(G(E::PageControl, "PageControl1", "", ""));
  add(G(E::Tab, "TabSheet1", THX_TR_NOOP("Controls", "工艺及设备参数"), "PageControl1"));

  // Shell side: properties and heat balance.
  const char* gs = "GBShellBlanace";
  add(With(G(E::Group, gs, THX_TR_NOOP("Controls", "壳程物性及热量平衡"), "TabSheet1"),
           [](ControlDef& d) { d.col = 0; }));
  add(G(E::Label, "SLState", THX_TR_NOOP("Controls", "液体物性"), gs, Hidden));
  add(With(G(E::Label, "SVState", THX_TR_NOOP("Controls", "蒸汽物性"), gs, Hidden), [](ControlDef& d) { d.col = 1; }));
  add(Q("Ws", THX_TR_NOOP("Controls", "质量流量"), gs, U::MassFlow, "", R::Bal));
  add(Q("Cps", THX_TR_NOOP("Controls", "平均比热"), gs, U::SpecificHeat, "1005", R::In, Fx));
  add(Q("Ts1", THX_TR_NOOP("Controls", "入口温度"), gs, U::Temperature, "", R::Bal));
  add(Q("Ts2", THX_TR_NOOP("Controls", "出口温度"), gs, U::Temperature, "", R::Bal));
  add(T("HTs", THX_TR_NOOP("Controls", "流体类型"), gs, "", R::Out, Rs));
  add(Q("Qs", THX_TR_NOOP("Controls", "热量"), gs, U::HeatFlow, "", R::Out, Rs));
  add(C("Phs", THX_TR_NOOP("Controls", "流体相态"), gs, ItemList::Phase, "单相气体"));
  add(Q("DHs", THX_TR_NOOP("Controls", "相变热"), gs, U::LatentHeat, "", R::None, Ds));
  add(Q("Ms", THX_TR_NOOP("Controls", "动力粘度"), gs, U::Viscosity, "2.01E-5", R::In, Fx));
  add(Q("Lds", THX_TR_NOOP("Controls", "导热系数"), gs, U::Conductivity, "0.029", R::In, Fx));
  add(Q("Dens", THX_TR_NOOP("Controls", "密度"), gs, U::Density, "1.06", R::In, Fx));
  add(G(E::SpeedButton, "SBP1", "", gs, 0, THX_TR_NOOP("Controls", "从物性数据库取壳程物性")));
  add(Q("Densv", THX_TR_NOOP("Controls", "蒸汽密度"), gs, U::Density, "", R::None, Ds, 1));
  add(Q("Sigs", THX_TR_NOOP("Controls", "表面张力"), gs, U::SurfaceTension, "", R::None, FaceReadOnly, 1));
  add(T("Las", THX_TR_NOOP("Controls", "不凝气体"), gs, "0.00", R::None, Ds, "%", 1));
  add(Q("Cpsv", THX_TR_NOOP("Controls", "蒸汽比热"), gs, U::SpecificHeat, "", R::None, Ds, 1));
  add(Q("Msv", THX_TR_NOOP("Controls", "蒸汽粘度"), gs, U::Viscosity, "", R::None, Ds, 1));
  add(With(G(E::SpeedButton, "SBP2", "", gs, 0, THX_TR_NOOP("Controls", "从物性数据库取壳程蒸汽物性")),
           [](ControlDef& d) { d.col = 1; }));
  add(K("CBWater", THX_TR_NOOP("Controls", "湿工况(仅对空气)"), gs, {}, 1));
  add(T("rh1", THX_TR_NOOP("Controls", "相对湿度"), gs, "50", R::In, 0, "%", 1));
  add(Q("Pw", THX_TR_NOOP("Controls", "操作压力"), gs, U::Pressure, "100000", R::In, Ds, 1));
  add(With(Q("Qe", THX_TR_NOOP("Controls", "壳程热损"), gs, U::HeatFlow, "", R::Out, Rs, 1),
           [](ControlDef& d) { d.myLabel = "QsL"; }));
  add(With(Q("Ta", THX_TR_NOOP("Controls", "环境温度"), gs, U::Temperature, "20", R::In, 0, 1),
           [](ControlDef& d) { d.unitName = "Tau"; }));
  add(ControlDef{.entry = E::Rich,
                 .name = "Cmts",
                 .caption = THX_TR_NOOP("Controls", "注释"),
                 .parent = gs,
                 .role = R::In,
                 .col = 1});

  // Tube side: properties and heat balance.
  const char* gt = "GBTubeBlanace";
  add(G(E::Group, gt, THX_TR_NOOP("Controls", "管程物性及热量平衡"), "TabSheet1"));
  add(G(E::Label, "TLState", THX_TR_NOOP("Controls", "液体物性"), gt, Hidden));
  add(With(G(E::Label, "TVState", THX_TR_NOOP("Controls", "蒸汽物性"), gt, Hidden), [](ControlDef& d) { d.col = 1; }));
  add(Q("Wt", THX_TR_NOOP("Controls", "质量流量"), gt, U::MassFlow, "", R::Bal));
  add(Q("Cpt", THX_TR_NOOP("Controls", "平均比热"), gt, U::SpecificHeat, "4200", R::In, Fx));
  add(Q("Tt1", THX_TR_NOOP("Controls", "入口温度"), gt, U::Temperature, "", R::Bal));
  add(Q("Tt2", THX_TR_NOOP("Controls", "出口温度"), gt, U::Temperature, "", R::Bal));
  add(T("HTt", THX_TR_NOOP("Controls", "流体类型"), gt, "", R::Out, Rs));
  add(Q("Qt", THX_TR_NOOP("Controls", "热量"), gt, U::HeatFlow, "", R::Out, Rs));
  add(C("Pht", THX_TR_NOOP("Controls", "流体相态"), gt, ItemList::Phase, "单相液体"));
  add(Q("Mt", THX_TR_NOOP("Controls", "动力粘度"), gt, U::Viscosity, "0.0008", R::In, Fx));
  add(Q("Ldt", THX_TR_NOOP("Controls", "导热系数"), gt, U::Conductivity, "0.55", R::In, Fx));
  add(Q("Dent", THX_TR_NOOP("Controls", "密度"), gt, U::Density, "1000", R::In, Fx));
  add(Q("Sigt", THX_TR_NOOP("Controls", "表面张力"), gt, U::SurfaceTension, "", R::None, FaceReadOnly, 1));
  add(G(E::SpeedButton, "SBP3", "", gt, 0, THX_TR_NOOP("Controls", "从物性数据库取管程物性")));
  add(With(Q("DHt", THX_TR_NOOP("Controls", "相变热"), gt, U::LatentHeat, "", R::Bal, Ds, 1),
           [](ControlDef& d) { d.unitName = "DhtU"; }));
  add(T("Lat", THX_TR_NOOP("Controls", "不凝气体"), gt, "0.00", R::In, Ds, "%", 1));
  add(Q("Dentv", THX_TR_NOOP("Controls", "蒸汽密度"), gt, U::Density, "", R::In, Ds, 1));
  add(Q("Cptv", THX_TR_NOOP("Controls", "蒸汽比热"), gt, U::SpecificHeat, "", R::None, Ds, 1));
  add(Q("Mtv", THX_TR_NOOP("Controls", "蒸汽粘度"), gt, U::Viscosity, "", R::In, Ds, 1));
  add(With(G(E::SpeedButton, "SBP4", "", gt, Disabled, THX_TR_NOOP("Controls", "从物性数据库取管程蒸汽物性")),
           [](ControlDef& d) { d.col = 1; }));
  add(T("Xt1", THX_TR_NOOP("Controls", "入口蒸汽干度"), gt, "1.0", R::In, Ds, {}, 1));
  add(T("Xt2", THX_TR_NOOP("Controls", "出口蒸汽干度"), gt, "0.0", R::In, Ds, {}, 1));
  add(ControlDef{.entry = E::Rich,
                 .name = "Cmtt",
                 .caption = THX_TR_NOOP("Controls", "注释"),
                 .parent = gt,
                 .role = R::In,
                 .col = 1});

  // Fins.
  const char* gf = "GBFinStru";
  add(With(G(E::Group, gf, THX_TR_NOOP("Controls", "翅片几何"), "TabSheet1"), [](ControlDef& d) { d.col = 2; }));
  add(Q("hf", THX_TR_NOOP("Controls", "翅片高度"), gf, U::Length, "0.016", R::In, Fx));
  add(With(Q("Pf", THX_TR_NOOP("Controls", "翅片间隙"), gf, U::Length, "0.006", R::In, Fx), [](ControlDef& d) {
    d.hint = THX_TR_NOOP("Controls",
                         "翅片间隙：工程方法按两片翅片之间的净间隙读取（节距 = 间隙 + "
                         "翅片厚度）；标准方法按翅片节距读取（每米 1/间隙 片）");
  }));
  add(Q("Tf", THX_TR_NOOP("Controls", "翅片厚度"), gf, U::Length, "0.001", R::In, Fx));
  add(C("Fm", THX_TR_NOOP("Controls", "翅片材质"), gf, ItemList::Material, ""));
  add(T("bta", THX_TR_NOOP("Controls", "翅化比"), gf, "", R::Out, Rs));
  add(T("yta", THX_TR_NOOP("Controls", "翅片效率"), gf, "", R::Out, Rs));
  add(K("CBTType", THX_TR_NOOP("Controls", "无翅片"), gf));

  // Tube geometry.
  const char* gb = "GBBaseStru";
  add(With(G(E::Group, gb, THX_TR_NOOP("Controls", "管程几何"), "TabSheet1"), [](ControlDef& d) { d.col = 2; }));
  add(With(Q("do", THX_TR_NOOP("Controls", "管外径"), gb, U::Length, "0.038", R::In, Fx),
           [](ControlDef& d) { d.valueName = "dod"; }));
  add(With(Q("di", THX_TR_NOOP("Controls", "管内径"), gb, U::Length, "0.035", R::In, Fx),
           [](ControlDef& d) { d.unitName = "DdiU"; }));
  add(With(Q("Pt", THX_TR_NOOP("Controls", "管间距"), gb, U::Length, "0.092", R::In, Fx),
           [](ControlDef& d) { d.unitName = "ComboBoxU3"; }));
  add(C("Tm", THX_TR_NOOP("Controls", "基管材质"), gb, ItemList::Material, ""));
  add(With(C("Pn", THX_TR_NOOP("Controls", "管程数"), gb, ItemList::Passes, "1"),
           [](ControlDef& d) { d.unitLabel = THX_TR_NOOP("Controls", "程"); }));
  add(Q("Nt", THX_TR_NOOP("Controls", "总管数"), gb, U::TubeCount, "", R::Out, Rs));

  // Casing.
  const char* gx = "GBBoxStru";
  add(With(G(E::Group, gx, THX_TR_NOOP("Controls", "箱体几何"), "TabSheet1"), [](ControlDef& d) { d.col = 3; }));
  add(Q("Hbx", THX_TR_NOOP("Controls", "高度H"), gx, U::Length, "", R::Mode, Rs));
  add(Q("Wbx", THX_TR_NOOP("Controls", "宽度W"), gx, U::Length, "", R::Out, Rs));
  add(Q("Ls", THX_TR_NOOP("Controls", "长度L"), gx, U::Length, "2", R::Mode, Rs));
  add(With(Q("Sh1", THX_TR_NOOP("Controls", "上下间隙"), gx, U::Length, "0.035", R::In, Fx),
           [](ControlDef& d) { d.unitName = "SSh1U"; }));
  add(Q("Sw", THX_TR_NOOP("Controls", "左右间隙"), gx, U::Length, "0.035", R::In, Fx));
  add(Q("Nh", THX_TR_NOOP("Controls", "迎风面管数"), gx, U::TubeCount, "", R::Mode, Rs));
  add(Q("Nw", THX_TR_NOOP("Controls", "管列数"), gx, U::ColumnCount, "", R::Mode, Rs));
  add(Q("afa", THX_TR_NOOP("Controls", "迎风面积"), gx, U::FaceArea, "", R::Out, Rs));
  add(With(C("TubArr", THX_TR_NOOP("Controls", "排管方式"), gx, ItemList::Arrangement, "正三角形", 1),
           [](ControlDef& d) {
             d.valueName = "CBTubArr";
             d.labelName = "TatL";
           }));
  add(K("CBRoate", THX_TR_NOOP("Controls", "转角30°"), gx,
        THX_TR_NOOP("Controls", "顺排：正方形，三角形转角30°；叉排：正方形转角45°，正三角形"), 1));
  add(T("khw", THX_TR_NOOP("Controls", "高宽比(H/W)"), gx, "1.6", R::In, 0, {}, 1));
  add(T("Bay", THX_TR_NOOP("Controls", "串联台数"), gx, "1", R::In, 0, {}, 1));
  add(Q("Sb", THX_TR_NOOP("Controls", "壳壁厚度"), gx, U::Length, "0.01", R::In, Fx, 1));
  add(C("Sm", THX_TR_NOOP("Controls", "壳材质"), gx, ItemList::Material, "", 1));
  add(Q("Pb", THX_TR_NOOP("Controls", "保温层厚"), gx, U::Length, "0.01", R::In, Fx, 1));
  add(C("Pm", THX_TR_NOOP("Controls", "保温材质"), gx, ItemList::Insulation, "", 1));

  // Shell-side heat transfer.
  const char* gr = "GBBoxRes";
  add(With(G(E::Group, gr, THX_TR_NOOP("Controls", "壳程传热"), "TabSheet1"), [](ControlDef& d) { d.col = 3; }));
  add(Q("as", THX_TR_NOOP("Controls", "基管膜系数"), gr, U::Coefficient, "", R::Out, Rs));
  add(Q("af", THX_TR_NOOP("Controls", "翅片膜系数"), gr, U::Coefficient, "", R::Out, Rs));
  add(With(Q("Dps", THX_TR_NOOP("Controls", "壳程压力降"), gr, U::Pressure, "", R::Out, Rs),
           [](ControlDef& d) { d.labelName = "DPsL"; }));
  add(Q("Uemp", THX_TR_NOOP("Controls", "迎风速度"), gr, U::Velocity, "", R::Out, Rs));
  add(Q("Umax", THX_TR_NOOP("Controls", "管缝隙速度"), gr, U::Velocity, "", R::Out, Rs));
  add(Q("Rs", THX_TR_NOOP("Controls", "壳程污垢"), gr, U::Fouling, "0.00017", R::In, Fx));

  // Tube-side heat transfer.
  const char* gu = "GBTubeRes";
  add(With(G(E::Group, gu, THX_TR_NOOP("Controls", "管程传热"), "TabSheet1"), [](ControlDef& d) { d.col = 4; }));
  add(Q("at", THX_TR_NOOP("Controls", "管内膜系数"), gu, U::Coefficient, "", R::Out, Rs));
  add(Q("Dpt", THX_TR_NOOP("Controls", "管程压力降"), gu, U::Pressure, "", R::Out, Rs));
  add(Q("Ut", THX_TR_NOOP("Controls", "实际线速度"), gu, U::Velocity, "", R::Out, Rs));
  add(Q("Utm", THX_TR_NOOP("Controls", "参考线速度"), gu, U::Velocity, "0.5", R::In, Fx));
  add(Q("Rt", THX_TR_NOOP("Controls", "管程污垢"), gu, U::Fouling, "0.00017", R::In, Fx));

  // Main results.
  const char* gm = "GBShare";
  add(With(G(E::Group, gm, THX_TR_NOOP("Controls", "主要结果"), "TabSheet1"), [](ControlDef& d) { d.col = 3; }));
  add(Q("Qa", THX_TR_NOOP("Controls", "传递热量"), gm, U::HeatFlow, "", R::Out, Rs));
  add(Q("Adt", THX_TR_NOOP("Controls", "平均温度差"), gm, U::Temperature, "", R::Out, Rs));
  add(T("Cdt", THX_TR_NOOP("Controls", "温差校正"), gm, "", R::Out, Rs));
  add(Q("Ac", THX_TR_NOOP("Controls", "理论面积"), gm, U::Area, "", R::Out, Rs));
  add(Q("Ar", THX_TR_NOOP("Controls", "实际面积"), gm, U::Area, "", R::Out, Rs, 1));
  add(T("Cs", THX_TR_NOOP("Controls", "实际富余度"), gm, "", R::Out, Rs, "%", 1));
  add(Q("Ka", THX_TR_NOOP("Controls", "总传热系数"), gm, U::Coefficient, "", R::Out, Rs, 1));
  add(Q("Awr", THX_TR_NOOP("Controls", "实际翅片面积"), gm, U::Area, "", R::Out, Rs, 1));

  // Design rules.
  const char* gg = "GBGeneral";
  add(With(G(E::Group, gg, THX_TR_NOOP("Controls", "设计规定"), "TabSheet1"), [](ControlDef& d) { d.col = 3; }));
  add(T("Csr", THX_TR_NOOP("Controls", "富余度≥"), gg, "10", R::In, 0, "%"));
  add(Q("Lsm", THX_TR_NOOP("Controls", "单程管长≤"), gg, U::Length, "15", R::In));
  add(C("CalType", THX_TR_NOOP("Controls", "计算类型"), gg, ItemList::CalcType, "设计型", 1));
  add(Q("Us2", THX_TR_NOOP("Controls", "迎风速度≤"), gg, U::Velocity, "3.5", R::In));
  add(Q("Ut2", THX_TR_NOOP("Controls", "管程速度≤"), gg, U::Velocity, "1.5", R::In, 0, 1));
  add(C("OM", THX_TR_NOOP("Controls", "优化类型"), gg, ItemList::OptType, "最快", 1));
  add(Q("Ut1", THX_TR_NOOP("Controls", "管程速度≥"), gg, U::Velocity, "", R::In, Later));
  add(With(C("Method", THX_TR_NOOP("Controls", "计算方法"), gg, ItemList::Method, "标准方法", 1),
           [](ControlDef& d) { d.flags = Later; }));

  // Nozzles.
  const char* gn = "GBEnters";
  add(With(G(E::Group, gn, THX_TR_NOOP("Controls", "管口计算"), "TabSheet1"), [](ControlDef& d) { d.col = 2; }));
  add(G(E::Label, "Label1", THX_TR_NOOP("Controls", "壳程"), gn));
  add(Q("DppS", THX_TR_NOOP("Controls", "管口压力降"), gn, U::Pressure, "500", R::Noz));
  add(Q("UpS", THX_TR_NOOP("Controls", "管口流速"), gn, U::Velocity, "", R::Noz));
  add(Q("dipS", THX_TR_NOOP("Controls", "管口内径"), gn, U::NozzleLength, "", R::Noz));
  add(G(E::Label, "Label2", THX_TR_NOOP("Controls", "管程"), gn));
  add(With(Q("DppT", THX_TR_NOOP("Controls", "管口压力降"), gn, U::Pressure, "500", R::Noz), [](ControlDef& d) {
    d.unitName = "DpptU";
    d.labelName = "DpptL";
  }));
  add(Q("UpT", THX_TR_NOOP("Controls", "管口流速"), gn, U::Velocity, "", R::Noz));
  add(Q("DipT", THX_TR_NOOP("Controls", "管口内径"), gn, U::NozzleLength, "", R::Noz));

  add(ControlDef{.entry = E::Memo, .name = "MemoMessage", .caption = "", .parent = "TabSheet1", .col = 0});

  add(G(E::Tab, "TabSheet2", THX_TR_NOOP("Controls", "布管图"), "PageControl1"));
  add(G(E::PaintBox, "PaintBox1", "", "TabSheet2"));
  add(G(E::Tab, "TabSheetReport", THX_TR_NOOP("Controls", "报表"), "PageControl1"));
  add(ControlDef{
      .entry = E::Rich, .name = "ReReport", .caption = "", .parent = "TabSheetReport", .valueName = "ReReport"});

  // Tools.
  add(G(E::Tab, "TabTools", THX_TR_NOOP("Controls", "工具"), "PageControl1"));
  const char* gh = "GBHW";
  add(G(E::Group, gh, THX_TR_NOOP("Controls", "空气饱和湿度/露点计算"), "TabTools"));
  add(Q("P", THX_TR_NOOP("Controls", "总气压"), gh, U::Pressure, "100000", R::In, Fx));
  add(Q("yw", THX_TR_NOOP("Controls", "水分质量分率"), gh, U::Dimensionless, "", R::In));
  add(Q("t", THX_TR_NOOP("Controls", "露点温度"), gh, U::Temperature, "", R::In));
  add(Q("H", THX_TR_NOOP("Controls", "绝对湿度"), gh, U::Humidity, "", R::In));
  const char* g1 = "GroupBox1";
  add(With(G(E::Group, g1, THX_TR_NOOP("Controls", "空气湿度/温度计算"), "TabTools"),
           [](ControlDef& d) { d.col = 1; }));
  add(With(Q("Pa", THX_TR_NOOP("Controls", "总气压"), g1, U::Pressure, "100000", R::In, Fx),
           [](ControlDef& d) { d.unitName = "Pau"; }));
  add(Q("tr", THX_TR_NOOP("Controls", "空气温度"), g1, U::Temperature, "", R::In));
  add(Q("Ha", THX_TR_NOOP("Controls", "绝对湿度"), g1, U::Humidity, "", R::In));
  add(Q("Hr", THX_TR_NOOP("Controls", "相对湿度"), g1, U::Percent, "", R::In));
  add(Q("ywr", THX_TR_NOOP("Controls", "水分质量分率"), g1, U::Dimensionless, "", R::In, Hidden));
  const char* g2 = "GroupBox2";
  add(With(G(E::Group, g2, THX_TR_NOOP("Controls", "壳程温度分段工具"), "TabTools"), [](ControlDef& d) { d.col = 2; }));
  add(Q("Tt0", THX_TR_NOOP("Controls", "管程入口温度"), g2, U::Temperature, "10", R::In));
  add(Q("Ttn", THX_TR_NOOP("Controls", "管程出口温度"), g2, U::Temperature, "15", R::In));
  add(Q("Ts0", THX_TR_NOOP("Controls", "壳程入口温度"), g2, U::Temperature, "60", R::In));
  add(Q("Tsn", THX_TR_NOOP("Controls", "壳程出口温度"), g2, U::Temperature, "20", R::In));
  add(Q("Mn", THX_TR_NOOP("Controls", "段数"), g2, U::SegmentCount, "4", R::In));
  add(ControlDef{.entry = E::Memo, .name = "MemoTi", .caption = "", .parent = g2});

  add(G(E::StatusBar, "StatusBarMain", "", ""));
  return t;
}

struct Material {
  const char* name;
  const char* conductivity;  // text after the bar, exactly as listed
};

const Material kMaterials[] = {
    {THX_TR_NOOP("Items", "低碳钢"), "52.34"},  {THX_TR_NOOP("Items", "不锈钢"), " 16.28"},
    {THX_TR_NOOP("Items", "铜"), "383.79"},     {THX_TR_NOOP("Items", "红铜(85%)"), "117.47"},
    {THX_TR_NOOP("Items", "铝黄铜"), "117.47"}, {THX_TR_NOOP("Items", "铝青铜(5%)"), "82.58"},
    {THX_TR_NOOP("Items", "铝"), "227.95"},     {THX_TR_NOOP("Items", "铁"), "73.27"},
    {THX_TR_NOOP("Items", "钛"), "16.75"},      {THX_TR_NOOP("Items", "石墨"), "139.56"},
    {THX_TR_NOOP("Items", "硬橡胶"), "0.15"},   {THX_TR_NOOP("Items", "聚四氟乙烯"), "0.2419"},
    {THX_TR_NOOP("Items", "聚氯乙烯"), "0.14"}, {THX_TR_NOOP("Items", "聚乙烯"), "0.3291"},
};

const Material kInsulations[] = {
    {THX_TR_NOOP("Items", "岩棉板,壳"), "0.033"},
    {THX_TR_NOOP("Items", "岩棉缝毡"), "0.033"},
    {THX_TR_NOOP("Items", "泡沫石棉"), "0.038"},
    {THX_TR_NOOP("Items", "海泡石保温材料"), "0.046"},
    {THX_TR_NOOP("Items", "JBT保温材料"), "0.085"},
    {THX_TR_NOOP("Items", "珍珠岩制品"), "0.07"},
    {THX_TR_NOOP("Items", "矿渣棉一级"), "0.038"},
    {THX_TR_NOOP("Items", "矿渣棉二级"), "0.040"},
    {THX_TR_NOOP("Items", "酚醛玻璃棉"), "0.035"},
    {THX_TR_NOOP("Items", "酚醛超细玻璃棉"), "0.030"},
    {THX_TR_NOOP("Items", "酚醛树脂矿棉板,壳,一级"), "0.040"},
    {THX_TR_NOOP("Items", "酚醛树脂矿棉板,壳,二级"), "0.045"},
    {THX_TR_NOOP("Items", "酚醛玻璃棉板,壳"), "0.035"},
    {THX_TR_NOOP("Items", "中吸玻璃纤维板,壳"), "0.035"},
    {THX_TR_NOOP("Items", "碳酸镁石棉"), "0.04"},
    {THX_TR_NOOP("Items", "硅酸镁石棉"), "0.06"},
    {THX_TR_NOOP("Items", "BBS硬质聚氨酯"), "0.023"},
    {THX_TR_NOOP("Items", "双组分喷涂聚氨酯"), "0.027"},
    {THX_TR_NOOP("Items", "挤出发泡聚苯乙烯硬质板"), "0.03"},
    {THX_TR_NOOP("Items", "聚苯乙烯泡沫板"), "0.04"},
};

// The bar of a material item stands after this many GBK bytes.
constexpr int kMaterialBar = 30;

template <size_t N>
std::vector<std::string> MaterialItems(const Material (&list)[N]) {
  std::vector<std::string> items;
  for (const auto& m : list) {
    std::string s = m.name;
    int pad = kMaterialBar - GbkByteLength(m.name);
    if (pad > 0) s.append(static_cast<size_t>(pad), ' ');
    s += '|';
    s += m.conductivity;
    items.push_back(std::move(s));
  }
  return items;
}

std::string Join(std::string_view a, std::string_view b) {
  std::string s(a);
  s += b;
  return s;
}

}  // namespace

std::string ControlDef::value() const {
  if (!valueName.empty()) return std::string(valueName);
  switch (entry) {
    case E::Quantity:
    case E::Text:
    case E::Combo:
    case E::Rich:
      return Join(name, "D");
    default:
      return std::string(name);
  }
}

std::string ControlDef::unit() const {
  if (!unitName.empty()) return std::string(unitName);
  if (entry == E::Quantity) return Join(name, "U");
  if ((entry == E::Text || entry == E::Combo) && !unitLabel.empty()) return Join(name, "U");
  return {};
}

std::string ControlDef::label() const {
  if (!labelName.empty()) return std::string(labelName);
  switch (entry) {
    case E::Quantity:
    case E::Text:
    case E::Combo:
    case E::Rich:
      return Join(name, "L");
    default:
      return {};
  }
}

const std::vector<ControlDef>& Table() {
  static const std::vector<ControlDef> table = MakeTable();
  return table;
}

const ControlDef* FindDef(std::string_view name) {
  static const auto index = [] {
    std::unordered_map<std::string, const ControlDef*> m;
    for (const auto& d : Table()) {
      m.emplace(std::string(d.name), &d);
      m.emplace(d.value(), &d);
    }
    return m;
  }();
  auto it = index.find(std::string(name));
  return it == index.end() ? nullptr : it->second;
}

std::vector<std::string> Items(ItemList list) {
  switch (list) {
    case ItemList::Phase:
      return {THX_TR_NOOP("Items", "单相液体"), THX_TR_NOOP("Items", "单相气体"), THX_TR_NOOP("Items", "蒸气冷凝"),
              THX_TR_NOOP("Items", "液体蒸发")};
    case ItemList::Arrangement:
      return {THX_TR_NOOP("Items", "正三角形"), THX_TR_NOOP("Items", "正方形")};
    case ItemList::Material:
      return MaterialItems(kMaterials);
    case ItemList::Insulation:
      return MaterialItems(kInsulations);
    case ItemList::CalcType:
      return {THX_TR_NOOP("Items", "设计型"), THX_TR_NOOP("Items", "校核型")};
    case ItemList::OptType:
      return {THX_TR_NOOP("Items", "最快"), THX_TR_NOOP("Items", "最优")};
    case ItemList::Passes:
      return {"1", "2", "3", "4", "5", "6"};
    case ItemList::Method:
      return {THX_TR_NOOP("Items", "标准方法"), THX_TR_NOOP("Items", "工程方法")};
    case ItemList::None:
      break;
  }
  return {};
}

namespace {

void ApplyEditState(Control& c, const ControlDef& d) {
  if (d.flags & Result) {
    c.setReadOnly(true);
    c.setColor(colors::BtnFace);
    c.setFontColor(colors::Blue);
  }
  if (d.flags & FaceReadOnly) {
    c.setReadOnly(true);
    c.setColor(colors::BtnFace);
  }
  if (d.flags & Disabled) {
    c.setEnabled(false);
    c.setColor(colors::BtnFace);
  }
  if (d.flags & Hidden) c.setVisible(false);
}

void AddLabel(Form& form, const ControlDef& d, const std::string& name, std::string_view caption) {
  Control& l = form.Add(name, ControlKind::TLabel);
  l.parent = std::string(d.parent);
  l.setCaption(std::string(caption));
  if (d.flags & Disabled) l.setEnabled(false);
  if (d.flags & Hidden) l.setVisible(false);
}

}  // namespace

void Build(Form& form) {
  for (const auto& d : Table()) {
    switch (d.entry) {
      case E::Quantity: {
        AddLabel(form, d, d.label(), d.caption);
        Control& f = form.Add(d.value(), ControlKind::TEditD);
        f.parent = std::string(d.parent);
        f.setText(std::string(d.text));
        f.setMyLabelName(d.myLabel.empty() ? d.label() : std::string(d.myLabel));
        if (!d.hint.empty()) f.setHint(std::string(d.hint));
        if (!(d.flags & (Fixed | Result))) f.setFontColor(colors::WindowText);
        ApplyEditState(f, d);
        if (d.flags & Fixed) f.setMyResolved(false);
        Control& u = form.Add(d.unit(), ControlKind::TComboBoxU);
        u.parent = std::string(d.parent);
        u.setAssociated(d.value());
        u.setItems(UnitItems(d.units));
        u.setItemIndex(0);
        f.setExchangeRaw(ReadUnitFactor(u.selectedItem()).value_or(1.0));
        if (d.flags & Disabled) u.setEnabled(false);
        if (d.flags & Hidden) u.setVisible(false);
        break;
      }
      case E::Text: {
        AddLabel(form, d, d.label(), d.caption);
        Control& e = form.Add(d.value(), ControlKind::TEdit);
        e.parent = std::string(d.parent);
        e.setText(std::string(d.text));
        if (d.flags & Result) e.setFontColor(colors::Blue);
        if (d.role == Role::In) e.setNumeric(true);  // typed numbers: khw, Bay, Csr, rh1, ...
        ApplyEditState(e, d);
        if (!d.unitLabel.empty()) AddLabel(form, d, d.unit(), d.unitLabel);
        break;
      }
      case E::Combo: {
        AddLabel(form, d, d.label(), d.caption);
        Control& c = form.Add(d.value(), ControlKind::TComboBox);
        c.parent = std::string(d.parent);
        c.setItems(Items(d.items));
        int index = 0;
        for (size_t i = 0; i < c.items().size(); ++i)
          if (c.items()[i] == d.text) index = static_cast<int>(i);
        c.setItemIndex(index);
        if (!d.unitLabel.empty()) AddLabel(form, d, d.unit(), d.unitLabel);
        break;
      }
      case E::Check: {
        Control& c = form.Add(std::string(d.name), ControlKind::TCheckBox);
        c.parent = std::string(d.parent);
        c.setCaption(std::string(d.caption));
        c.setHint(std::string(d.hint));
        break;
      }
      case E::Rich: {
        if (!d.caption.empty()) AddLabel(form, d, d.label(), d.caption);
        Control& c = form.Add(d.value(), ControlKind::TRichEdit);
        c.parent = std::string(d.parent);
        break;
      }
      case E::Memo: {
        Control& c = form.Add(std::string(d.name), ControlKind::TMemo);
        c.parent = std::string(d.parent);
        c.setReadOnly(d.name == "MemoTi");
        break;
      }
      case E::Label:
        AddLabel(form, d, std::string(d.name), d.caption);
        break;
      case E::Group:
      case E::Tab:
      case E::PageControl:
      case E::PaintBox:
      case E::StatusBar:
      case E::SpeedButton:
      case E::Menu:
      case E::ToolButton: {
        ControlKind k = d.entry == E::Group         ? ControlKind::TGroupBox
                        : d.entry == E::Tab         ? ControlKind::TTabSheet
                        : d.entry == E::PageControl ? ControlKind::TPageControl
                        : d.entry == E::PaintBox    ? ControlKind::TPaintBox
                        : d.entry == E::StatusBar   ? ControlKind::TStatusBar
                        : d.entry == E::SpeedButton ? ControlKind::TSpeedButton
                        : d.entry == E::Menu        ? ControlKind::TMenuItem
                                                    : ControlKind::TToolButton;
        Control& c = form.Add(std::string(d.name), k);
        c.parent = std::string(d.parent);
        c.setCaption(std::string(d.caption));
        c.setHint(std::string(d.hint));
        if (d.flags & Disabled) c.setEnabled(false);
        if (d.flags & Hidden) c.setVisible(false);
        break;
      }
    }
  }
  // The page control lists its tabs; item index = active page.
  std::vector<std::string> tabs;
  for (const auto& d : Table())
    if (d.entry == E::Tab) tabs.emplace_back(d.name);
  Control& pages = form.At("PageControl1");
  pages.setItems(std::move(tabs));
  pages.setItemIndex(0);
  form.setTitle(kTitle);
}

void ResetLaterControls(Form& form) {
  for (const auto& d : Table()) {
    if (!(d.flags & Later)) continue;
    Control& c = form.At(d.value());
    if (d.entry == E::Combo) {
      const auto items = Items(d.items);
      for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == d.text) c.setItemIndex(static_cast<int>(i));
    } else if (d.entry == E::Quantity) {
      Control& u = form.At(d.unit());
      u.setItemIndex(0);
      c.setExchangeRaw(ReadUnitFactor(u.selectedItem()).value_or(1.0));
      c.setText(std::string(d.text));
    }
  }
}

std::string ShownTitle(std::string_view title) {
  const std::string_view name = kTitle;
  if (!title.starts_with(name)) return i18n::TrMessage(title, i18n::kControls);
  return i18n::Tr(i18n::kControls, name) + std::string(title.substr(name.size()));
}

}  // namespace tharvex::mainwin
