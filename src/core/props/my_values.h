#pragma once
// TMyValues: a grid of named variables (name, value text, unit, note). Row 0
// holds the column titles, rows 1 and below the variables. Formulas reach the
// values through TFormulaParser::EvaluateWithGrid. The desktop grid binds to
// this model; nothing here knows about widgets.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tharvex::props {

class TMyValues {
 public:
  static constexpr int kColumns = 4;  // 0 name, 1 value, 2 unit, 3 note
  using Row = std::array<std::string, kColumns>;

  // One title row "名称", "数量", "单位", "备注"; Unique set.
  TMyValues();

  // The property window's start state: rows t = 20 C and p = 100 kPa.
  static TMyValues PropertyWindowGrid();

  bool Unique() const { return unique_; }
  void SetUnique(bool v) { unique_ = v; }

  int RowCount() const { return static_cast<int>(rows_.size()); }
  const std::string& Cell(int col, int row) const;   // empty text outside the grid
  void SetCell(int col, int row, std::string text);  // grows the grid when needed

  // Typing by the user: the unit and note columns and the title row refuse
  // keys (returns false, nothing changes).
  bool TypeInto(int col, int row, std::string text);
  static bool AcceptsTyping(int col, int row) { return row > 0 && (col == 0 || col == 1); }

  // Loading the rows of a saved layout: cells of rows 1 and below are trimmed.
  void Load(const std::vector<Row>& rows);

  void ClearFrom(int row);
  void AddVariable(std::string_view name, std::string_view value, std::string_view unit, std::string_view note);
  std::string GetValue(std::string_view name) const;  // row 0 included; "" when absent
  void SetValue(std::string_view name, std::string_view value);
  bool HasName(std::string_view name) const;  // rows 0 and below
  std::string ValueAt(int row) const { return Cell(1, row); }

  // Live views of the columns (from row 0 down) and of the title row.
  std::vector<std::string> Names() const { return Column(0); }
  std::vector<std::string> Values() const { return Column(1); }
  std::vector<std::string> Units() const { return Column(2); }
  std::vector<std::string> Notes() const { return Column(3); }
  std::vector<std::string> Titles() const;
  void SetNames(const std::vector<std::string>& v) { SetColumn(0, v); }
  void SetValues(const std::vector<std::string>& v) { SetColumn(1, v); }
  void SetUnits(const std::vector<std::string>& v) { SetColumn(2, v); }
  void SetNotes(const std::vector<std::string>& v) { SetColumn(3, v); }
  void SetTitles(const std::vector<std::string>& v);

  // Bumped on every change, so a view knows when to refresh.
  unsigned long revision() const { return revision_; }

 private:
  int FindRow(std::string_view name, int fromRow) const;
  std::vector<std::string> Column(int col) const;
  void SetColumn(int col, const std::vector<std::string>& v);

  std::vector<Row> rows_;
  bool unique_ = true;
  unsigned long revision_ = 0;
};

// ASCII case-insensitive equality of names.
bool SameName(std::string_view a, std::string_view b);

}  // namespace tharvex::props
