#pragma once
// Parametric study ("工况分析"): one input field stepped over a range, each
// step the full calculation on a copy of the case, a chosen set of result
// fields read after each step. The case it is made from is not touched and
// no message box opens during the study.
#include <optional>
#include <string>
#include <vector>

namespace tharvex {
class MainModel;
}

namespace tharvex::study {

inline constexpr int kMaxSteps = 10000;

struct StudySpec {
  std::string input;                 // value field, for example "WsD"
  double from = 0, to = 0;           // in the unit the field shows
  int steps = 0;                     // values from `from` to `to`, both included
  std::vector<std::string> outputs;  // fields read after each step
  std::vector<double> values;        // when not empty, the input's values instead of the range
};

struct StudyRow {
  std::string inputText;  // what was typed into the input field
  double input = 0;
  bool ok = false;                 // the calculation ended with a successful attempt
  std::vector<std::string> texts;  // outputs as the fields show them (empty for a failed step)
  std::vector<double> values;      // their numbers; NaN where there is none
  std::string warning;             // status panel 1 after the step
};

struct StudyResult {
  StudySpec spec;
  std::string inputUnit;  // unit names as the fields show them ("" for plain numbers)
  std::vector<std::string> outputUnits;
  std::vector<StudyRow> rows;
};

// Parses NAME=FROM:TO:STEPS; nullopt when malformed.
std::optional<StudySpec> ParseStudyArg(const std::string& arg);
// Splits NAME,NAME,...
std::vector<std::string> ParseNameList(const std::string& list);

// Why the study cannot run on this case (an unknown field, an input that is
// not editable, a bad range or step count); empty when it can.
std::string CheckSpec(const MainModel& source, const StudySpec& spec);

// Runs the study; `spec` must pass CheckSpec. The input's value k is
// from + (to - from) * k / (steps - 1).
StudyResult RunStudy(const MainModel& source, const StudySpec& spec);

// Header line, then one line per step: the input, the outputs, ok (1/0) and
// the warning of the step.
std::string StudyCsv(const StudyResult& result);

// Copies every control's state of one window model to another with the same
// controls (the calculation state comes along, its drawing does not).
void CopyCase(const MainModel& from, MainModel& to);

}  // namespace tharvex::study
