#pragma once
// The design case: the controls the thermal calculation reads and writes,
// looked up once, and the calculation state that lives as long as the window.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/method/method.h"
#include "core/fields/form.h"
#include "core/fields/i18n.h"
#include "core/output/section_geometry.h"
#include "core/output/tube_layout.h"

namespace tharvex::engine {

// Warnings of status panel 1, each cleared only by the step that raises it.
namespace msg {
inline constexpr std::string_view kTempCross = THX_TR_NOOP("Messages", "输入数据错误:温度交叉！");
inline constexpr std::string_view kTubeWall = THX_TR_NOOP("Messages", "输入数据错误:管子内经大于等于外径！");
inline constexpr std::string_view kCollision = THX_TR_NOOP("Messages", "输入数据错误:换热管碰撞！");
inline constexpr std::string_view kTooManyTubes = THX_TR_NOOP("Messages", "输入数据错误:管数过多！");
inline constexpr std::string_view kEvaporation = THX_TR_NOOP("Messages", "管程液体蒸发工况暂不支持！");
inline constexpr std::string_view kBalanceDiverges = THX_TR_NOOP("Messages", "热量平衡迭代不收敛，请检查输入数据！");
inline constexpr std::string_view kLaminar = THX_TR_NOOP("Messages", "管内流速太低，处于层流区！");
inline constexpr std::string_view kCorrection = THX_TR_NOOP("Messages", "温差校正系数<0.8，如可能请调整工艺数据!");
inline constexpr std::string_view kBelowLowestVelocity = THX_TR_NOOP("Messages", "管内流速低于设计规定的最低速度！");
inline constexpr std::string_view kOptStart = THX_TR_NOOP("Messages", "优化设计开始...");
inline constexpr std::string_view kOptSuccess = THX_TR_NOOP("Messages", "优化设计成功！");
inline constexpr std::string_view kOptFailure = THX_TR_NOOP("Messages", "优化设计失败！");
inline constexpr std::string_view kOptError = THX_TR_NOOP("Messages", "优化设计出错！");
inline constexpr std::string_view kHot = THX_TR_NOOP("Items", "热流体");
inline constexpr std::string_view kCold = THX_TR_NOOP("Items", "冷流体");
}  // namespace msg

// Ends one calculation attempt after the input check has said why.
class AttemptStopped : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Which fluid is the hot one; unknown while the temperatures do not tell.
enum class HotSide { Unknown, Shell, Tube };

// Item indices of the phase lists.
enum Phase { kLiquid = 0, kGas = 1, kCondensing = 2, kEvaporating = 3 };

// Every control of the main window the engine touches.
struct CaseFields {
  explicit CaseFields(Form &form);

  // Shell side: properties and heat balance.
  Control *WsD, *CpsD, *Ts1D, *Ts2D, *HTsD, *QsD, *PhsD, *MsD, *LdsD, *DensD, *DensvD;
  Control *CBWater, *rh1D, *PwD, *QeD, *TaD;
  // Fins.
  Control *hfD, *PfD, *TfD, *FmD, *btaD, *ytaD, *CBTType;
  // Tube geometry.
  Control *dod, *diD, *PtD, *TmD, *PnD, *NtD;
  // Casing.
  Control *HbxD, *WbxD, *LsD, *Sh1D, *SwD, *NhD, *NwD, *afaD, *CBTubArr, *CBRoate, *khwD, *BayD;
  Control *SbD, *SmD, *PbD, *PmD;
  // Shell-side results.
  Control *asD, *afD, *DpsD, *UempD, *UmaxD, *RsD;
  // Tube side.
  Control *WtD, *CptD, *Tt1D, *Tt2D, *QtD, *PhtD, *DHtD, *MtD, *LdtD, *HTtD, *DentD;
  Control *LatD, *DentvD, *MtvD, *Xt1D, *Xt2D;
  // Tube-side results.
  Control *atD, *DptD, *UtD, *UtmD, *RtD;
  // Main results.
  Control *QaD, *AdtD, *CdtD, *AcD, *ArD, *CsD, *KaD, *AwrD;
  // Design rules.
  Control *CsrD, *LsmD, *CalTypeD, *Us2D, *Ut2D, *OMD, *Ut1D, *MethodD;
  // Nozzles.
  Control *DppSD, *UpSD, *dipSD, *DppTD, *UpTD, *DipTD;
  // Others.
  Control *MemoMessage, *tbOpt1, *MROpt1, *SBP4;
  Control *SLState, *SVState, *TLState, *TVState;

  // Field lists of the relations.
  std::vector<Control *> balance8, balance9;  // heat balance, single phase / condensing tube side
  std::vector<Control *> heatLoss;            // casing heat loss
  std::vector<Control *> wetAir;              // wet-air condensation heat
  // Fields a calculation writes: the results, and the members of the solver
  // lists, which are results while they show a solved value.
  std::vector<Control *> resultCandidates;
  // A field the calculation always writes (the casing size while it is
  // read-only, that is in design mode).
  bool IsResult(const Control *c) const;
};

// Calculation state kept between runs.
struct CalcState {
  bool InteractiveOutput = true;   // trace lines and drawing; cleared while the optimiser sweeps
  bool Optimising = false;         // length from OptFaceVelocity, mean difference from CachedLmtd
  double OptFaceVelocity = 0;      // m/s, face velocity of the optimiser's grid point
  double WetCondensationHeat = 0;  // W, moisture condensing out of wet air
  double CachedLmtd = 0;           // K, last logarithmic mean temperature difference
  double x1 = 0, x2 = 0;           // humidity ratios of the last wet-air step (0 when not computed)
  // Layout results.
  int nh = 0, nw = 0;  // tubes facing the flow, columns
  double heightMm = 0, widthMm = 0;
  long long tubes = 0;            // tubes placed
  double currentLength = 0;       // m, casing length of this run
  double freeAreaRatio = 0;       // So, open fraction of the face
  double faceArea = 0;            // m2, before rounding for display
  layout::DisplayList drawing;    // last drawing of the tube layout
  method::UseLog correlations;    // correlations of the last calculation
  section::SectionInput section;  // what the last drawing was made from, for the drawing to scale
  bool lastRunSucceeded = false;  // the last run ended with a successful attempt
};

}  // namespace tharvex::engine
