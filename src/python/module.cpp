// The Python module `tharvex`: the driver's actions on an independent main
// window model per Project, so a script sees exactly what the window and
// tharvex-cli show. Every call releases the GIL while the model works; no
// state is shared between projects.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <dlfcn.h>
#include <unistd.h>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/dump.h"
#include "cli/registry.h"
#include "core/app/paths.h"
#include "core/app/report_commands.h"
#include "core/app/study.h"
#include "core/fields/i18n.h"
#include "core/files/ts_catalogue.h"
#include "core/output/report.h"

namespace py = pybind11;

namespace tharvex::python {

namespace {

// The driver's actions, built once (the table is never changed afterwards).
const cli::ActionTable& Actions() {
  static const cli::ActionTable table = cli::AllActions();
  return table;
}

// The shipped data folder as the module sees it: beside the module's file,
// the installed tree's, or the source tree's.
std::string ModuleDataDir() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&ModuleDataDir), &info) && info.dli_fname)
    return FindDataDir(std::filesystem::path(info.dli_fname).parent_path().string());
  return FindDataDir({});
}

// Raised for a call the window would not allow (unknown control, read-only
// field, bad index): the driver's exit status 2.
struct UsageFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};
// Raised for an operation that failed (a damaged file, a failed save): the
// driver's exit status 1.
struct OperationFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string StateOf(const Control& c) {
  if (!c.enabled()) return "disabled";
  if (c.readOnly()) return c.cursor() == CursorKind::No ? "solved" : "result";
  return "input";
}

// A temporary file that removes itself.
class TempFile {
 public:
  TempFile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tharvex-py-XXXXXX.zrf").string();
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    int fd = mkstemps(buf.data(), 4);
    if (fd < 0) throw OperationFailure("cannot create a temporary file");
    close(fd);
    path_ = buf.data();
  }
  ~TempFile() {
    std::error_code ec;
    std::filesystem::remove(path_, ec);
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  if (!in && !in.eof()) throw OperationFailure("cannot read '" + path + "'");
  return s.str();
}

}  // namespace

// One main window's model with its own message sink.
class Project {
 public:
  Project() : model_(sink_) {}

  // Applies one driver action; the model's exceptions become Python's.
  std::string Act(const std::string& name, const std::string& arg = {}) {
    const auto& actions = Actions();
    auto it = actions.find(name);
    if (it == actions.end()) throw UsageFailure("unknown action '" + name + "'");
    std::ostringstream out, err;
    cli::Context ctx{model_, sink_, out, err, {}, {}};
    try {
      it->second.run(ctx, arg);
    } catch (const cli::UsageError& e) {
      throw UsageFailure(e.what());
    } catch (const cli::ActionFailed& e) {
      throw OperationFailure(e.what());
    }
    return out.str();
  }

  const Control& Need(const std::string& name) const {
    const Control* c = model_.form().Find(name);
    if (!c) throw py::key_error("unknown control '" + name + "'");
    return *c;
  }

  const MainModel& model() const { return model_; }
  bool Has(const std::string& name) const { return model_.form().Find(name) != nullptr; }

  std::string DumpText() const { return cli::DumpForm(model_.form(), sink_.shown).dump(); }

  std::string ReportText() {
    std::string text;
    for (const auto& line : report::MOReportClick(model_)) text += line.text + "\n";
    return text;
  }

  // The project file's bytes, written as the save command writes them.
  py::bytes Bytes() {
    TempFile tmp;
    std::string bytes;
    {
      py::gil_scoped_release release;
      Act("--save", tmp.path());
      bytes = ReadAll(tmp.path());
    }
    return py::bytes(bytes);
  }

  void Load(const std::string& bytes) {
    TempFile tmp;
    {
      std::ofstream out(tmp.path(), std::ios::binary);
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      if (!out.flush()) throw OperationFailure("cannot write a temporary file");
    }
    Act("--open", tmp.path());
    // The pickled project keeps no name of a temporary file.
    model_.project().fileName.clear();
  }

  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& m : sink_.shown) texts.push_back(m.text);
    return texts;
  }
  std::vector<std::string> Status() const { return {model_.form().status(0), model_.form().status(1)}; }
  std::string FileName() const { return model_.project().fileName; }
  bool Modified() const { return model_.project().modified; }

 private:
  RecordingMessageSink sink_;
  MainModel model_;
};

// A control's state as the window shows it, read when asked.
struct FieldView {
  std::shared_ptr<Project> project;
  std::string name;

