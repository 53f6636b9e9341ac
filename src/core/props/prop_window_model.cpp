#include "core/props/prop_window_model.h"

#include <algorithm>
#include <filesystem>

#include "core/fields/i18n.h"
#include "core/fields/number_format.h"
#include "core/fields/units.h"
#include "core/props/prop_errors.h"
#include "core/props/prop_library.h"
#include "core/props/property_eval.h"

namespace tharvex::props {

namespace {

struct ResultUnits {
  std::string_view field;
  UnitList units;
};
const ResultUnits kUnits[] = {
    {"CPD", UnitList::SpecificHeat},       {"MDD", UnitList::Density},
    {"VID", UnitList::Viscosity},          {"TCD", UnitList::Conductivity},
    {"STD", UnitList::SurfaceTensionProp}, {"HVD", UnitList::LatentHeat},
};

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

void ShowError(MessageSink& sink, const std::string& text) {
  sink.Show({text, "", MessageIcon::Error, MessageButtons::Ok});
}

}  // namespace

const std::vector<ResultFieldDef>& ResultFields() {
  static const std::vector<ResultFieldDef> defs{
      {"Cp", "CPD", THX_TR_NOOP("Props", "比热")},     {"MD", "MDD", THX_TR_NOOP("Props", "密度")},
      {"VI", "VID", THX_TR_NOOP("Props", "黏度")},     {"TC", "TCD", THX_TR_NOOP("Props", "导热系数")},
      {"ST", "STD", THX_TR_NOOP("Props", "表面张力")}, {"HV", "HVD", THX_TR_NOOP("Props", "蒸发潜热")},
  };
  return defs;
}

const std::vector<TransferPair>& TransferPairs(std::string_view opener) {
  static const std::vector<TransferPair> shell{{"CPD", "CpsD"}, {"MDD", "DensD"}, {"VID", "MsD"}, {"TCD", "LdsD"}};
  static const std::vector<TransferPair> tube{{"CPD", "CptD"}, {"MDD", "DentD"}, {"VID", "MtD"}, {"TCD", "LdtD"}};
  static const std::vector<TransferPair> vapour{{"MDD", "DentvD"}, {"VID", "MtvD"}, {"HVD", "DHtD"}};
  static const std::vector<TransferPair> none;
  if (opener == "SBP1") return shell;
  if (opener == "SBP3") return tube;
  if (opener == "SBP4") return vapour;
  return none;
}

std::vector<std::string> TransferResults(const Form& results, Form& main, std::string_view opener) {
  std::vector<std::string> written;
  for (const auto& pair : TransferPairs(opener)) {
    const Control* from = results.Find(pair.from);
    Control* to = main.Find(pair.to);
    if (!from || !to || from->isEmpty() || !to->enabled()) continue;
    to->SetSIValue(from->GetSIValue());
    written.emplace_back(pair.to);
  }
  return written;
}

PropWindowModel::PropWindowModel(MessageSink& sink) : form_(sink) {
  form_.setTitle(kPropWindowCaption);
  for (const auto& def : ResultFields()) {
    std::string base(def.field.substr(0, def.field.size() - 1));
    Control& label = form_.Add(base + "L", ControlKind::TLabel);
    label.setCaption(std::string(def.caption));
    Control& f = form_.Add(std::string(def.field), ControlKind::TEditD);
    f.setMyLabelName(base + "L");
    Control& u = form_.Add(base + "U", ControlKind::TComboBoxU);
    u.setAssociated(std::string(def.field));
    for (const auto& ru : kUnits)
      if (ru.field == def.field) u.setItems(UnitItems(ru.units));
    u.setItemIndex(0);
    f.setExchangeRaw(ReadUnitFactor(u.selectedItem()).value_or(1.0));
  }
}

void PropWindowModel::LoadLibrary(const std::string& path, const std::string& fallback) {
  libraryPath_ = path;
  std::error_code ec;
  std::string from = path;
  if (!std::filesystem::exists(path, ec) && !fallback.empty() && std::filesystem::exists(fallback, ec)) from = fallback;
  PropLibLoad load = LoadPropLib(from);
  records_ = std::move(load.records);
  current_ = records_.empty() ? -1 : 0;
  editing_ = false;
  if (!load.error.empty()) ShowError(messages(), load.error);
}

bool PropWindowModel::SaveLibrary() {
  if (editing_ && !Post()) return false;
  std::error_code ec;
  auto dir = std::filesystem::path(libraryPath_).parent_path();
  if (!dir.empty()) std::filesystem::create_directories(dir, ec);
  std::string error =
      libraryPath_.empty() ? THX_TR_NOOP("Props", "没有指定物性库文件") : SavePropLib(libraryPath_, records_);
  if (!error.empty()) {
    ShowError(messages(), error);
    return false;
  }
  return true;
}

const PropRecord* PropWindowModel::CurrentRecord() const {
  if (current_ < 0 || current_ >= static_cast<int>(records_.size())) return nullptr;
  return &records_[static_cast<size_t>(current_)];
}

void PropWindowModel::SetCurrent(int index) {
  if (records_.empty()) {
    current_ = -1;
    return;
  }
  if (editing_) Cancel();
  current_ = std::clamp(index, 0, static_cast<int>(records_.size()) - 1);
}

std::vector<int> PropWindowModel::Search(std::string_view text) const {
  std::vector<int> hits;
  std::string needle = Lower(TrimBlanks(text));
  for (size_t i = 0; i < records_.size(); ++i) {
    const PropRecord& r = records_[i];
    for (PropField f : {PropField::NO, PropField::CN, PropField::EN}) {
      if (Lower(r.Text(f)).find(needle) != std::string::npos) {
        hits.push_back(static_cast<int>(i));
        break;
      }
    }
  }
  return hits;
}

void PropWindowModel::Open(std::string_view opener) {
  maintenanceVisible_ = false;
  activePage_ = 0;
  password.clear();
  opener_ = std::string(opener);
}

void PropWindowModel::Calculate() {
  static const PropRecord kEmptyRecord;
  const PropRecord& rec = CurrentRecord() ? *CurrentRecord() : kEmptyRecord;
  try {
    for (const auto& def : ResultFields()) EvaluateProperty(def.property, form_.At(def.field), rec, grid_, messages());
  } catch (const std::exception& e) {
    ShowError(messages(), e.what());
  }
}

bool PropWindowModel::Confirm(Form& main) {
  try {
    TransferResults(form_, main, opener_);
  } catch (const std::exception& e) {
    ShowError(messages(), e.what());
    return false;
  }
  return true;
}

bool PropWindowModel::Unlock() {
  if (password != kMaintenancePassword) return false;
  maintenanceVisible_ = true;
  activePage_ = 1;
  return true;
}

void PropWindowModel::Edit() {
  if (editing_ || !CurrentRecord()) return;
  buffer_ = *CurrentRecord();
  editing_ = true;
  inserting_ = false;
}

void PropWindowModel::Insert() {
  if (editing_) Cancel();
  buffer_ = PropRecord{};
  editing_ = true;
  inserting_ = true;
}

void PropWindowModel::SetEditText(PropField f, std::optional<std::string> text) {
  if (!editing_) Edit();
  if (!editing_) Insert();
  buffer_.Set(f, std::move(text));
}

bool PropWindowModel::Post() {
  if (!editing_) return true;
  if (auto why = CheckLengths(buffer_)) {
    ShowError(messages(), *why);
    return false;
  }
  // Upper-case function names are broken by the replacement of T, P, R, M,
  // B and w: say which, and post all the same (the text is the user's).
  std::string warning;
  for (const auto& d : PropFieldDefs()) {
    if (d.field == PropField::NO || d.field == PropField::CN || d.field == PropField::EN || d.field == PropField::NT)
      continue;
    std::vector<std::string> names = NamesBrokenByKeys(buffer_.Get(d.field));
    if (names.empty()) continue;
    std::string list;
    for (const auto& n : names) list += (list.empty() ? "" : "、") + n;
    warning += "“" + i18n::Tr("Props", d.caption) + "”：" + list + "\n";
  }
  if (!warning.empty())
    messages().Show({i18n::Tr("Props",
                              "下列函数或常量名中的大写字母 T、P、R、M、B 或 w 会被替换成温度、压力或参数，公式将算错；"
                              "请改用小写（如 sqrt、exp、pi）：\n") +
                         warning,
                     "", MessageIcon::Warning, MessageButtons::Ok});
  if (inserting_)
    records_.push_back(buffer_);
  else
    records_[static_cast<size_t>(current_)] = buffer_;
  // The library stays ordered by NO; the posted record stays current.
  PropRecord posted = buffer_;
  SortByNo(records_);
  for (size_t i = records_.size(); i-- > 0;)
    if (records_[i] == posted) current_ = static_cast<int>(i);
  editing_ = inserting_ = false;
  return true;
}

void PropWindowModel::Cancel() { editing_ = inserting_ = false; }

void PropWindowModel::Delete() {
  if (editing_) Cancel();
  if (!CurrentRecord()) return;
  records_.erase(records_.begin() + current_);
  if (records_.empty())
    current_ = -1;
  else if (current_ >= static_cast<int>(records_.size()))
    current_ = static_cast<int>(records_.size()) - 1;
}

}  // namespace tharvex::props
