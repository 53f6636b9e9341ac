// Property subcommands: evaluate a formula, a library property text or a
// whole library record; build the shipped library from its readable source.
#include <charconv>
#include <fstream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "cli/registry.h"
#include "core/help/build_info.h"
#include "core/props/formula_parser.h"
#include "core/props/my_values.h"
#include "core/props/prop_library.h"
#include "core/props/property_eval.h"

namespace tharvex::cli {

namespace {

using namespace tharvex::props;

std::string Digits17(double v) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 17);
  return std::string(buf, r.ptr);
}

std::string NeedValue(const std::vector<std::string>& args, size_t& i) {
  if (i + 1 >= args.size()) throw UsageError(args[i] + " needs a value");
  return args[++i];
}

std::string DefaultLibrary() { return std::string(BuildDataDir()) + "/" + kPropLibFileName; }

int Formula(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::optional<std::string> text;
  std::vector<std::pair<std::string, std::string>> vars;
  bool endOfOptions = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (!endOfOptions && a == "--") {
      endOfOptions = true;
    } else if (!endOfOptions && a == "--var") {
      vars.push_back(SplitAssignment("--var", NeedValue(args, i)));
    } else if (!endOfOptions && a.rfind("--", 0) == 0 && a.size() > 2 && !text) {
      throw UsageError("formula: unknown option '" + a + "'");
    } else if (!text) {
      text = a;
    } else {
      throw UsageError("formula: more than one formula text");
    }
  }
  if (!text) throw UsageError("formula TEXT [--var NAME=VALUE ...]");
  TFormulaParser parser;
  Real v = 0;
  if (vars.empty()) {
    parser.SetExpression(*text);
    v = parser.Evaluate();
  } else {
    TMyValues grid;
    for (const auto& [name, value] : vars) grid.AddVariable(name, value, "", "");
    try {
      v = parser.EvaluateWithGrid(*text, grid);
    } catch (const FormulaRangeError& e) {
      err << "tharvex-cli: " << e.what() << "\n";
      return 1;
    }
  }
  out << "value=" << Digits17(static_cast<double>(v)) << " error=" << parser.ErrorCode() << "\n";
  return 0;
}

// Prints one outcome; a failed evaluation prints an empty value (as the
// window clears the field) and its message. Returns false when it failed.
bool PrintOutcome(std::ostream& out, std::ostream& err, std::string_view property, const std::string& prefix,
                  const PropOutcome& o) {
  if (o.kind == PropOutcome::NoTemperature)
    out << kNoTemperature << "\n";
  else if (o.kind == PropOutcome::Clear)
    out << prefix << "\n";
  else if (o.Failed()) {
    out << prefix << "\n";
    err << "tharvex-cli: " << OutcomeFailure(property, o) << "\n";
    return false;
  } else
    out << prefix << Digits17(o.value) << "\n";
  return true;
}

int Property(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::optional<std::string> text, substance;
  std::string prop = "CP", t = "20", p = "100", lib = DefaultLibrary();
  bool liquid = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--text")
      text = NeedValue(args, i);
    else if (a == "--prop")
      prop = NeedValue(args, i);
    else if (a == "--t")
      t = NeedValue(args, i);
    else if (a == "--p")
      p = NeedValue(args, i);
    else if (a == "--liquid")
      liquid = true;
    else if (a == "--substance")
      substance = NeedValue(args, i);
    else if (a == "--lib")
      lib = NeedValue(args, i);
    else
      throw UsageError("property: unknown argument '" + a + "'");
  }
  if (text.has_value() == substance.has_value())
    throw UsageError("property --text TEXT [--prop NAME] --t T --p P [--liquid] | --substance NO --t T --p P");
  if (!FindPropField(prop) || SameName(prop, "NO") || SameName(prop, "CN") || SameName(prop, "EN") ||
      SameName(prop, "NT"))
    throw UsageError("property: --prop must be CP, MD, VI, TC, ST or HV");

  TMyValues grid = TMyValues::PropertyWindowGrid();
  grid.SetValue("t", t);
  grid.SetValue("p", p);
  try {
    if (text) {
      return PrintOutcome(out, err, prop, "value=", EvaluatePropertyText(prop, *text, liquid, grid)) ? 0 : 1;
    }
    PropLibLoad load = LoadPropLib(lib);
    if (!load.error.empty()) err << "tharvex-cli: " << load.error << "\n";
    for (const PropRecord& r : load.records) {
      if (r.Text(PropField::NO) != *substance) continue;
      out << "NO=" << r.Text(PropField::NO) << "\nCN=" << r.Text(PropField::CN) << "\nEN=" << r.Text(PropField::EN)
          << "\n";
      bool ok = true;
      for (const char* name : {"CP", "MD", "VI", "TC", "ST", "HV"})
        ok = PrintOutcome(out, err, name, std::string(name) + "=",
                          EvaluatePropertyText(name, r.Get(*FindPropField(name)), r.IsLiquid(), grid)) &&
             ok;
      return ok ? 0 : 1;
    }
    err << "tharvex-cli: no record with NO '" << *substance << "' in " << lib << "\n";
    return 1;
  } catch (const std::exception& e) {
    err << "tharvex-cli: " << e.what() << "\n";
    return 1;
  }
}

// proplib-build SOURCE.json OUT.cds: the shipped library from its source, a
// JSON array of objects with the ten field names as keys.
int ProplibBuild(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) throw UsageError("proplib-build SOURCE.json OUT.cds");
  std::ifstream in(args[0], std::ios::binary);
  if (!in) {
    err << "tharvex-cli: cannot read " << args[0] << "\n";
    return 1;
  }
  nlohmann::json doc = nlohmann::json::parse(in, nullptr, false);
  if (doc.is_discarded() || !doc.is_array()) {
    err << "tharvex-cli: " << args[0] << " is not a JSON array of records\n";
    return 1;
  }
  std::vector<PropRecord> records;
  for (const auto& item : doc) {
    PropRecord r;
    for (const auto& d : PropFieldDefs()) {
      auto it = item.find(std::string(d.name));
      if (it != item.end() && it->is_string()) r.Set(d.field, it->get<std::string>());
    }
    records.push_back(std::move(r));
  }
  std::string error = SavePropLib(args[1], records);
  if (!error.empty()) {
    err << "tharvex-cli: " << error << "\n";
    return 1;
  }
  out << records.size() << " records written to " << args[1] << "\n";
  return 0;
}

// proplib-list [PATH]: NO, names and note of every record.
int ProplibList(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() > 1) throw UsageError("proplib-list [PATH]");
  PropLibLoad load = LoadPropLib(args.empty() ? DefaultLibrary() : args[0]);
  if (!load.error.empty()) err << "tharvex-cli: " << load.error << "\n";
  for (const PropRecord& r : load.records)
    out << r.Text(PropField::NO) << "\t" << r.Text(PropField::CN) << "\t" << r.Text(PropField::EN) << "\n";
  return load.error.empty() ? 0 : 1;
}

}  // namespace

void RegisterPropertySubcommands(SubcommandTable& t) {
  t["formula"] = {Formula, "TEXT [--var NAME=VALUE ...]  evaluate a formula"};
  t["property"] = {Property,
                   "--text TEXT [--prop NAME] --t T --p P [--liquid] | --substance NO --t T --p P  "
                   "evaluate a library property"};
  t["proplib-build"] = {ProplibBuild, "SOURCE.json OUT.cds  build the property library from its source"};
  t["proplib-list"] = {ProplibList, "[PATH]  list the records of a property library"};
}

}  // namespace tharvex::cli
