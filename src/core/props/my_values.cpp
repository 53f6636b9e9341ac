#include "core/props/my_values.h"

#include "core/fields/i18n.h"
#include "core/fields/number_format.h"

namespace tharvex::props {

namespace {
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
const std::string kEmpty;
}  // namespace

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

TMyValues::TMyValues() {
  rows_.push_back({THX_TR_NOOP("Props", "名称"), THX_TR_NOOP("Props", "数量"), THX_TR_NOOP("Props", "单位"),
                   THX_TR_NOOP("Props", "备注")});
}

TMyValues TMyValues::PropertyWindowGrid() {
  TMyValues g;
  g.Load({{THX_TR_NOOP("Props", "名称"), THX_TR_NOOP("Props", "数量"), THX_TR_NOOP("Props", "单位"),
           THX_TR_NOOP("Props", "备注")},
          {"t", "20", "C", THX_TR_NOOP("Props", "温度")},
          {"p", "100", "kPa", THX_TR_NOOP("Props", "压力")}});
  return g;
}

const std::string& TMyValues::Cell(int col, int row) const {
  if (col < 0 || col >= kColumns || row < 0 || row >= RowCount()) return kEmpty;
  return rows_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void TMyValues::SetCell(int col, int row, std::string text) {
  if (col < 0 || col >= kColumns || row < 0) return;
  while (row >= RowCount()) rows_.push_back({});
  rows_[static_cast<size_t>(row)][static_cast<size_t>(col)] = std::move(text);
  ++revision_;
}

bool TMyValues::TypeInto(int col, int row, std::string text) {
  if (!AcceptsTyping(col, row) || row >= RowCount()) return false;
  SetCell(col, row, std::move(text));
  return true;
}

void TMyValues::Load(const std::vector<Row>& rows) {
  rows_ = rows;
  if (rows_.empty()) rows_.push_back({});
  for (size_t r = 1; r < rows_.size(); ++r)
    for (auto& cell : rows_[r]) cell = std::string(TrimBlanks(cell));
  ++revision_;
}

void TMyValues::ClearFrom(int row) {
  for (int r = row < 0 ? 0 : row; r < RowCount(); ++r) rows_[static_cast<size_t>(r)] = Row{};
  ++revision_;
}

int TMyValues::FindRow(std::string_view name, int fromRow) const {
  for (int r = fromRow; r < RowCount(); ++r)
    if (SameName(rows_[static_cast<size_t>(r)][0], name)) return r;
  return -1;
}

bool TMyValues::HasName(std::string_view name) const { return FindRow(name, 0) >= 0; }

void TMyValues::AddVariable(std::string_view name, std::string_view value, std::string_view unit,
                            std::string_view note) {
  if (unique_ && FindRow(name, 1) >= 1) return;
  int target = -1;
  for (int r = 0; r < RowCount(); ++r) {
    if (TrimBlanks(rows_[static_cast<size_t>(r)][0]).empty()) {
      target = r;
      break;
    }
  }
  if (target < 0) {
    rows_.push_back({});
    target = RowCount() - 1;
  }
  Row& row = rows_[static_cast<size_t>(target)];
  // An empty argument leaves its cell as it was.
  if (!name.empty()) row[0] = name;
  if (!value.empty()) row[1] = value;
  if (!unit.empty()) row[2] = unit;
  if (!note.empty()) row[3] = note;
  ++revision_;
}

std::string TMyValues::GetValue(std::string_view name) const {
  int r = FindRow(name, 0);
  return r < 0 ? std::string() : rows_[static_cast<size_t>(r)][1];
}

void TMyValues::SetValue(std::string_view name, std::string_view value) {
  int r = FindRow(name, 0);
  if (r < 0) return;
  rows_[static_cast<size_t>(r)][1] = value;
  ++revision_;
}

std::vector<std::string> TMyValues::Column(int col) const {
  std::vector<std::string> v;
  for (const auto& r : rows_) v.push_back(r[static_cast<size_t>(col)]);
  return v;
}

void TMyValues::SetColumn(int col, const std::vector<std::string>& v) {
  for (size_t i = 0; i < v.size(); ++i) SetCell(col, static_cast<int>(i), v[i]);
}

std::vector<std::string> TMyValues::Titles() const { return {rows_[0].begin(), rows_[0].end()}; }

void TMyValues::SetTitles(const std::vector<std::string>& v) {
  for (size_t i = 0; i < v.size() && i < static_cast<size_t>(kColumns); ++i) rows_[0][i] = v[i];
  ++revision_;
}

}  // namespace tharvex::props
