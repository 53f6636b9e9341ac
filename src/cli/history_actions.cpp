// Undo and redo of the actions before them, as the window's edit menu does.
#include "cli/registry.h"

namespace tharvex::cli {

void RegisterHistoryActions(ActionTable& t) {
  t["--undo"] = {0,
                 [](Context& ctx, const std::string&) {
                   if (!ctx.history || !ctx.history->Undo()) throw UsageError("--undo: nothing to undo");
                 },
                 "give back the state before the last action that changed the window"};
  t["--redo"] = {0,
                 [](Context& ctx, const std::string&) {
                   if (!ctx.history || !ctx.history->Redo()) throw UsageError("--redo: nothing to redo");
                 },
                 "give back the state after the action last undone"};
}

}  // namespace tharvex::cli
