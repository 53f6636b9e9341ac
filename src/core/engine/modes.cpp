// Mode handlers: calculation type, phases, wet air, bare tubes, arrangement.
#include "core/engine/modes.h"

#include "core/engine/engine.h"
#include "core/fields/colors.h"
#include "core/fields/i18n.h"
#include "core/fields/message_sink.h"

namespace tharvex::engine {

void SetFieldsEditable(const std::vector<Control*>& fields, bool editable) {
  for (Control* c : fields) {
    if (!c->isEdit()) {
      c->setEnabled(editable);
      continue;
    }
    c->setReadOnly(!editable);
    c->setFontColor(editable ? colors::Black : colors::Blue);
    c->setColor(editable ? colors::Window : colors::BtnFace);
  }
}

void SetQuantitiesEnabled(Form& form, const std::vector<Control*>& fields, bool enabled) {
  for (const Control* field : fields) {
    const std::string& name = field->name();
    const std::string base = name.substr(0, name.empty() ? 0 : name.size() - 1);
    for (const char* suffix : {"L", "D", "U"}) {
      Control* c = form.FindNoCase(base + suffix);
      if (!c) continue;
      c->setEnabled(enabled);
      if (c->isEdit()) c->setColor(enabled ? colors::Window : colors::BtnFace);
    }
  }
}

void Engine::CalTypeDChange(Control*) {
  const bool rating = f_.CalTypeD->itemIndex() == 1;
  SetFieldsEditable({f_.HbxD, f_.LsD, f_.NhD, f_.NwD}, rating);
  SetQuantitiesEnabled(form_, {f_.Us2D, f_.Ut2D, f_.LsmD, f_.OMD}, !rating);
  f_.tbOpt1->setEnabled(!rating);
  f_.MROpt1->setEnabled(!rating);
  WsDExit(nullptr);
}

void Engine::PhsDChange(Control*) {
  const int ps = f_.PhsD->itemIndex(), pt = f_.PhtD->itemIndex();
  const bool shellTwoPhase = ps == kCondensing || ps == kEvaporating;
  const bool tubeTwoPhase = pt == kCondensing || pt == kEvaporating;
  f_.SLState->setVisible(shellTwoPhase);
  f_.SVState->setVisible(shellTwoPhase);
  f_.TLState->setVisible(tubeTwoPhase);
  f_.TVState->setVisible(tubeTwoPhase);
  SetQuantitiesEnabled(form_, {f_.LatD, f_.Xt1D, f_.Xt2D, f_.DentvD, f_.MtvD, f_.DHtD}, pt == kCondensing);
  f_.SBP4->setEnabled(pt == kCondensing);
  if (pt == kGas || pt == kCondensing) {
    // Gases and vapours flow much faster than liquids: raise the tube
    // velocities left at liquid values.
    try {
      if (f_.Ut2D->GetSIValue() < 10) f_.Ut2D->SetSIValue(20);
      if (f_.UtmD->GetSIValue() < 10) f_.UtmD->SetSIValue(20);
    } catch (const ConversionError& e) {
      form_.messages().Show({e.what(), "Error", MessageIcon::Error, MessageButtons::Ok});
    }
  }
}

void Engine::CBWaterClick(Control*) { SetQuantitiesEnabled(form_, {f_.rh1D, f_.PwD}, f_.CBWater->checked()); }

void Engine::CBTTypeClick(Control*) {
  SetQuantitiesEnabled(form_, {f_.hfD, f_.PfD, f_.TfD, f_.FmD, f_.btaD, f_.ytaD}, !f_.CBTType->checked());
  f_.btaD->setColor(colors::BtnFace);
  f_.ytaD->setColor(colors::BtnFace);
  WsDExit(nullptr);
}

void Engine::CBTubArrClick(Control*) {
  f_.CBRoate->setCaption(f_.CBTubArr->itemIndex() == 1 ? THX_TR_NOOP("Controls", "转角45°")
                                                       : THX_TR_NOOP("Controls", "转角30°"));
  WsDExit(nullptr);
}

}  // namespace tharvex::engine
