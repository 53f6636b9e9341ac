#pragma once
// Unit lists of the unit selectors. An item is the unit name padded with
// blanks so that the bar stands after a fixed number of bytes (GBK), then
// "|" and the factor text: the SI value of one shown unit.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tharvex {

struct UnitDef {
  std::string_view name;    // as shown, UTF-8
  std::string_view factor;  // factor text exactly as written after the bar
  int barBytes;             // bytes before the bar in GBK
};

enum class UnitList {
  None,
  MassFlow,
  SpecificHeat,
  Temperature,
  HeatFlow,
  LatentHeat,
  Viscosity,
  Conductivity,
  Density,
  SurfaceTension,
  SurfaceTensionProp,
  Pressure,
  Length,
  NozzleLength,
  FaceArea,
  Area,
  Coefficient,
  Velocity,
  Fouling,
  TubeCount,
  ColumnCount,
  SegmentCount,
  Dimensionless,
  Humidity,
  Percent,
};

const std::vector<UnitDef>& UnitDefs(UnitList list);

// Item texts of a list: name + blank padding + "|" + factor.
std::vector<std::string> UnitItems(UnitList list);
std::string MakeUnitItem(const UnitDef& def);

// Bytes a UTF-8 text takes in GBK: one per ASCII character, two otherwise.
int GbkByteLength(std::string_view utf8);

// The unit name of an item: text before the first bar, blanks trimmed.
std::string GetUnit(std::string_view item);

// The unit of an item (or a bare unit name) as shown: with its proper
// symbols ("W/(m²·K)", "°C") while the unit-symbol option is on, and a
// Chinese unit name ("根") translated. Used by the window, the report, the
// sheet and the exports; the stored item stays as it is.
std::string DisplayUnit(std::string_view itemOrName);

// The proper symbol form of a plain unit name ("m2.K/W" -> "m²·K/W"); names
// it does not know come back with "m2"/"m3" and the dots between units
// written the proper way.
std::string UnitSymbol(std::string_view plain);

// The factor of an item: at most 50 characters after the first bar, read
// leniently. Nothing when there is no bar or the text is not a number.
std::optional<double> ReadUnitFactor(std::string_view item);

}  // namespace tharvex
