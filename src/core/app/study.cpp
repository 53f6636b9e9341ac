#include "core/app/study.h"

#include <cmath>
#include <limits>

#include "core/app/main_model.h"
#include "core/fields/number_format.h"

namespace tharvex::study {

namespace {

// Study steps show no message box: whatever the calculation would show is
// dropped (the step is then marked by its result).
class SilentSink : public MessageSink {
 public:
  MessageAnswer Show(const Message& m) override {
    return m.buttons == MessageButtons::Ok || m.buttons == MessageButtons::OkCancel ? MessageAnswer::Ok
                                                                                    : MessageAnswer::No;
  }
};

void CopyControl(const Control& a, Control& b, bool whole) {
  if (b.text() != a.text()) b.setText(a.text());
  b.setEnabled(a.enabled());
  b.setReadOnly(a.readOnly());
  b.setColor(a.color());
  b.setFontColor(a.fontColor());
  b.setCursor(a.cursor());
  if (b.itemIndex() != a.itemIndex()) b.setItemIndex(a.itemIndex());
  b.setChecked(a.checked());
  if (b.exchange() != a.exchange()) b.setExchangeRaw(a.exchange());
  b.setMyResolved(a.myResolved());
  if (whole) {
    b.setVisible(a.visible());
    if (b.caption() != a.caption()) b.setCaption(a.caption());
    if (b.items() != a.items()) b.setItems(a.items());
    if (b.lines() != a.lines()) b.setLines(a.lines());
  }
}

void CopyState(const MainModel& from, MainModel& to, bool whole) {
  const auto& src = from.form().controls();
  const auto& dst = to.form().controls();
  for (size_t k = 0; k < src.size() && k < dst.size(); ++k) CopyControl(*src[k], *dst[k], whole);
  const engine::CalcState& a = from.engine().state();
  engine::CalcState& b = to.engine().state();
  b.OptFaceVelocity = a.OptFaceVelocity;
  b.WetCondensationHeat = a.WetCondensationHeat;
  b.CachedLmtd = a.CachedLmtd;
  b.x1 = a.x1;
  b.x2 = a.x2;
  b.InteractiveOutput = false;  // no trace lines, no drawing: nobody sees them
  b.Optimising = false;
}

double NumberOf(const std::string& text) {
  auto v = ParseLenient(text);
  return v ? *v : std::numeric_limits<double>::quiet_NaN();
}

std::string UnitOf(const MainModel& m, const std::string& field) {
  const Control* c = m.form().Find(field);
  if (!c || c->kind() != ControlKind::TEditD) return {};
  for (const auto& other : m.form().controls())
    if (other->kind() == ControlKind::TComboBoxU && other->associated() == field) return other->GetUnit();
  return {};
}

std::string CsvField(const std::string& s) {
  if (s.find_first_of(",\"\n\r") == std::string::npos) return s;
  std::string o = "\"";
  for (char ch : s) {
    if (ch == '"') o += '"';
    o += ch;
  }
  return o + "\"";
}

}  // namespace

std::optional<StudySpec> ParseStudyArg(const std::string& arg) {
  const size_t eq = arg.find('=');
  if (eq == std::string::npos || eq == 0) return std::nullopt;
  StudySpec s;
  s.input = arg.substr(0, eq);
  const std::string rest = arg.substr(eq + 1);
  const size_t c1 = rest.find(':');
  const size_t c2 = c1 == std::string::npos ? c1 : rest.find(':', c1 + 1);
  if (c2 == std::string::npos || rest.find(':', c2 + 1) != std::string::npos) return std::nullopt;
  auto from = ParseLenient(rest.substr(0, c1));
  auto to = ParseLenient(rest.substr(c1 + 1, c2 - c1 - 1));
  auto steps = ParseInteger(rest.substr(c2 + 1));
  if (!from || !to || !steps) return std::nullopt;
  s.from = *from;
  s.to = *to;
  if (*steps < 0 || *steps > kMaxSteps + 1) return std::nullopt;
  s.steps = static_cast<int>(*steps);
  return s;
}

std::vector<std::string> ParseNameList(const std::string& list) {
  std::vector<std::string> names;
  std::string cur;
  for (char ch : list + ",") {
    if (ch == ',') {
      std::string t(TrimBlanks(cur));
      if (!t.empty()) names.push_back(t);
      cur.clear();
    } else {
      cur += ch;
    }
  }
  return names;
}

std::string CheckSpec(const MainModel& source, const StudySpec& spec) {
  const Form& f = source.form();
  const Control* in = f.Find(spec.input);
  if (!in) return "unknown field '" + spec.input + "'";
  if (!in->isEdit()) return "'" + spec.input + "' is not a value field";
  if (!in->enabled() || in->readOnly()) return "'" + spec.input + "' is not an input in this case";
  if (!spec.values.empty()) {
    if (spec.values.size() > static_cast<size_t>(kMaxSteps))
      return "the number of steps must be 1 to " + std::to_string(kMaxSteps);
    for (double v : spec.values)
      if (!std::isfinite(v)) return "the values must be finite numbers";
  } else {
    if (!std::isfinite(spec.from) || !std::isfinite(spec.to)) return "the range must be finite numbers";
    if (spec.steps < 1 || spec.steps > kMaxSteps)
      return "the number of steps must be 1 to " + std::to_string(kMaxSteps);
  }
  if (spec.outputs.empty()) return "no result field to follow";
  for (const std::string& name : spec.outputs) {
    const Control* c = f.Find(name);
    if (!c) return "unknown field '" + name + "'";
    if (!c->isEdit()) return "'" + name + "' is not a value field";
  }
  return {};
}

void CopyCase(const MainModel& from, MainModel& to) { CopyState(from, to, true); }

StudyResult RunStudy(const MainModel& source, const StudySpec& spec) {
  StudyResult result;
  result.spec = spec;
  result.inputUnit = UnitOf(source, spec.input);
  for (const std::string& o : spec.outputs) result.outputUnits.push_back(UnitOf(source, o));

  SilentSink silent;
  MainModel model(silent);
  CopyState(source, model, true);
  Form& form = model.form();
  Control& input = form.At(spec.input);
  std::vector<const Control*> outputs;
  for (const std::string& o : spec.outputs) outputs.push_back(&form.At(o));

  const int steps = spec.values.empty() ? spec.steps : static_cast<int>(spec.values.size());
  result.rows.reserve(static_cast<size_t>(steps));
  for (int k = 0; k < steps; ++k) {
    if (k > 0) CopyState(source, model, false);  // each step starts from the case as it is
    const double v = !spec.values.empty() ? spec.values[static_cast<size_t>(k)]
                     : steps == 1         ? spec.from
                     : k == steps - 1     ? spec.to
                                          : spec.from + (spec.to - spec.from) * k / (steps - 1);
    StudyRow row;
    row.input = v;
    row.inputText = FormatGeneral(v);
    input.setText(row.inputText);
    model.engine().WsDExit(&input);
    row.ok = model.engine().state().lastRunSucceeded;
    for (const Control* c : outputs) {
      row.texts.push_back(row.ok ? c->text() : std::string());
      row.values.push_back(row.ok ? NumberOf(c->text()) : std::numeric_limits<double>::quiet_NaN());
    }
    row.warning = form.status(1);
    result.rows.push_back(std::move(row));
  }
  return result;
}

std::string StudyCsv(const StudyResult& r) {
  auto head = [](const std::string& name, const std::string& unit) {
    return CsvField(unit.empty() ? name : name + " [" + unit + "]");
  };
  std::string out = head(r.spec.input, r.inputUnit);
  for (size_t i = 0; i < r.spec.outputs.size(); ++i)
    out += "," + head(r.spec.outputs[i], i < r.outputUnits.size() ? r.outputUnits[i] : std::string());
  out += ",ok,warning\n";
  for (const StudyRow& row : r.rows) {
    out += CsvField(row.inputText);
    for (const std::string& t : row.texts) out += "," + CsvField(std::string(TrimBlanks(t)));
    out += row.ok ? ",1," : ",0,";
    out += CsvField(row.warning);
    out += "\n";
  }
  return out;
}

}  // namespace tharvex::study
