#include "core/fields/units.h"

#include <map>

#include "core/fields/i18n.h"
#include "core/fields/number_format.h"

namespace tharvex {

namespace {

using L = std::vector<UnitDef>;

const L kMassFlow{{"kg/s", "1", 34}, {"kg/h", "2.7778E-4", 34}, {"t/h", "0.27778", 34}};
const L kSpecificHeat{
    {"J/(kg.K)", "1", 41}, {"kJ/(kg.K)", "1000", 41}, {"kcal/kg.K", "4187", 41}, {"Mkcal/kg.K", "4.187E9", 41}};
const L kTemperature{{"C", "1", 34}};
const L kHeatFlow{{"W", "1", 37},          {"J/s", "1", 37},          {"kW", "1000", 37},
                  {"kJ/h", "0.27778", 37}, {"kcal/h", "1.16306", 37}, {"Mkcal/h", "1.1631E+6", 37}};
const L kLatentHeat{{"J/kg", "1", 40}, {"kJ/kg", "1000", 40}, {"kcal/kg", "4186", 40}};
const L kViscosity{{"N.S/m2", "1", 40}, {"Pa.S", "1", 40}, {"cP", "0.001", 40}};
const L kConductivity{{"W/(m.K)", "1", 41},
                      {"kW/(m.K)", "1000", 41},
                      {"kJ/(m.K.S)", "1000", 41},
                      {"kcal/(m.K.S)", "4187", 41},
                      {"kcal/(m.K.h)", "1.1630", 41}};
const L kDensity{{"kg/m3", "1", 40}, {"t/m3", "1000", 40}};
const L kSurfaceTension{{"N/m", "1", 38}, {"Dyne/cm", "0.001", 38}, {"g/cm", "0.9807", 38}, {"kg/m", "9.807 ", 38}};
const L kSurfaceTensionProp{{"N/m", "1", 38}, {"Dyne/cm", "0.001", 38}, {"g/cm", "0.9807", 38}, {"kg/m", "9.807", 38}};
const L kPressure{{"N/m2", "1", 40},   {"Pa", "1", 40},         {"kN/m2", "1000", 40},
                  {"kPa", "1000", 40}, {"kg/cm2", "98070", 40}, {"MPa", "1.0e6", 40}};
const L kLength{{"m", "1", 35}, {"dm", "0.1", 34}, {"cm", "0.01", 34}, {"mm", "0.001", 33}};
const L kNozzleLength{{"m", "1", 35}, {"dm", "0.1", 35}, {"cm", "0.01", 35}, {"mm", "0.001", 35}};
const L kFaceArea{{"m2", "1", 38}, {"dm2", "0.01", 37}, {"cm2", "1.0E-4", 37}, {"mm2", "1.0E-6", 36}};
const L kArea{{"m2", "1", 36}, {"dm2", "0.01", 36}, {"cm2", "1.0E-4", 36}, {"mm2", "1.0E-6", 36}};
const L kCoefficient{{"W/(m2.K)", "1", 42},       {"J/(m2.S.K)", "1", 42},       {"kW/(m2.K)", "1000", 42},
                     {"kJ/(m2.K.S)", "1000", 42}, {"kcal/(m2.K.S)", "4187", 42}, {"kcal/(m2.K.h)", "1.16306", 42}};
const L kVelocity{{"m/s", "1", 37}, {"dm/s", "0.1", 37}, {"cm/s", "0.01", 37}, {"mm/", "0.001", 37}};
const L kFouling{{"m2.K/W", "1", 37},
                 {"m2.K/kW", "0.001", 37},
                 {"m2.K.S/cal", "0.23883", 37},
                 {"m2.K.S/kcal", "2.3883E-4 ", 37},
                 {"m2.K.h/kcal", "0.8598", 37}};
const L kTubeCount{{THX_TR_NOOP("Units", "根"), "1", 36}};
const L kColumnCount{{THX_TR_NOOP("Units", "列"), "1", 36}};
const L kSegmentCount{{THX_TR_NOOP("Units", "段"), "1", 34}};
const L kDimensionless{{THX_TR_NOOP("Units", "无因次"), "1", 38}};
const L kHumidity{{THX_TR_NOOP("Units", "kg水/kg干空气"), "1", 45}};
const L kPercent{{"%", "1", 33}};
const L kNone{};

}  // namespace

const std::vector<UnitDef>& UnitDefs(UnitList list) {
  switch (list) {
    case UnitList::MassFlow:
      return kMassFlow;
    case UnitList::SpecificHeat:
      return kSpecificHeat;
    case UnitList::Temperature:
      return kTemperature;
    case UnitList::HeatFlow:
      return kHeatFlow;
    case UnitList::LatentHeat:
      return kLatentHeat;
    case UnitList::Viscosity:
      return kViscosity;
    case UnitList::Conductivity:
      return kConductivity;
    case UnitList::Density:
      return kDensity;
    case UnitList::SurfaceTension:
      return kSurfaceTension;
    case UnitList::SurfaceTensionProp:
      return kSurfaceTensionProp;
    case UnitList::Pressure:
      return kPressure;
    case UnitList::Length:
      return kLength;
    case UnitList::NozzleLength:
      return kNozzleLength;
    case UnitList::FaceArea:
      return kFaceArea;
    case UnitList::Area:
      return kArea;
    case UnitList::Coefficient:
      return kCoefficient;
    case UnitList::Velocity:
      return kVelocity;
    case UnitList::Fouling:
      return kFouling;
    case UnitList::TubeCount:
      return kTubeCount;
    case UnitList::ColumnCount:
      return kColumnCount;
    case UnitList::SegmentCount:
      return kSegmentCount;
    case UnitList::Dimensionless:
      return kDimensionless;
    case UnitList::Humidity:
      return kHumidity;
    case UnitList::Percent:
      return kPercent;
    case UnitList::None:
      break;
  }
  return kNone;
}

int GbkByteLength(std::string_view utf8) {
  int n = 0;
  for (unsigned char c : utf8) {
    if (c < 0x80)
      n += 1;
    else if ((c & 0xC0) != 0x80)
      n += 2;  // lead byte of a multi-byte character
  }
  return n;
}

std::string MakeUnitItem(const UnitDef& def) {
  std::string s(def.name);
  int pad = def.barBytes - GbkByteLength(def.name);
  if (pad > 0) s.append(static_cast<size_t>(pad), ' ');
  s.push_back('|');
  s.append(def.factor);
  return s;
}

std::vector<std::string> UnitItems(UnitList list) {
  std::vector<std::string> items;
  for (const auto& d : UnitDefs(list)) items.push_back(MakeUnitItem(d));
  return items;
}

std::string GetUnit(std::string_view item) {
  size_t bar = item.find('|');
  return std::string(TrimBlanks(item.substr(0, bar)));
}

std::string UnitSymbol(std::string_view plain) {
  // Names whose symbol is more than a rewrite of digits and dots: the
  // degree sign, kilogram-force units and the velocity item written "mm/".
  static const std::map<std::string_view, std::string_view> kSpecial{
      {"C", "°C"},
      {"kcal/kg.K", "kcal/(kg·K)"},
      {"Mkcal/kg.K", "Mkcal/(kg·K)"},
      {"Dyne/cm", "dyn/cm"},
      {"g/cm", "gf/cm"},
      {"kg/m", "kgf/m"},
      {"kg/cm2", "kgf/cm²"},
      {"mm/", "mm/s"},
  };
  if (auto it = kSpecial.find(plain); it != kSpecial.end()) return std::string(it->second);
  std::string s;
  for (size_t i = 0; i < plain.size(); ++i) {
    const char c = plain[i];
    const char prev = i > 0 ? plain[i - 1] : '\0';
    const char next = i + 1 < plain.size() ? plain[i + 1] : '\0';
    if ((c == '2' || c == '3') && prev == 'm' && !(next >= '0' && next <= '9')) {
      s += c == '2' ? "²" : "³";
    } else if (c == '.' && i > 0) {
      s += "·";  // unit names hold no decimal point: a dot is a product of units
    } else if (c == 'S' && (prev == '.' || prev == '/') && !(next >= 'a' && next <= 'z')) {
      s += 's';  // the second is written lower case
    } else {
      s += c;
    }
  }
  return s;
}

std::string DisplayUnit(std::string_view itemOrName) {
  std::string name = GetUnit(itemOrName);
  if (i18n::HasCjk(name)) return i18n::Tr(i18n::kUnits, name);
  return i18n::UnitSymbols() ? UnitSymbol(name) : name;
}

std::optional<double> ReadUnitFactor(std::string_view item) {
  size_t bar = item.find('|');
  if (bar == std::string_view::npos) return std::nullopt;
  return ParseLenient(item.substr(bar + 1, 50));
}

}  // namespace tharvex
