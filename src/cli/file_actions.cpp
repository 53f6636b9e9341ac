// Project files from the command line: --open reads a project as the open
// command does, --save writes the window state as a project.
#include <filesystem>

#include "cli/registry.h"
#include "core/app/project_session.h"

namespace tharvex::cli {

namespace {

// The CLI never shows a dialog: the file comes with the action. A note goes
// to the messages the dump lists.
class NoDialogs : public SessionUi {
 public:
  explicit NoDialogs(MessageSink& sink) : sink_(sink) {}
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  std::optional<std::string> ChooseFile(const FileDialogSpec&) override { return std::nullopt; }
  void Inform(const std::string& text, const std::string& caption) override {
    sink_.Show({text, caption, MessageIcon::Information, MessageButtons::Ok});
  }

 private:
  MessageSink& sink_;
};

std::string LastMessage(const Context& ctx, const std::string& fallback) {
  return ctx.sink.shown.empty() ? fallback : ctx.sink.shown.back().text;
}

}  // namespace

void RegisterFileActions(ActionTable& t) {
  t["--open"] = {1,
                 [](Context& ctx, const std::string& file) {
                   NoDialogs ui(ctx.sink);
                   ProjectSession session(ctx.model, ui, AppPaths{}, nullptr);
                   // A headless run has nobody to notice an empty window: a missing file or
                   // one that is not a project ends the run.
                   std::error_code ec;
                   if (!std::filesystem::exists(file, ec))
                     throw ActionFailed("cannot open '" + file + "': no such file");
                   size_t before = ctx.sink.shown.size();
                   ReadStatus status = ReadStatus::Applied;
                   if (!session.OpenFile(file, false, &status))
                     throw ActionFailed(ctx.sink.shown.size() > before ? LastMessage(ctx, "cannot open '" + file + "'")
                                                                       : "cannot open '" + file + "'");
                   if (status != ReadStatus::Applied) throw ActionFailed("'" + file + "' is not a project file");
                 },
                 "FILE  open a project file (.zrf or .zrt), as the open command"};

  t["--save"] = {1,
                 [](Context& ctx, const std::string& file) {
                   NoDialogs ui(ctx.sink);
                   ProjectSession session(ctx.model, ui, AppPaths{}, nullptr);
                   size_t before = ctx.sink.shown.size();
                   if (!session.SaveFile(file))
                     throw ActionFailed(ctx.sink.shown.size() > before ? LastMessage(ctx, "cannot save")
                                                                       : "cannot save '" + file + "'");
                 },
                 "FILE  write the window state to a project file"};
}

}  // namespace tharvex::cli
