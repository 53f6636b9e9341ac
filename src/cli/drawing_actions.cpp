// The drawing to scale, the optimiser's sweep and the parametric study on
// the command line.
#include "cli/registry.h"
#include "core/app/study.h"
#include "core/engine/sweep_grid.h"
#include "core/files/file_error.h"
#include "core/files/safe_write.h"
#include "core/output/section_geometry.h"
#include "core/output/section_raster.h"

namespace tharvex::cli {

namespace {

void WriteText(const std::string& path, const std::string& text) {
  try {
    SafeWriteFile(path, text);
  } catch (const FileError& e) {
    throw ActionFailed(e.what());
  }
}

section::SectionScene Section(Context& ctx) {
  section::SectionScene sc = section::BuildSection(ctx.model.engine().state().section);
  if (!sc.valid) throw ActionFailed("no tube layout to draw (run the calculation first)");
  return sc;
}

void RunStudy(Context& ctx) {
  auto spec = study::ParseStudyArg(ctx.options["study"]);
  if (!spec) throw UsageError("--study expects NAME=FROM:TO:STEPS, got '" + ctx.options["study"] + "'");
  spec->outputs = study::ParseNameList(ctx.options["study-out"]);
  ctx.options.erase("study");
  ctx.options.erase("study-out");
  std::string why = study::CheckSpec(ctx.model, *spec);
  if (!why.empty()) throw UsageError("--study: " + why);
  ctx.out << study::StudyCsv(study::RunStudy(ctx.model, *spec));
}

// --study and --study-out run the study once both are given; a --study
// without --study-out follows the surplus and the overall coefficient.
void StudyWhenComplete(Context& ctx) {
  if (ctx.options.count("study") && ctx.options.count("study-out")) RunStudy(ctx);
}

}  // namespace

void RegisterDrawingActions(ActionTable& t) {
  t["--section-svg"] = {
      1, [](Context& ctx, const std::string& path) { WriteText(path, section::SectionToSvg(Section(ctx))); },
      "FILE  write the cross-section to scale of the last layout as SVG"};

  t["--section-png"] = {1,
                        [](Context& ctx, const std::string& path) {
                          auto r = section::WriteSectionPng(Section(ctx), path);
                          if (!r.ok) throw ActionFailed(r.message);
                        },
                        "FILE  write the cross-section to scale as a PNG image"};

  t["--section-pdf"] = {1,
                        [](Context& ctx, const std::string& path) {
                          auto r = section::WriteSectionPdf(Section(ctx), path);
                          if (!r.ok) throw ActionFailed(r.message);
                        },
                        "FILE  write the cross-section to scale as a PDF page"};

  t["--sweep-csv"] = {1,
                      [](Context& ctx, const std::string& path) {
                        const engine::SweepGrid& g = ctx.model.engine().sweep();
                        if (g.points.empty()) throw ActionFailed("no optimiser sweep to write (run --optimise first)");
                        WriteText(path, engine::SweepCsv(g));
                      },
                      "FILE  write the optimiser's last sweep, one row per grid point, as CSV"};

  t["--study"] = {
      1,
      [](Context& ctx, const std::string& arg) {
        ctx.options["study"] = arg;
        ctx.atEnd.push_back([](Context& c) {
          if (!c.options.count("study")) return;
          c.options["study-out"] = "CsD,KaD";
          RunStudy(c);
        });
        StudyWhenComplete(ctx);
      },
      "NAME=FROM:TO:STEPS  parametric study: step a field, calculate each step on a copy of the case, print CSV"};

  t["--study-out"] = {1,
                      [](Context& ctx, const std::string& list) {
                        ctx.options["study-out"] = list;
                        StudyWhenComplete(ctx);
                      },
                      "NAME,NAME,...  result fields the study prints (default CsD,KaD)"};
}

}  // namespace tharvex::cli