  const Control& control() const { return project->Need(name); }
  // The selected unit's name: a field's own selector, or the selector itself.
  std::string unit() const {
    const Control& c = control();
    if (c.kind() == ControlKind::TComboBoxU) return c.GetUnit();
    // A value field `<base>D` shows its unit in `<base>U`.
    if (c.kind() != ControlKind::TEditD || name.size() < 2) return {};
    std::string selector = name.substr(0, name.size() - 1) + "U";
    if (!project->Has(selector) || project->Need(selector).associated() != name) return {};
    return project->Need(selector).GetUnit();
  }
  py::object value() const {
    const Control& c = control();
    try {
      double v = c.GetSIValue();
      if (std::isfinite(v)) return py::float_(v);
    } catch (const ConversionError&) {
    }
    return py::none();
  }
};

}  // namespace tharvex::python

PYBIND11_MODULE(tharvex, m) {
  using namespace tharvex::python;
  m.doc() =
      "Thermal design and rating of box-type finned-tube heat exchangers.\n\n"
      "A Project is one main window's state. Its methods are the user's actions: set() types a text into a "
      "field and leaves it, which recalculates the case exactly as the window does.";

  static py::exception<std::runtime_error> error(m, "Error");
  static py::exception<UsageFailure> usageError(m, "UsageError", error.ptr());
  py::register_exception_translator([](std::exception_ptr p) {
    try {
      if (p) std::rethrow_exception(p);
    } catch (const UsageFailure& e) {
      PyErr_SetString(usageError.ptr(), e.what());
    } catch (const OperationFailure& e) {
      PyErr_SetString(error.ptr(), e.what());
    }
  });

  using Release = py::call_guard<py::gil_scoped_release>;
  py::class_<Project, std::shared_ptr<Project>>(m, "Project",
                                                "One main window: its controls, the calculation and the project file.")
      .def(py::init<>(), "A new project, as the window starts (the default template is not applied).")
      .def_static(
          "open",
          [](const std::string& path) {
            auto p = std::make_shared<Project>();
            py::gil_scoped_release release;
            p->Act("--open", path);
            return p;
          },
          py::arg("path"), "Opens a project (.zrf) or template (.zrt) file as the open command does.")
      .def(
          "set",
          [](Project& p, const std::string& name, const std::string& text) { p.Act("--set", name + "=" + text); },
          py::arg("name"), py::arg("text"), Release(),
          "Types `text` into the field `name` and leaves it (which recalculates).")
      .def(
          "unit",
          [](Project& p, const std::string& name, int index) { p.Act("--unit", name + "=" + std::to_string(index)); },
          py::arg("name"), py::arg("index"), Release(), "Picks item `index` of the unit selector `name`.")
      .def(
          "select",
          [](Project& p, const std::string& name, int index) { p.Act("--select", name + "=" + std::to_string(index)); },
          py::arg("name"), py::arg("index"), Release(),
          "Picks item `index` of the drop-down list `name` and leaves it.")
      .def(
          "check",
          [](Project& p, const std::string& name, bool on) { p.Act("--check", name + "=" + (on ? "1" : "0")); },
          py::arg("name"), py::arg("checked"), Release(), "Ticks or unticks the check box `name`.")
      .def(
          "clear", [](Project& p, const std::string& name) { p.Act("--clear", name); }, py::arg("name"), Release(),
          "The clear command on the field `name`: it becomes an empty input; nothing is calculated.")
      .def(
          "calculate", [](Project& p) { p.Act("--calc"); }, Release(), "Runs the calculation, as leaving a field does.")
      .def(
          "optimise", [](Project& p) { p.Act("--optimise"); }, Release(),
          "Runs the optimiser (design mode); the result shows in the fields and the status.")
      .def(
          "save", [](Project& p, const std::string& path) { p.Act("--save", path); }, py::arg("path"), Release(),
          "Writes the project file `path` (.zrf; a .zrt name writes a template).")
      .def(
          "report", [](Project& p) { return p.ReportText(); }, Release(),
          "The calculation report as text, one report line per line.")
      .def(
          "dump",
          [](const Project& p) {
            std::string text;
            {
              py::gil_scoped_release release;
              text = p.DumpText();
            }
            return py::module_::import("json").attr("loads")(text);
          },
          "The state of every control, the status and the messages, as tharvex-cli --dump prints it.")
      .def(
          "__getitem__",
          [](std::shared_ptr<Project> p, const std::string& name) {
            p->Need(name);
            return FieldView{std::move(p), name};
          },
          py::arg("name"), "The control `name` (e.g. p['KaD']).")
      .def(
          "__contains__", [](const Project& p, const std::string& name) { return p.Has(name); }, py::arg("name"),
          "Whether the window has a control `name`.")
      .def_property_readonly("messages", &Project::Messages, "The texts of every message box shown so far.")
      .def_property_readonly("status", &Project::Status, "The two panels of the status bar.")
      .def_property_readonly("file_name", &Project::FileName, "The project's file; empty until saved or opened.")
      .def_property_readonly("modified", &Project::Modified, "Whether the project changed since it was saved.")
      .def(py::pickle([](Project& p) { return p.Bytes(); },
                      [](const py::bytes& b) {
                        auto p = std::make_shared<Project>();
                        std::string bytes = b;
                        py::gil_scoped_release release;
                        p->Load(bytes);
                        return p;
                      }));

  m.def(
      "set_language",
      [](const std::string& lang, const std::string& dataDir) {
        if (lang != "zh" && lang != "en") throw UsageFailure("language must be 'zh' or 'en', got '" + lang + "'");
        std::string error;
        if (!tharvex::InstallLanguage(dataDir.empty() ? ModuleDataDir() : dataDir, lang, &error))
          throw OperationFailure(error);
      },
      py::arg("lang"), py::arg("data_dir") = std::string(),
      "The language of the report and the exports of every project, as tharvex-cli --lang: 'zh' (the default) "
      "or 'en' (read from i18n/tharvex_core_en.ts of the data folder, found beside the module unless given). "
      "Stored texts (control texts, captions) stay Chinese.");
  m.def(
      "set_unit_symbols", [](bool on) { tharvex::i18n::SetUnitSymbols(on); }, py::arg("on"),
      "Unit names with their symbols ('°C', 'W/(m²·K)'; the default) or as the unit lists store them.");

  m.def(
      "study",
      [](const Project& p, const std::string& field, const std::vector<double>& values,
         const std::vector<std::string>& outputs) {
        using namespace tharvex::study;
        std::vector<StudyRow> rows;
        {
          py::gil_scoped_release release;
          // The study runs at most kMaxSteps values at a time; longer lists in pieces.
          for (size_t at = 0; at < values.size() || (at == 0 && values.empty()); at += kMaxSteps) {
            StudySpec spec;
            spec.input = field;
            spec.outputs = outputs;
            spec.values.assign(values.begin() + static_cast<std::ptrdiff_t>(at),
                               values.begin() + static_cast<std::ptrdiff_t>(std::min(values.size(), at + kMaxSteps)));
            spec.steps = static_cast<int>(spec.values.size());
            if (spec.values.empty()) break;
            if (std::string why = CheckSpec(p.model(), spec); !why.empty()) throw UsageFailure(why);
            StudyResult r = RunStudy(p.model(), spec);
            for (auto& row : r.rows) rows.push_back(std::move(row));
          }
        }
        py::list out;
        for (const StudyRow& row : rows) {
          py::dict d;
          d[py::str(field)] = row.input;
          for (size_t k = 0; k < outputs.size() && k < row.values.size(); ++k)
            d[py::str(outputs[k])] = std::isfinite(row.values[k]) ? py::object(py::float_(row.values[k])) : py::none();
          d["ok"] = row.ok;
          d["warning"] = row.warning;
          out.append(std::move(d));
        }
        return out;
      },
      py::arg("project"), py::arg("field"), py::arg("values"), py::arg("outputs"),
      "Parametric study: each value typed into `field` (in the unit it shows) on a copy of `project`, which is "
      "not touched; returns one dict per value with the outputs as the fields show them (None where a field "
      "has no number), 'ok' (the calculation completed) and 'warning' (status panel 1).");

  py::class_<FieldView>(m, "Control", "A control of the window, read live from its project.")
      .def_property_readonly("name", [](const FieldView& f) { return f.name; })
      .def_property_readonly("value", &FieldView::value,
                             "The value in SI units, or None when the text is empty or not a number.")
      .def_property_readonly(
          "text", [](const FieldView& f) { return f.control().text(); }, "The text as shown, in the selected unit.")
      .def_property_readonly("unit", &FieldView::unit,
                             "The name of the selected unit (empty for a control without one).")
      .def_property_readonly(
          "state", [](const FieldView& f) { return StateOf(f.control()); },
          "'input', 'solved' (by the balance), 'result' or 'disabled'.")
      .def("__repr__", [](const FieldView& f) {
        const tharvex::Control& c = f.control();
        return "<tharvex.Control " + f.name + " text='" + c.text() + "' unit='" + c.GetUnit() + "' " + StateOf(c) + ">";
      });
}
