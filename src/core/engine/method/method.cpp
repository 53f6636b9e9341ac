#include "core/engine/method/method.h"

#include "core/engine/method/engineering.h"
#include "core/engine/method/standard.h"
#include "core/fields/i18n.h"

namespace tharvex::engine::method {

std::string_view Name(Corr c) {
  switch (c) {
    case Corr::None: return "";
    case Corr::StdLowFin: return THX_TR_NOOP("Report", "标准方法 低翅片");
    case Corr::StdHighFin: return THX_TR_NOOP("Report", "标准方法 高翅片");
    case Corr::StdBareInLine: return THX_TR_NOOP("Report", "标准方法 光管顺排");
    case Corr::StdBareStaggered: return THX_TR_NOOP("Report", "标准方法 光管叉排");
    case Corr::StdFinEfficiency: return THX_TR_NOOP("Report", "标准方法 翅片效率");
    case Corr::StdFinnedDp: return THX_TR_NOOP("Report", "标准方法 翅片管压降");
    case Corr::StdBareDp: return THX_TR_NOOP("Report", "标准方法 光管压降");
    case Corr::StdTubeSinglePhase: return THX_TR_NOOP("Report", "标准方法 管内单相");
    case Corr::StdCondensation: return THX_TR_NOOP("Report", "标准方法 管内冷凝");
    case Corr::StdCorrection: return THX_TR_NOOP("Report", "标准方法 温差校正");
    case Corr::BriggsYoungHigh: return THX_TR_NOOP("Report", "Briggs & Young (1963) 高翅片");
    case Corr::BriggsYoungLow: return THX_TR_NOOP("Report", "Briggs & Young (1963) 低翅片");
    case Corr::AnnularFinBessel: return THX_TR_NOOP("Report", "环形翅片 Bessel 精确解 (Kern & Kraus 1972)");
    case Corr::RobinsonBriggs: return "Robinson & Briggs (1966)";
    case Corr::ZukauskasHeat: return THX_TR_NOOP("Report", "Zukauskas (1972) 管束传热");
    case Corr::ZukauskasDp: return THX_TR_NOOP("Report", "Zukauskas (1987) 管束压降");
    case Corr::Gnielinski: return THX_TR_NOOP("Report", "Gnielinski (1976) 紊流");
    case Corr::GnielinskiTransition: return THX_TR_NOOP("Report", "Gnielinski (2013) 过渡区");
    case Corr::Hausen: return THX_TR_NOOP("Report", "Hausen 层流入口段");
    case Corr::Shah: return THX_TR_NOOP("Report", "Shah (1979) 管内冷凝");
    case Corr::RowByRow: return THX_TR_NOOP("Report", "逐排交叉逆流模型");
    case Corr::Count: break;
  }
  return "";
}

const Correlations& For(Kind k) {
  static const Standard standard;
  static const Engineering engineering;
  if (k == Kind::Engineering) return engineering;
  return standard;
}

}  // namespace tharvex::engine::method
