// The data export as an Excel workbook: the quantities on one sheet and the
// design check on another, numbers stored as numbers.
#include <xlsxwriter.h>

#include "core/fields/i18n.h"
#include "core/output/export_data.h"
#include "core/output/export_file.h"

namespace tharvex::exportdata {

namespace {

// Sheet names as Excel shows them on the tabs.
constexpr const char* kDataSheet = THX_TR_NOOP("Export", "数据");
constexpr const char* kCheckSheet = THX_TR_NOOP("Export", "设计校核");

void Text(lxw_worksheet* ws, lxw_row_t r, lxw_col_t c, const std::string& s, lxw_format* f = nullptr) {
  worksheet_write_string(ws, r, c, s.c_str(), f);
}

void Number(lxw_worksheet* ws, lxw_row_t r, lxw_col_t c, const std::optional<double>& v) {
  if (v) worksheet_write_number(ws, r, c, *v, nullptr);
}

bool Produce(const std::vector<DataRow>& rows, const std::vector<CheckRow>& check, const std::string& file,
             std::string* error) {
  lxw_workbook* wb = workbook_new(file.c_str());
  if (!wb) {
    if (error) *error = "Cannot create file \"" + file + "\".";
    return false;
  }
  lxw_format* bold = workbook_add_format(wb);
  format_set_bold(bold);

  const std::string dataName = i18n::Tr(i18n::kExport, kDataSheet);
  lxw_worksheet* ws = workbook_add_worksheet(wb, dataName.c_str());
  const char* headers[] = {"name", "group", "caption", "si", "text", "unit", "state"};
  for (lxw_col_t c = 0; c < 7; ++c) Text(ws, 0, c, headers[c], bold);
  lxw_row_t r = 1;
  for (const DataRow& d : rows) {
    Text(ws, r, 0, d.name);
    Text(ws, r, 1, d.group);
    Text(ws, r, 2, d.caption);
    Number(ws, r, 3, d.si);
    Text(ws, r, 4, d.text);
    Text(ws, r, 5, d.unit);
    Text(ws, r, 6, std::string(StateName(d.state)));
    ++r;
  }
  worksheet_set_column(ws, 0, 2, 16, nullptr);
  worksheet_set_column(ws, 3, 4, 18, nullptr);

  const std::string checkName = i18n::Tr(i18n::kExport, kCheckSheet);
  lxw_worksheet* cs = workbook_add_worksheet(wb, checkName.c_str());
  const char* checkHeaders[] = {"name",   "caption",    "limit", "limitText", "actualName",
                                "actual", "actualText", "unit",  "pass",      "verdict"};
  for (lxw_col_t c = 0; c < 10; ++c) Text(cs, 0, c, checkHeaders[c], bold);
  r = 1;
  for (const CheckRow& c : check) {
    Text(cs, r, 0, c.name);
    Text(cs, r, 1, c.caption);
    Number(cs, r, 2, c.limitSi);
    Text(cs, r, 3, c.limitText);
    Text(cs, r, 4, c.actualName);
    Number(cs, r, 5, c.actualSi);
    Text(cs, r, 6, c.actualText);
    Text(cs, r, 7, c.unit);
    if (c.pass) worksheet_write_boolean(cs, r, 8, *c.pass ? 1 : 0, nullptr);
    Text(cs, r, 9, std::string(PassText(c.pass, c.limitDisabled)));
    ++r;
  }
  worksheet_set_column(cs, 0, 9, 14, nullptr);

  lxw_error e = workbook_close(wb);
  if (e != LXW_NO_ERROR) {
    if (error) *error = "Cannot create file \"" + file + "\". " + lxw_strerror(e);
    return false;
  }
  return true;
}

}  // namespace

bool WriteXlsx(const Form& form, const std::string& path, std::string* error) {
  const auto rows = CollectRows(form);
  const auto check = DesignCheck(form);
  return WriteThroughTempFile(
      path, [&](const std::string& temp, std::string* err) { return Produce(rows, check, temp, err); }, error);
}

}  // namespace tharvex::exportdata
