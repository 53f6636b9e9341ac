// The standard method described for the calculation sheet: which branch of
// each relation the current case took, with the values that went in.
#include "core/output/sheet_method.h"

#include <cmath>

#include "core/fields/i18n.h"
#include "core/fields/number_format.h"
#include "core/fields/units.h"

namespace tharvex::method {

namespace {

std::string Num(double v) { return FormatGeneral(v, 7, 4); }

bool Outside(const Bound& b) {
  if (!b.value) return false;
  return (b.lo && *b.value < *b.lo) || (b.hi && *b.value > *b.hi);
}

// A field's SI value; none when empty or not a number.
std::optional<double> Si(const Form& form, std::string_view name) {
  const Control* c = form.Find(name);
  if (!c || c->isEmpty()) return std::nullopt;
  if (c->kind() == ControlKind::TEditD) {
    try {
      return c->GetSIValue();
    } catch (const ConversionError&) {
      return std::nullopt;
    }
  }
  return ParseLenient(c->text());
}

// A field as it went in: its shown number and unit.
InputValue Field(const Form& form, std::string_view name, std::string symbol) {
  InputValue v{std::move(symbol), "", ""};
  const Control* c = form.Find(name);
  if (!c) return v;
  v.text = c->kind() == ControlKind::TEditD ? c->FloatStr() : std::string(TrimBlanks(c->text()));
  for (const auto& up : form.controls())
    if (up->kind() == ControlKind::TComboBoxU && up->associated() == name) v.unit = DisplayUnit(up->text());
  return v;
}

InputValue Traced(const Form& form, std::string_view label, std::string symbol, std::string unit = {}) {
  auto v = TraceValue(form, label);
  return InputValue{std::move(symbol), v ? Num(*v) : std::string("—"), DisplayUnit(unit)};
}

// Conductivity of the material selected in a list: the number after the bar.
std::optional<double> MaterialConductivity(const Form& form, std::string_view name) {
  const Control* c = form.Find(name);
  if (!c) return std::nullopt;
  size_t bar = c->text().find('|');
  if (bar == std::string::npos) return std::nullopt;
  return ParseLenient(std::string_view(c->text()).substr(bar + 1, 20));
}

std::string Result(const Form& form, std::string_view name, std::string_view symbol) {
  InputValue v = Field(form, name, std::string(symbol));
  if (v.text.empty()) return {};
  return v.symbol + " = " + v.text + (v.unit.empty() ? "" : " " + v.unit);
}

void ShellSide(const Form& form, std::vector<Correlation>& out) {
  if (!TraceValue(form, "Res=")) return;  // the last calculation did not reach the shell side
  const Control* bareBox = form.Find("CBTType");
  const bool bare = bareBox && bareBox->checked();
  const auto d_o = Si(form, "dod"), hf = Si(form, "hfD");

  Correlation kf;
  kf.quantity = i18n::Tr("Sheet", "壳程翅片膜系数 kf");
  if (!bare) {
    const double ratio = d_o && hf && *d_o > 0 ? (*d_o + 2 * *hf) / *d_o : 0;
    if (ratio < 1.7) {
      kf.name = i18n::Tr("Sheet", "低翅片管束换热关联式");
      kf.formula = "kf = 0.1507·(λ/do)·Re^0.667·Pr^(1/3)·(Pf/hf)^0.164·(Pf/Tf)^0.075";
      kf.note = i18n::Tr("Sheet", "翅片外径与管外径之比 D/do < 1.7 时选用");
    } else {
      kf.name = i18n::Tr("Sheet", "高翅片管束换热关联式");
      kf.formula = "kf = 0.1378·(λ/do)·Re^0.718·Pr^(1/3)·(Pf/hf)^0.296";
      kf.note = i18n::Tr("Sheet", "翅片外径与管外径之比 D/do ≥ 1.7 时选用");
    }
    kf.inputs = {Field(form, "LdsD", "λ"),   Field(form, "dod", "do"),          Traced(form, "Res=", "Re"),
                 Traced(form, "Prs=", "Pr"), Field(form, "PfD", "Pf"),          Field(form, "hfD", "hf"),
                 Field(form, "TfD", "Tf"),   InputValue{"D/do", Num(ratio), ""}};
  } else {
    kf.name = i18n::Tr("Sheet", "光管管束换热关联式");
    kf.formula = "kf = ε·C·(λ/do)·Re^n·Pr^0.4";
    kf.note = i18n::Tr("Sheet", "C、n 按顺排或叉排及管列数取值，ε 为管间距修正");
    kf.inputs = {Field(form, "LdsD", "λ"), Field(form, "dod", "do"), Traced(form, "Res=", "Re"),
                 Traced(form, "Prs=", "Pr"), Field(form, "NwD", "Nw")};
  }
  kf.note += i18n::Tr("Sheet", "；排管方式系数：正三角形 1，三角形转角30° 0.8，正方形 0.5，正方形转角45° 2/3");
  if (auto v = TraceValue(form, "kf=")) kf.formula += "  →  kf = " + Num(*v) + " " + DisplayUnit("W/(m2.K)");
  out.push_back(std::move(kf));

  if (!bare) {
    Correlation eta;
    eta.quantity = i18n::Tr("Sheet", "翅片效率 η");
    eta.name = i18n::Tr("Sheet", "翅片效率经验式");
    eta.formula = "η = (0.4·kfin^0.15)^(2·hf/do)·(Pf/hf)/(Pf/hf + 0.017)";
    auto k = MaterialConductivity(form, "FmD");
    eta.inputs = {InputValue{"kfin", k ? Num(*k) : "—", DisplayUnit("W/(m.K)")}, Field(form, "hfD", "hf"),
                  Field(form, "dod", "do"), Field(form, "PfD", "Pf")};
    eta.range = {Bound{"η", 0.0, 1.0, Si(form, "ytaD")}};
    if (const Control* c = form.Find("ytaD"); c && !c->isEmpty()) eta.formula += "  →  η = " + c->text();
    out.push_back(std::move(eta));

    Correlation as;
    as.quantity = i18n::Tr("Sheet", "基管膜系数 as");
    as.name = i18n::Tr("Sheet", "翅片管当量膜系数");
    as.formula = "as = kf·(Ab + η·Af)/(π·do)";
    as.note = i18n::Tr("Sheet", "Ab、Af 为每米管长的基管外露面积和翅片面积");
    as.inputs = {Traced(form, "kf=", "kf", "W/(m2.K)"), Field(form, "ytaD", "η"),
                 Field(form, "btaD", i18n::Tr("Sheet", "翅化比"))};
    if (auto r = Result(form, "asD", "as"); !r.empty()) as.formula += "  →  " + r;
    out.push_back(std::move(as));
  }

  Correlation dp;
  dp.quantity = i18n::Tr("Sheet", "壳程压力降 ΔPs");
  if (!bare) {
    dp.name = i18n::Tr("Sheet", "翅片管束压降关联式");
    dp.formula = "f = 37.86·Re^-0.316·(St/do)^-0.927；ΔPs = (ρ·Umax)²·f·φ·Nw/(2ρ)";
  } else {
    dp.name = i18n::Tr("Sheet", "光管管束压降关联式");
    dp.formula = "f = 5/Red^0.228；ΔPs = (ρ·Umax)²·f·φ·ψ·Nw/(2ρ)";
  }
  dp.note = i18n::Tr("Sheet", "φ 液体 1.15、气体 1；结果含壳程管口压力降");
  dp.inputs = {Field(form, "DensD", "ρ"), Field(form, "UmaxD", "Umax"), Traced(form, "Res=", "Re"),
               Field(form, "NwD", "Nw"), Field(form, "PtD", "Pt")};
  if (auto r = Result(form, "DpsD", "ΔPs"); !r.empty()) dp.formula += "  →  " + r;
  out.push_back(std::move(dp));
}

void TubeSide(const Form& form, std::vector<Correlation>& out) {
  const auto re = TraceValue(form, "Ret="), pr = TraceValue(form, "Prt=");
  if (!re) return;
  const Control* phase = form.Find("PhtD");
  const bool condensing = phase && phase->itemIndex() == 2;
  const auto mu = Si(form, "MtD");

  Correlation at;
  at.quantity = i18n::Tr("Sheet", "管内膜系数 at");
  at.inputs = {Field(form, "LdtD", "λ"), Field(form, "diD", "di"), Traced(form, "Ret=", "Re"),
               Traced(form, "Prt=", "Pr")};
  if (condensing) {
    at.name = i18n::Tr("Sheet", "Akers–Deans–Crosser 当量雷诺数关联式");
    at.formula =
        i18n::Tr("Sheet", "Reeq > 5×10^5: at = 0.0265·(λ/di)·Re^0.8·Pr^(1/3)；否则 at = 5.03·(λ/di)·Re^(1/3)·Pr^(1/3)");
    at.note = i18n::Tr("Sheet", "Re 为蒸汽雷诺数；不凝气体修正 0.8047·exp(−107.668·La/(1−La)) + 0.1758");
    at.inputs.push_back(Field(form, "Xt1D", "X1"));
    at.inputs.push_back(Field(form, "Xt2D", "X2"));
    at.inputs.push_back(Field(form, "LatD", "La(%)"));
  } else if (*re < 2300) {
    at.name = i18n::Tr("Sheet", "Sieder–Tate 层流关联式");
    at.formula = "at = 1.86·(λ/di)·(Re·Pr·di/L)^(1/3)·ψ";
    at.note = i18n::Tr("Sheet", "ψ 被冷却 0.95、被加热 1.05");
    at.range = {Bound{"Re", std::nullopt, 2300.0, re}};
    at.inputs.push_back(Field(form, "LsD", "L"));
  } else {
    const bool viscous = mu && *mu >= 0.003;
    if (viscous) {
      at.name = i18n::Tr("Sheet", "Sieder–Tate 关联式（高粘度液体）");
      at.formula = "at = 0.027·(λ/di)·Re^0.8·Pr^0.3·ψ";
      at.range = {Bound{"Pr", 0.7, 16700.0, pr}};
    } else {
      at.name = i18n::Tr("Sheet", "Dittus–Boelter 关联式");
      at.formula = "at = 0.023·(λ/di)·Re^0.8·Pr^0.3";
      at.range = {Bound{"Pr", 0.6, 160.0, pr}};
    }
    if (*re < 10000) {
      at.name += i18n::Tr("Sheet", "，过渡区修正");
      at.formula += " × (1 − 6×10^5/Re^1.8)";
      at.range.insert(at.range.begin(), Bound{"Re", 2300.0, 10000.0, re});
    } else {
      at.range.insert(at.range.begin(), Bound{"Re", 10000.0, std::nullopt, re});
    }
    at.inputs.push_back(Field(form, "MtD", "μ"));
  }
  if (auto r = Result(form, "atD", "at"); !r.empty()) at.formula += "  →  " + r;
  out.push_back(std::move(at));

  Correlation f;
  f.quantity = i18n::Tr("Sheet", "管内摩擦系数 f");
  if (*re < 2300) {
    f.name = i18n::Tr("Sheet", "层流摩擦系数");
    f.formula = "f = 64/Re";
    f.range = {Bound{"Re", std::nullopt, 2300.0, re}};
  } else {
    f.name = i18n::Tr("Sheet", "Colebrook 摩擦系数");
    f.formula = "1/√f = −2·lg(ε/(3.7·di) + 2.51/(Re·√f))，ε = 0.0457 mm";
    f.range = {Bound{"Re", 4000.0, std::nullopt, re}};
  }
  f.inputs = {Traced(form, "Ret=", "Re"), Field(form, "diD", "di")};
  out.push_back(std::move(f));

  Correlation dp;
  dp.quantity = i18n::Tr("Sheet", "管程压力降 ΔPt");
  dp.name = i18n::Tr("Sheet", "直管摩擦及回弯损失");
  dp.formula = "ΔPt = Np·Ft·(f·L/di + 3)·ρ·Ut²/2";
  dp.note = i18n::Tr("Sheet", "Ft 管外径 < 25 mm 取 1.5，否则 1.4；结果含管程管口压力降");
  dp.inputs = {Field(form, "PnD", "Np"), Field(form, "LsD", "L"), Field(form, "diD", "di"),
               Field(form, condensing ? "DentvD" : "DentD", "ρ"), Field(form, "UtD", "Ut")};
  if (auto r = Result(form, "DptD", "ΔPt"); !r.empty()) dp.formula += "  →  " + r;
  out.push_back(std::move(dp));
}

void Overall(const Form& form, std::vector<Correlation>& out) {
  if (Si(form, "CdtD")) {
    Correlation m;
    m.quantity = i18n::Tr("Sheet", "平均温度差 ΔTm");
    m.name = i18n::Tr("Sheet", "对数平均温差及温差校正系数");
    m.formula = "ΔTm = F·(Δa − Δb)/ln(Δa/Δb)";
    m.note = i18n::Tr("Sheet", "F 按串联台数和管程数由 R、P 求得");
    m.inputs = {Field(form, "Ts1D", "Ts1"), Field(form, "Ts2D", "Ts2"), Field(form, "Tt1D", "Tt1"),
                Field(form, "Tt2D", "Tt2"), Field(form, "BayD", "N"),   Field(form, "PnD", "Np")};
    m.range = {Bound{"F", 0.8, std::nullopt, Si(form, "CdtD")}};
    if (auto r = Result(form, "AdtD", "ΔTm"); !r.empty()) m.formula += "  →  " + r;
    out.push_back(std::move(m));
  }
  if (Si(form, "KaD")) {
    Correlation k;
    k.quantity = i18n::Tr("Sheet", "总传热系数 K");
    k.name = i18n::Tr("Sheet", "以基管外表面为基准的串联热阻");
    k.formula = "1/K = 1/as + Rs + (1/at + Rt)·do/di + (do/kw)·(do − di)/(do + di)";
    auto kw = MaterialConductivity(form, "TmD");
    k.inputs = {Field(form, "asD", "as"),
                Field(form, "RsD", "Rs"),
                Field(form, "atD", "at"),
                Field(form, "RtD", "Rt"),
                Field(form, "dod", "do"),
                Field(form, "diD", "di"),
                InputValue{"kw", kw ? Num(*kw) : "—", DisplayUnit("W/(m.K)")}};
    if (auto r = Result(form, "KaD", "K"); !r.empty()) k.formula += "  →  " + r;
    out.push_back(std::move(k));
  }
  if (Si(form, "dipSD") || Si(form, "DipTD")) {
    Correlation n;
    n.quantity = i18n::Tr("Sheet", "管口内径 d、管口流速 u");
    n.name = i18n::Tr("Sheet", "管口压力降为 1.5 倍速度头");
    n.formula = "d = (8·1.5·W²/(π²·ρ·ΔP))^0.25；ΔP = 0.75·ρ·u²";
    n.note = i18n::Tr("Sheet", "管口内径取整到毫米，不小于 6 mm");
    n.inputs = {Field(form, "WsD", "Ws"), Field(form, "DppSD", i18n::Tr("Sheet", "ΔP壳")), Field(form, "WtD", "Wt"),
                Field(form, "DppTD", i18n::Tr("Sheet", "ΔP管"))};
    out.push_back(std::move(n));
  }
}

}  // namespace

bool Bound::outside() const { return Outside(*this); }

std::string Bound::text() const {
  if (lo && hi) return Num(*lo) + " ≤ " + symbol + " ≤ " + Num(*hi);
  if (lo) return symbol + " ≥ " + Num(*lo);
  if (hi) return symbol + " ≤ " + Num(*hi);
  return symbol;
}

bool Correlation::outside() const {
  if (outsideData) return true;
  for (const Bound& b : range)
    if (b.outside()) return true;
  return false;
}

std::string Correlation::rangeText() const {
  std::string s;
  for (const Bound& b : range) {
    if (!s.empty()) s += "，";
    s += b.text();
    if (b.value)
      s += i18n::Tr("Sheet", "（本例 ") + Num(*b.value) + (b.outside() ? i18n::Tr("Sheet", "，超出") : "") + "）";
  }
  if (!note.empty()) s += (s.empty() ? "" : "；") + note;
  return s.empty() ? std::string("—") : s;
}

std::optional<double> TraceValue(const Form& form, std::string_view label) {
  const Control* memo = form.Find("MemoMessage");
  if (!memo) return std::nullopt;
  const auto& lines = memo->lines();
  for (auto it = lines.rbegin(); it != lines.rend(); ++it)
    if (it->rfind(label, 0) == 0) return ParseLenient(std::string_view(*it).substr(label.size()));
  return std::nullopt;
}

std::string MethodName(const Form& form) {
  // A window that offers a choice of methods shows it in "MethodD".
  if (const Control* c = form.Find("MethodD"); c && !TrimBlanks(c->text()).empty())
    return i18n::Tr(i18n::kItems, TrimBlanks(c->text()));
  return i18n::Tr(i18n::kItems, THX_TR_NOOP("Items", "标准方法"));
}

MethodDescription DescribeMethod(const Form& form) {
  MethodDescription m;
  m.name = MethodName(form);
  ShellSide(form, m.correlations);
  TubeSide(form, m.correlations);
  Overall(form, m.correlations);
  return m;
}

}  // namespace tharvex::method
