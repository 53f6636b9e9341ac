#pragma once
// One substance of the property library: ten text fields, any of them null.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tharvex::props {

enum class PropField { NO, CN, EN, CP, MD, VI, TC, ST, HV, NT };
inline constexpr int kPropFieldCount = 10;

struct PropFieldDef {
  PropField field;
  std::string_view name;     // column name
  int maxLength;             // characters
  std::string_view caption;  // as the window labels it
};

const std::array<PropFieldDef, kPropFieldCount>& PropFieldDefs();
const PropFieldDef& DefOf(PropField f);
// Field by name, ignoring case ("Cp" is CP); nothing for an unknown name.
std::optional<PropField> FindPropField(std::string_view name);

struct PropRecord {
  std::array<std::optional<std::string>, kPropFieldCount> values;

  const std::optional<std::string>& Get(PropField f) const { return values[static_cast<size_t>(f)]; }
  void Set(PropField f, std::optional<std::string> v) { values[static_cast<size_t>(f)] = std::move(v); }
  std::string Text(PropField f) const { return Get(f).value_or(std::string()); }

  // A record whose Chinese name holds "液" is a liquid: the equation-of-state
  // searches start from a liquid-like value.
  bool IsLiquid() const { return Text(PropField::CN).find("液") != std::string::npos; }

  bool operator==(const PropRecord&) const = default;
};

// Characters of a UTF-8 text (what the length limits count).
int CharCount(std::string_view utf8);
// The first field whose text is longer than its limit, with a message; nothing
// when the record fits.
std::optional<std::string> CheckLengths(const PropRecord& r);

}  // namespace tharvex::props
