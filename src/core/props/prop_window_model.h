#pragma once
// The property window without widgets: the library with its current record,
// the variable grid, six unit-bearing result fields, calculate, the transfer
// into the main window by opener, and the password-protected maintenance
// page. The desktop window is a thin view over this.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fields/form.h"
#include "core/fields/i18n.h"
#include "core/props/my_values.h"
#include "core/props/prop_record.h"

namespace tharvex::props {

inline constexpr const char* kMaintenancePassword = "qorlenx";
inline constexpr const char* kPropWindowCaption = THX_TR_NOOP("Props", "简易物性数据库");

// The six result fields in calculation order: property name, field, caption.
struct ResultFieldDef {
  std::string_view property;  // as passed to EvaluateProperty
  std::string_view field;     // value control; its unit selector ends in "U"
  std::string_view caption;
};
const std::vector<ResultFieldDef>& ResultFields();

// Which result field goes into which main-window field for each opener.
struct TransferPair {
  std::string_view from;
  std::string_view to;
};
const std::vector<TransferPair>& TransferPairs(std::string_view opener);

// Copies the results into the main window: a pair is skipped when the result
// field is empty or the main field is disabled; values go through SI so that
// each main field shows them in its own unit. Throws ConversionError on a
// result that is not a number (the fields set before keep their values).
// Returns the names of the main fields written.
std::vector<std::string> TransferResults(const Form& results, Form& main, std::string_view opener);

class PropWindowModel {
 public:
  explicit PropWindowModel(MessageSink& sink);
  PropWindowModel(const PropWindowModel&) = delete;
  PropWindowModel& operator=(const PropWindowModel&) = delete;

  Form& form() { return form_; }  // result fields <P>D and unit selectors <P>U
  TMyValues& grid() { return grid_; }
  MessageSink& messages() { return form_.messages(); }

  // --- library ---
  // Reads `path`; when it is missing and `fallback` exists (the library that
  // ships with the program), reads that instead. Saving always writes `path`.
  // A failure is shown as a message and leaves an empty library.
  void LoadLibrary(const std::string& path, const std::string& fallback = {});
  const std::string& libraryPath() const { return libraryPath_; }
  // BBSaveSysClick: writes the library; false (after a message) on failure.
  bool SaveLibrary();

  const std::vector<PropRecord>& records() const { return records_; }
  int current() const { return current_; }  // -1 when the library is empty
  const PropRecord* CurrentRecord() const;
  void SetCurrent(int index);
  void First() { SetCurrent(0); }
  void Prior() { SetCurrent(current_ - 1); }
  void Next() { SetCurrent(current_ + 1); }
  void Last() { SetCurrent(static_cast<int>(records_.size()) - 1); }

  // Records whose NO, Chinese or English name contains `text` (ASCII case
  // ignored), in library order.
  std::vector<int> Search(std::string_view text) const;

  // --- calculation and transfer ---
  // SBP1Click: the first page, maintenance hidden, password emptied.
  void Open(std::string_view opener);
  const std::string& opener() const { return opener_; }
  // BBCalClick: the six properties of the current record, in order. Stops at
  // the first conversion or arithmetic error, which is shown as a message.
  void Calculate();
  // BBOKClick: transfer by opener. False (after a message) when a result
  // could not be read; the window then stays open.
  bool Confirm(Form& main);

  // --- maintenance page ---
  std::string password;  // MaskEdit1
  bool maintenanceVisible() const { return maintenanceVisible_; }
  int activePage() const { return activePage_; }  // 0 data, 1 maintenance
  // BitBtn1Click: exactly the password (case counts) shows the page.
  bool Unlock();
  // Navigator edits: the buffer is the record being edited.
  bool editing() const { return editing_; }
  void Edit();
  void Insert();
  void SetEditText(PropField f, std::optional<std::string> text);
  const PropRecord& editBuffer() const { return buffer_; }
  bool Post();  // false (after a message) when a text is too long
  void Cancel();
  void Delete();

 private:
  Form form_;
  TMyValues grid_ = TMyValues::PropertyWindowGrid();
  std::vector<PropRecord> records_;
  int current_ = -1;
  std::string libraryPath_;
  std::string opener_;
  bool maintenanceVisible_ = false;
  int activePage_ = 0;
  bool editing_ = false;
  bool inserting_ = false;
  PropRecord buffer_;
};

}  // namespace tharvex::props
