#pragma once
// The main window on a fresh model, with the core's messages recorded
// instead of shown as modal boxes, for tests that drive the real widgets.
#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/app/main_model.h"
#include "core/app/paths.h"
#include "gui/dialogs.h"
#include "gui/main_window.h"
#include "gui/project_files.h"
#include "gui/tedit_d.h"
#include "gui/window_services.h"

namespace tharvex::gui::testing {

// Runs `action`, which opens a modal window or a popup, and hands that window
// to `step` (which closes it). False when none appeared.
template <class W>
bool WithModal(const std::function<void()>& action, const std::function<void(W&)>& step) {
  bool seen = false;
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* w = QApplication::activePopupWidget();
    if (!w) w = QApplication::activeModalWidget();
    if (auto* target = qobject_cast<W*>(w); target && !seen) {
      seen = true;
      step(*target);
    }
  });
  poll.start();
  action();
  poll.stop();
  return seen;
}

class RecordingQtSink : public QtMessageSink {
 public:
  MessageAnswer Show(const Message& m) override {
    shown.push_back(m);
    return m.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
  }
  std::vector<Message> shown;
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model = std::make_unique<MainModel>(sink);
    window = std::make_unique<TFormTharvex>(*model, sink);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  void TearDown() override {
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    // Nothing is asked on the way out: the tests' projects are thrown away.
    model->project().modified = false;
    window.reset();
    model.reset();
  }

  Form& form() { return model->form(); }
  Control& C(const std::string& name) { return form().At(name); }
  TEditD* edit(const std::string& name) { return dynamic_cast<TEditD*>(window->fieldWidget(name)); }
  QComboBox* list(const std::string& name) { return qobject_cast<QComboBox*>(window->fieldWidget(name)); }

  // Opens a shipped example project (data/examples) as the window's open command does.
  void openExample(const std::string& file) {
    const std::string data = FindDataDir(window->services().files().paths().programDir);
    ASSERT_FALSE(data.empty());
    ASSERT_TRUE(window->services().files().openFile(data + "/examples/" + file));
  }
  // Types into a field as the user does and leaves it with Tab.
  void typeAndTab(const std::string& name, const QString& text) {
    TEditD* e = edit(name);
    ASSERT_NE(e, nullptr) << name;
    e->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    e->selectAll();
    QTest::keyClicks(e, text);
    QTest::keyClick(e, Qt::Key_Tab);
    QApplication::processEvents();
  }

  RecordingQtSink sink;
  std::unique_ptr<MainModel> model;
  std::unique_ptr<TFormTharvex> window;
};

}  // namespace tharvex::gui::testing
