#include "core/engine/method/method.h"

#include "core/engine/method/engineering.h"
#include "core/engine/method/standard.h"
#include "core/fields/i18n.h"

namespace tharvex::engine::method {

std::string_view Name(Corr c) {
  switch (c) {
    case Corr::None:
      return "";
    case Corr::StdLowFin:
      return THX_TR_NOOP("Report", "标准方法 低翅片");
    case Corr::StdHighFin:
      return THX_TR_NOOP("Report", "标准方法 高翅片");
    case Corr::StdBareInLine:
      return THX_TR_NOOP("Report", "标准方法 光管顺排");
    case Corr::StdBareStaggered:
      return THX_TR_NOOP("Report", "标准方法 光管叉排");
    case Corr::StdFinEfficiency:
      return THX_TR_NOOP("Report", "标准方法 翅片效率");
    case Corr::StdFinnedDp:
      return THX_TR_NOOP("Report", "标准方法 翅片管压降");
    case Corr::StdBareDp:
      return THX_TR_NOOP("Report", "标准方法 光管压降");
    case Corr::StdTubeSinglePhase:
      return THX_TR_NOOP("Report", "标准方法 管内单相");
    case Corr::StdCondensation:
      return THX_TR_NOOP("Report", "标准方法 管内冷凝");
    case Corr::StdCorrection:
      return THX_TR_NOOP("Report", "标准方法 温差校正");
    case Corr::BriggsYoungHigh:
      return THX_TR_NOOP("Report", "Briggs & Young (1963) 高翅片");
    case Corr::BriggsYoungLow:
      return THX_TR_NOOP("Report", "Briggs & Young (1963) 低翅片");
    case Corr::AnnularFinBessel:
      return THX_TR_NOOP("Report", "环形翅片 Bessel 精确解 (Kern & Kraus 1972)");
    case Corr::RobinsonBriggs:
      return "Robinson & Briggs (1966)";
    case Corr::ZukauskasHeat:
      return THX_TR_NOOP("Report", "Zukauskas (1972) 管束传热");
    case Corr::ZukauskasDp:
      return THX_TR_NOOP("Report", "Zukauskas (1987) 管束压降");
    case Corr::Gnielinski:
      return THX_TR_NOOP("Report", "Gnielinski (1976) 紊流");
    case Corr::GnielinskiTransition:
      return THX_TR_NOOP("Report", "Gnielinski (VDI Heat Atlas G1) 过渡区");
    case Corr::Hausen:
      return THX_TR_NOOP("Report", "Hausen 层流入口段");
    case Corr::Shah:
      return THX_TR_NOOP("Report", "Shah (1979) 管内冷凝");
    case Corr::RowByRow:
      return THX_TR_NOOP("Report", "逐排交叉逆流模型");
    case Corr::Count:
      break;
  }
  return "";
}

const CorrText& Formula(Corr c) {
  // The equations as the manual's chapter 7 writes them; ranges are those of
  // the published data, the limits the engine flags a use against.
  static const CorrText kNone{};
  static const CorrText kBriggsYoungHigh{
      THX_TR_NOOP("Sheet", "Nu = h·d/λ = 0.134 Re^0.681 Pr^(1/3) (s/l)^0.2 (s/t)^0.1134，Re = ρ·v_max·d/μ"),
      THX_TR_NOOP(
          "Sheet",
          "Re 1100～18000，l 1.4～16.6 mm，t 0.33～2.0 mm，翅片节距 1.3～4.1 mm，d 11～41 mm，St 24.5～111 mm，叉排"),
      {{{"Re", ""}, {"Pr", ""}, {"s/l", ""}, {"s/t", ""}}}};
  static const CorrText kBriggsYoungLow{
      THX_TR_NOOP("Sheet", "Nu = h·d/λ = 0.1507 Re^0.667 Pr^(1/3) (s/l)^0.164 (s/t)^0.075，Re = ρ·v_max·d/μ"),
      THX_TR_NOOP(
          "Sheet",
          "Re 1100～18000，l 1.4～16.6 mm，t 0.33～2.0 mm，翅片节距 1.3～4.1 mm，d 11～41 mm，St 24.5～111 mm，叉排"),
      {{{"Re", ""}, {"Pr", ""}, {"s/l", ""}, {"s/t", ""}}}};
  static const CorrText kAnnularFin{
      THX_TR_NOOP(
          "Sheet",
          "η = 2r1/(m(r2c² − r1²)) · [K1(m r1) I1(m r2c) − I1(m r1) K1(m r2c)] / [I0(m r1) K1(m r2c) + K0(m r1) "
          "I1(m r2c)]，m = √(2h/(λf·t))，r2c = r2 + t/2"),
      THX_TR_NOOP("Sheet", "等厚环形翅片的精确解，不受范围限制"),
      {{{"h", "W/(m²·K)"}, {"m", "1/m"}, {"r1", "mm"}, {"r2c", "mm"}}}};
  static const CorrText kRobinsonBriggs{
      THX_TR_NOOP("Sheet", "Δp = 2 f N G²/ρ，f = 9.465 Re^−0.316 (St/d)^−0.927 (St/Sd)^0.515，G = ρ·v_max"),
      THX_TR_NOOP("Sheet", "Re 2000～50000，高翅片叉排，气体"),
      {{{"Re", ""}, {"St/d", ""}, {"St/Sd", ""}, {"N", ""}, {"G", "kg/(m²·s)"}}}};
  static const CorrText kZukauskasHeat{
      THX_TR_NOOP("Sheet", "Nu = C2 · C · Re^m · Pr^0.36，C、m 按 Re 和排列取 Zukauskas 表值，C2 为管列数修正"),
      THX_TR_NOOP("Sheet", "Re 10～2×10^6，Pr 0.7～500，顺排 St/Sl ≥ 0.7"),
      {{{"Re", ""}, {"Pr", ""}, {"St/Sl", ""}, {"N", ""}}}};
  static const CorrText kZukauskasDp{
      THX_TR_NOOP("Sheet", "Δp = N · Eu · ρ v_max²/2，Eu 取 Zukauskas 幂级数，按 St/d 插值"),
      THX_TR_NOOP("Sheet", "Re 1000～2×10^5，St/d 1.25～2.5，正方形顺排或正三角形叉排，气体"),
      {{{"Re", ""}, {"St/d", ""}, {"N", ""}, {"v_max", "m/s"}}}};
  static const CorrText kGnielinski{
      THX_TR_NOOP(
          "Sheet",
          "Nu = (ξ/8)(Re − 1000) Pr / (1 + 12.7 √(ξ/8) (Pr^(2/3) − 1)) · (1 + (d/L)^(2/3))，ξ = (1.8 lg Re − 1.5)^−2"),
      THX_TR_NOOP("Sheet", "Re 10^4～5×10^6，Pr 0.5～2000"),
      {{{"Re", ""}, {"Pr", ""}, {"d/L", ""}}}};
  static const CorrText kTransition{
      THX_TR_NOOP("Sheet", "Nu = (1 − γ) Nu_Hausen(2300) + γ Nu_Gnielinski(10^4)，γ = (Re − 2300)/7700"),
      THX_TR_NOOP("Sheet", "2300 ≤ Re < 10^4，Pr 0.5～2000"),
      {{{"Re", ""}, {"Pr", ""}, {"d/L", ""}}}};
  static const CorrText kHausen{THX_TR_NOOP("Sheet", "Nu = 3.66 + 0.0668 Gz / (1 + 0.04 Gz^(2/3))，Gz = Re·Pr·d/L"),
                                THX_TR_NOOP("Sheet", "Re < 2300，热入口段，恒壁温，Pr 0.5～2000"),
                                {{{"Re", ""}, {"Pr", ""}, {"d/L", ""}}}};
  static const CorrText kShah{
      THX_TR_NOOP(
          "Sheet",
          "h = h_lo · [(1 − x)^0.8 + 3.8 x^0.76 (1 − x)^0.04 / p_r^0.38]，在 x2～x1 间取平均；h_lo = 0.023 Re_lo^0.8 "
          "Pr_l^0.4 λ_l/d，Re_lo = G·d/μ_l"),
      THX_TR_NOOP("Sheet", "Re_lo ≥ 350，p_r 0.002～0.44，G 10.8～210.6 kg/(m²·s)"),
      {{{"Re_lo", ""}, {"Pr_l", ""}, {"p_r", ""}, {"x1", ""}, {"x2", ""}, {"G", "kg/(m²·s)"}}}};
  static const CorrText kRowByRow{
      THX_TR_NOOP("Sheet", "F = NTU_逆流 / NTU，NTU 由逐排、逐段计算的管束效能达到 P 求得"),
      THX_TR_NOOP("Sheet", "管束能达到给定的出口温度"),
      {{{"P", ""}, {"R", ""}, {THX_TR_NOOP("Sheet", "列数"), ""}, {THX_TR_NOOP("Sheet", "管程数"), ""}}}};
  switch (c) {
    case Corr::BriggsYoungHigh:
      return kBriggsYoungHigh;
    case Corr::BriggsYoungLow:
      return kBriggsYoungLow;
    case Corr::AnnularFinBessel:
      return kAnnularFin;
    case Corr::RobinsonBriggs:
      return kRobinsonBriggs;
    case Corr::ZukauskasHeat:
      return kZukauskasHeat;
    case Corr::ZukauskasDp:
      return kZukauskasDp;
    case Corr::Gnielinski:
      return kGnielinski;
    case Corr::GnielinskiTransition:
      return kTransition;
    case Corr::Hausen:
      return kHausen;
    case Corr::Shah:
      return kShah;
    case Corr::RowByRow:
      return kRowByRow;
    default:
      return kNone;
  }
}

const Correlations& For(Kind k) {
  static const Standard standard;
  static const Engineering engineering;
  if (k == Kind::Engineering) return engineering;
  return standard;
}

}  // namespace tharvex::engine::method
