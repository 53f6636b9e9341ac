#include "core/engine/design_case.h"

namespace tharvex::engine {

CaseFields::CaseFields(Form& form) {
  auto at = [&](std::string_view name) { return &form.At(name); };
  WsD = at("WsD"), CpsD = at("CpsD"), Ts1D = at("Ts1D"), Ts2D = at("Ts2D"), HTsD = at("HTsD");
  QsD = at("QsD"), PhsD = at("PhsD"), MsD = at("MsD"), LdsD = at("LdsD"), DensD = at("DensD");
  DensvD = at("DensvD"), CBWater = at("CBWater"), rh1D = at("rh1D"), PwD = at("PwD"), QeD = at("QeD");
  TaD = at("TaD");
  hfD = at("hfD"), PfD = at("PfD"), TfD = at("TfD"), FmD = at("FmD"), btaD = at("btaD"), ytaD = at("ytaD");
  CBTType = at("CBTType");
  dod = at("dod"), diD = at("diD"), PtD = at("PtD"), TmD = at("TmD"), PnD = at("PnD"), NtD = at("NtD");
  HbxD = at("HbxD"), WbxD = at("WbxD"), LsD = at("LsD"), Sh1D = at("Sh1D"), SwD = at("SwD"), NhD = at("NhD");
  NwD = at("NwD"), afaD = at("afaD"), CBTubArr = at("CBTubArr"), CBRoate = at("CBRoate"), khwD = at("khwD");
  BayD = at("BayD"), SbD = at("SbD"), SmD = at("SmD"), PbD = at("PbD"), PmD = at("PmD");
  asD = at("asD"), afD = at("afD"), DpsD = at("DpsD"), UempD = at("UempD"), UmaxD = at("UmaxD"), RsD = at("RsD");
  WtD = at("WtD"), CptD = at("CptD"), Tt1D = at("Tt1D"), Tt2D = at("Tt2D"), QtD = at("QtD"), PhtD = at("PhtD");
  DHtD = at("DHtD"), MtD = at("MtD"), LdtD = at("LdtD"), HTtD = at("HTtD"), DentD = at("DentD");
  LatD = at("LatD"), DentvD = at("DentvD"), MtvD = at("MtvD"), Xt1D = at("Xt1D"), Xt2D = at("Xt2D");
  atD = at("atD"), DptD = at("DptD"), UtD = at("UtD"), UtmD = at("UtmD"), RtD = at("RtD");
  QaD = at("QaD"), AdtD = at("AdtD"), CdtD = at("CdtD"), AcD = at("AcD"), ArD = at("ArD"), CsD = at("CsD");
  KaD = at("KaD"), AwrD = at("AwrD");
  CsrD = at("CsrD"), LsmD = at("LsmD"), CalTypeD = at("CalTypeD"), Us2D = at("Us2D"), Ut2D = at("Ut2D");
  OMD = at("OMD"), Ut1D = at("Ut1D"), MethodD = at("MethodD");
  DppSD = at("DppSD"), UpSD = at("UpSD"), dipSD = at("dipSD"), DppTD = at("DppTD"), UpTD = at("UpTD");
  DipTD = at("DipTD");
  MemoMessage = at("MemoMessage"), tbOpt1 = at("tbOpt1"), MROpt1 = at("MROpt1");
  SBP4 = at("SBP4");
  SLState = at("SLState"), SVState = at("SVState"), TLState = at("TLState"), TVState = at("TVState");

  balance8 = {WsD, CpsD, Ts1D, Ts2D, WtD, CptD, Tt1D, Tt2D};
  balance9 = {WsD, CpsD, Ts1D, Ts2D, WtD, CptD, Tt1D, Tt2D, DHtD};
  heatLoss = {asD, RsD, SbD, PbD, HbxD, LsD, WbxD, Ts1D, Ts2D, TaD};
  wetAir = {WsD, Ts1D, Ts2D, rh1D, PwD};
  resultCandidates = {HTsD,  QsD,   QeD,  btaD, ytaD, NtD,  HbxD, WbxD, NhD,   NwD,  afaD,  asD,   afD,  DpsD,
                      UempD, UmaxD, QtD,  HTtD, atD,  DptD, UtD,  QaD,  AdtD,  CdtD, AcD,   ArD,   CsD,  KaD,
                      AwrD,  WsD,   Ts1D, Ts2D, WtD,  Tt1D, Tt2D, DHtD, DppSD, UpSD, dipSD, DppTD, UpTD, DipTD};
}

bool CaseFields::IsResult(const Control* c) const {
  if (c == HbxD || c == NhD || c == NwD) return c->readOnly();
  return c == HTsD || c == QsD || c == QeD || c == btaD || c == ytaD || c == NtD || c == WbxD || c == afaD ||
         c == asD || c == afD || c == DpsD || c == UempD || c == UmaxD || c == QtD || c == HTtD || c == atD ||
         c == DptD || c == UtD || c == QaD || c == AdtD || c == CdtD || c == AcD || c == ArD || c == CsD || c == KaD ||
         c == AwrD;
}

}  // namespace tharvex::engine
