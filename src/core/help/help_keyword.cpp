#include "core/help/help_keyword.h"

namespace tharvex::help {

namespace {

// A label's text is its caption; other controls show their text.
std::string ShownText(const Control& c) { return c.caption().empty() ? c.text() : c.caption(); }

}  // namespace

std::string HelpKeywordFor(const Form& form, std::string_view control) {
  const Control* c = form.Find(control);
  if (!c) return {};
  std::string keyword;
  if (c->kind() == ControlKind::TEditD)
    if (const Control* label = c->myLabel()) keyword = label->caption();
  if (keyword.empty() && !c->name().empty()) {
    std::string labelName = c->name();
    labelName.back() = 'L';
    if (const Control* label = form.FindNoCase(labelName)) keyword = ShownText(*label);
  }
  return keyword;
}

}  // namespace tharvex::help
