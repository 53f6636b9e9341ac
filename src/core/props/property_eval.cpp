#include "core/props/property_eval.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <vector>

#include "core/fields/i18n.h"
#include "core/fields/number_format.h"
#include "core/props/formula_parser.h"
#include "core/props/prop_errors.h"
#include "core/props/table_value.h"

namespace tharvex::props {

namespace {

constexpr size_t kMaxParamStrings = 99;

std::string Trim(std::string_view s) { return std::string(TrimBlanks(s)); }

std::vector<std::string> SplitCommas(std::string_view s) {
  std::vector<std::string> parts;
  size_t from = 0;
  while (true) {
    size_t comma = s.find(',', from);
    parts.emplace_back(s.substr(from, comma == std::string_view::npos ? std::string_view::npos : comma - from));
    if (comma == std::string_view::npos) break;
    from = comma + 1;
  }
  return parts;
}

// Keeps what stands before the first `mark`, trimmed.
void CutAt(std::string& s, char mark) {
  size_t at = s.find(mark);
  if (at != std::string::npos) s = Trim(std::string_view(s).substr(0, at));
}

std::string Number15(double v) { return FormatGeneral(v, 15, 0); }

}  // namespace

std::string CutComments(std::string_view text) {
  std::string s = Trim(text);
  CutAt(s, '?');
  CutAt(s, '<');
  CutAt(s, '{');
  size_t eq = s.find('=');
  if (eq != std::string::npos) s = Trim(std::string_view(s).substr(eq + 1));
  return s;
}

void ReplaceAll(std::string& s, std::string_view key, std::string_view value) {
  if (key.empty()) return;
  size_t at = 0;
  while ((at = s.find(key, at)) != std::string::npos) {
    s.replace(at, key.size(), value);
    at += value.size();
  }
}

void FillVector(ParamVector& v, std::string_view list, const TMyValues& grid) {
  std::string all = std::string(list) + "," + grid.ValueAt(2) + "," + grid.ValueAt(1);
  std::vector<std::string> pieces = SplitCommas(all);
  if (pieces.size() > v.size() - 1)
    throw std::length_error(
        i18n::Format(i18n::Tr("Messages", "物性参数过多：最多 %1 个数（含 p 和 t）"), {std::to_string(v.size() - 1)}));
  for (size_t i = 0; i < pieces.size(); ++i) v[i + 1] = ToNumber(pieces[i]);
}

PropOutcome EvaluatePropertyText(std::string_view property, const std::optional<std::string>& text, bool liquid,
                                 TMyValues& grid) {
  std::string tText = grid.GetValue("t");
  if (tText.empty()) return {PropOutcome::NoTemperature};
  if (!text) return {PropOutcome::Clear};
  std::string s = CutComments(*text);

  // Parameter list: strings for the formula keys, numbers for the vector.
  std::vector<std::string> params;
  ParamVector vec{};
  size_t pk = s.find("PARAMS:");
  if (pk != std::string::npos) {
    std::string list = Trim(std::string_view(s).substr(pk + 7));
    s = Trim(std::string_view(s).substr(0, pk));
    params = SplitCommas(list);
    if (params.size() > kMaxParamStrings) throw std::length_error(THX_TR_NOOP("Messages", "物性参数过多：最多 99 个"));
    FillVector(vec, list, grid);
  }
  auto param = [&](size_t k) { return k <= params.size() ? params[k - 1] : std::string(); };

  std::string prop = std::string(property);
  auto field = FindPropField(prop);
  int mark = liquid ? 1 : 0;

  // Equation-of-state text: a prefix of at most 8 characters before ":".
  size_t colon = s.find(':');
  if (colon != std::string::npos && colon <= 8) {
    std::string prefix = s.substr(0, colon);
    vec[0] = prefix == "VRV" ? 1 : 0;
    FillVector(vec, std::string_view(s).substr(colon + 1), grid);
    double r = 0;
    bool routine = true;
    if (vec[0] == 0) {
      if (field == PropField::MD)
        r = PrDensity(vec, 20, mark);
      else if (field == PropField::VI)
        r = PrViscosity(vec, 20, mark);
      else if (field == PropField::TC)
        r = PrConductivity(vec, 20, mark);
      else
        routine = false;
    } else if (field == PropField::MD) {
      r = VirialDensity(vec, 20, mark);
    } else {
      routine = false;
    }
    PropOutcome o{PropOutcome::Value, r};
    // The routines give 0 where the model does not fit; neither that nor a
    // property without a routine may pass for a value.
    if (!routine)
      o.failure = i18n::Format(
          i18n::Tr("Messages", "“%1”没有状态方程算法（%2）：状态方程只计算密度、粘度和导热系数，VRV 只计算密度。"),
          {i18n::Tr("Props", PropertyCaption(property)), prefix});
    else if (!(r > 0))
      o.failure = i18n::Format(
          i18n::Tr("Messages", "“%1”的状态方程（%2）在此温度和压力下无解，请检查临界参数和状态（液体/气体）。"),
          {i18n::Tr("Props", PropertyCaption(property)), prefix});
    return o;
  }
  if (s.empty()) return {PropOutcome::Clear};

  // Tables and constants.
  if (s.find(',') != std::string::npos || ParseStrict(s)) {
    double t = ToNumber(tText);
    return {PropOutcome::Value, TableValue(s, t)};
  }

  // Formula: the keys are rewritten in this order, each on the result of the
  // one before; "Pc" and "Tc" go before "P" and "T" and bring lower-case
  // p and t, which the single-letter keys leave alone.
  if (s.find("PRRCP") != std::string::npos) ReplaceAll(s, "PRRCP", Number15(PrResidualCp(vec, 20, mark)));
  if (s.find("VRRCP") != std::string::npos) ReplaceAll(s, "VRRCP", Number15(VirialResidualCp(vec, 20, mark)));
  if (!param(1).empty()) {
    ReplaceAll(s, "Pc", "(1.0E3*" + param(1) + ")");
    ReplaceAll(s, "Pr", "(p/" + param(1) + ")");
  }
  if (!param(2).empty()) {
    ReplaceAll(s, "Tc", param(2));
    ReplaceAll(s, "Tr", "((t+273.15)/" + param(2) + ")");
  }
  if (!param(3).empty()) {
    ReplaceAll(s, "Vc", "(1.0E-6*" + param(3) + ")");
    ReplaceAll(s, "Vr", "(V/(1.0E6*" + param(3) + "))");
  }
  if (!param(4).empty()) {
    ReplaceAll(s, "Zc", param(4));
    ReplaceAll(s, "Zr", "(Z/" + param(4) + ")");
  }
  if (!param(5).empty()) ReplaceAll(s, "w", param(5));
  if (!param(6).empty()) ReplaceAll(s, "M", param(6));
  if (!param(7).empty()) ReplaceAll(s, "B", param(7));
  ReplaceAll(s, "T", "(t+273.15)");
  ReplaceAll(s, "P", "(1.0E3*p)");
  ReplaceAll(s, "R", "8.314");

  TFormulaParser parser;
  Real v = parser.EvaluateWithGrid(s, grid);
  return {PropOutcome::Value, static_cast<double>(v), parser.ErrorCode(), parser.Expression()};
}

std::string FormulaFailure(std::string_view caption, const PropOutcome& o) {
  TFormulaParser parser(0);
  // Composed once, in the language shown.
  return i18n::Format(i18n::Tr("Messages", "“%1”的公式无法计算（错误 %2：%3）：%4"),
                      {i18n::Tr("Props", caption), std::to_string(o.formulaError),
                       i18n::Tr("Messages", parser.ErrorMessage(o.formulaError)), o.expression}) +
         "\n" +
         i18n::Tr("Messages",
                  "物性文本中的函数名请用小写（如 sqrt、exp、ln），大写字母 T、P、R、M、B 和小写 w 会被替换。");
}

std::vector<std::string> NamesBrokenByKeys(const std::optional<std::string>& text) {
  std::vector<std::string> broken;
  if (!text) return broken;
  std::string s = CutComments(*text);
  std::vector<std::string> params;
  if (size_t pk = s.find("PARAMS:"); pk != std::string::npos) {
    params = SplitCommas(Trim(std::string_view(s).substr(pk + 7)));
    s = Trim(std::string_view(s).substr(0, pk));
  }
  size_t colon = s.find(':');
  if ((colon != std::string::npos && colon <= 8) || s.empty() || s.find(',') != std::string::npos || ParseStrict(s))
    return broken;
  auto param = [&](size_t k) { return k <= params.size() ? params[k - 1] : std::string(); };
  // The keys as the formula path replaces them, on one name at a time.
  auto rewrite = [&](std::string n) {
    if (!param(1).empty()) ReplaceAll(n, "Pc", "#"), ReplaceAll(n, "Pr", "#");
    if (!param(2).empty()) ReplaceAll(n, "Tc", "#"), ReplaceAll(n, "Tr", "#");
    if (!param(3).empty()) ReplaceAll(n, "Vc", "#"), ReplaceAll(n, "Vr", "#");
    if (!param(4).empty()) ReplaceAll(n, "Zc", "#"), ReplaceAll(n, "Zr", "#");
    if (!param(5).empty()) ReplaceAll(n, "w", "#");
    if (!param(6).empty()) ReplaceAll(n, "M", "#");
    if (!param(7).empty()) ReplaceAll(n, "B", "#");
    for (const char* key : {"T", "P", "R"}) ReplaceAll(n, key, "#");
    return n;
  };
  std::vector<std::string> known;
  for (const auto& e : TBuildinFuncs::Entries()) known.emplace_back(e.name);
  auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  for (size_t i = 0; i < s.size();) {
    if (!isLetter(s[i]) || (i > 0 && (std::isdigit(static_cast<unsigned char>(s[i - 1])) || s[i - 1] == '_'))) {
      ++i;
      continue;
    }
    size_t j = i;
    while (j < s.size() && (isLetter(s[j]) || std::isdigit(static_cast<unsigned char>(s[j])) || s[j] == '_')) ++j;
    std::string name = s.substr(i, j - i);
    i = j;
    std::string upper = name;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (std::find(known.begin(), known.end(), upper) == known.end()) continue;
    if (rewrite(name) == name) continue;
    if (std::find(broken.begin(), broken.end(), name) == broken.end()) broken.push_back(name);
  }
  return broken;
}

std::string PropertyCaption(std::string_view property) {
  const auto f = FindPropField(property);
  for (const auto& d : PropFieldDefs())
    if (f == d.field) return std::string(d.caption);
  return std::string(property);
}

std::string OutcomeFailure(std::string_view property, const PropOutcome& o) {
  return o.failure.empty() ? FormulaFailure(PropertyCaption(property), o) : o.failure;
}

void EvaluateProperty(std::string_view property, Control& field, const PropRecord& record, TMyValues& grid,
                      MessageSink& sink) {
  std::optional<std::string> text;
  if (auto f = FindPropField(property)) text = record.Get(*f);
  PropOutcome o = EvaluatePropertyText(property, text, record.IsLiquid(), grid);
  switch (o.kind) {
    case PropOutcome::NoTemperature:
      sink.Show({kNoTemperature, "", MessageIcon::Warning, MessageButtons::Ok});
      break;
    case PropOutcome::Clear:
      field.setText("");
      break;
    case PropOutcome::Value:
      if (o.Failed()) {
        // A failed formula or equation of state yields 0, which must not
        // pass for a property.
        field.setText("");
        sink.Show({OutcomeFailure(property, o), "", MessageIcon::Error, MessageButtons::Ok});
        break;
      }
      field.SetSIValue(o.value);
      break;
  }
}

}  // namespace tharvex::props
