#pragma once
// The thermal calculation of the main window: the run WsDExit with its
// steps, the mode handlers and the optimiser. The session (app/) wires them
// to the window's controls and marks the project modified when they ran.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/design_case.h"
#include "core/engine/mean_temperature.h"
#include "core/engine/method/method.h"
#include "core/engine/sweep_grid.h"
#include "core/fields/form.h"
#include "core/fields/solver.h"

namespace tharvex::engine {

// Humidity ratios (kg water per kg dry air) and condensation heat (W) of wet air.
struct WetAir {
  double x1 = 0, x2 = 0, heat = 0;
};
WetAir WetAirOf(double ws, double ts1, double ts2, double phi, double pw);

class Engine {
 public:
  explicit Engine(Form& form);
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  // The calculation run: up to three attempts of steps 3 to 11.
  void WsDExit(Control* sender);
  // Whether the last run ended with a complete attempt.
  bool complete() const { return complete_; }
  // Whether a result field shows a value an earlier calculation left.
  bool AnyStale() const;
  // Calculation runs so far (the optimiser's included).
  uint64_t runs() const { return runs_; }
  // The optimiser: sweeps face and tube velocity.
  void BtOpt1Click(Control* sender);

  // Mode handlers.
  void CalTypeDChange(Control* sender);
  void PhsDChange(Control* sender);
  void CBWaterClick(Control* sender);
  void CBTTypeClick(Control* sender);
  void CBTubArrClick(Control* sender);

  CalcState& state() { return st_; }
  const CalcState& state() const { return st_; }
  const layout::DisplayList& drawing() const { return st_.drawing; }
  const CaseFields& fields() const { return f_; }
  // The optimiser's last sweep, point by point (kept when the sweep fails).
  const SweepGrid& sweep() const { return sweep_; }

  // --- pieces of one attempt, public for the tests ---
  void Attempt(Control* sender);
  void BalanceStep();                // step 3
  void TubeHeatStep();               // step 4
  void CheckInput(Control* sender);  // step 5
  HotSide LabelHotCold();            // step 5
  void MeanTempDifference();         // step 5
  void LayoutStep();                 // step 6
  void OptimisingLengthStep();       // step 7
  void ShellSideStep();              // step 8
  void TubeSideStep();               // step 9
  void AreasStep();                  // step 10
  void NozzleStep();                 // step 11

  double WetCondensationHeat();  // and the humidity ratios x1, x2
  double HeatBalanceResidual(const ValueArray& v, int last);
  // The balance residual with the wet-air condensation heat of the trial values.
  double WetBalanceResidual(const ValueArray& v, int last);
  double TubeDuty(const ValueArray& v, int last) const;
  double TubeDutyOf(double wt, double cpt, double tt1, double tt2, double dht) const;
  double ShellHeatLoss(const ValueArray& v, int last) const;

 private:
  // Reading and writing fields.
  double ReadNumber(const Control* c) const;    // text of a plain edit as a decimal number
  long long ReadInt(const Control* c) const;    // text as a whole number
  double Conductivity(const Control* c) const;  // material list: number after the bar
  void Write(Control* c, double si);            // SetSIValue of a finite value
  void Trace(std::string_view label, double value);
  void TraceLine(std::string line);
  double RequestedTubeCount();
  // The correlations of the method chosen in 计算方法, and the record of
  // which ones this calculation used.
  const method::Correlations& Method() const;
  // Records a correlation and, in the engineering method, names it in the trace.
  void Used(method::Role role, method::Use use);
  // SI value of an optional field; nothing when it is empty or unreadable.
  std::optional<double> OptionalSI(const Control* c) const;
  // Correction factor of the engineering method from the bundle's rows.
  LmtdCorrectionResult RowByRowCorrection(int n, int passes, double ta, double tb, double tc, double td, char kind);
  void MarkStaleResults(uint64_t epoch);
  // Warnings that do not end the attempt (laminar flow, correction factor):
  // status panel 1 shows every one raised, until the next calculation.
  void RaiseWarning(std::string_view warning);
  void DropWarning(std::string_view warning);
  // Optimiser: calculations repeated until the balance and heat loss settle.
  bool SettledCalculation(Control* sender, const std::vector<Control*>& watch, int passes);

  Form& form_;
  CaseFields f_;
  CalcState st_;
  ResidualFunction balanceResidual_, wetBalanceResidual_;
  // Values read by step 6 for the later steps.
  struct Geometry {
    double d_o = 0, d_i = 0, pt = 0, hf = 0, pf = 0, tf = 0;
    double densS = 0, muS = 0, cpS = 0, ldS = 0;
    double sh1 = 0, sw = 0, utm = 0, wt = 0, densT = 0, densTv = 0, muTv = 0, kFin = 0;
    long long passes = 1, bay = 1;
    bool bare = false;
    int arrangement = 0;
    bool rotated = false;
    int phaseS = 0, phaseT = 0;
  } g_;
  HotSide hot_ = HotSide::Unknown;  // hot fluid of this run, as HTsD and HTtD show it
  double kso_ = 0;                  // effective shell coefficient of this run
  double at_ = 0;                   // tube film coefficient of this run
  uint64_t runs_ = 0;
  // Last correction factors of the engineering method: the row-by-row model
  // runs once per distinct duty and bundle.
  struct CorrectionMemo {
    double p = -1, r = -1;
    int rows = 0, passes = 0;
    bool ok = false;
    double f = 0;
  };
  std::array<CorrectionMemo, 8> correctionMemo_{};
  size_t correctionNext_ = 0;
  SweepGrid sweep_;
  bool complete_ = false;
};

}  // namespace tharvex::engine
