// The program as other processes see it: one instance per user, and the
// local socket service that adds three numbers.
#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include "test_paths.h"

#include "gui/copydata_service.h"
#include "gui/single_instance.h"

namespace tharvex::gui {
namespace {

// Sends one request and collects what comes back within `waitMs`.
QByteArray Ask(const QString& path, const QByteArray& request, int waitMs = 2000) {
  QLocalSocket s;
  s.connectToServer(path);
  if (!s.waitForConnected(2000)) return "not connected";
  s.write(request);
  s.flush();
  QByteArray reply;
  QElapsedTimer t;
  t.start();
  while (!reply.endsWith('\0') && t.elapsed() < waitMs) {
    QTest::qWait(10);  // the service answers on this thread's event loop
    reply += s.readAll();
  }
  return reply;
}

TEST(CopyDataServiceTest, AnswersTheSumOnTheSameConnection) {
  QTemporaryDir dir;
  CopyDataService service;
  int notFound = 0;
  service.targetNotFound = [&] { ++notFound; };
  ASSERT_TRUE(service.listen(dir.filePath("Tharvex")));

  EXPECT_EQ(Ask(service.path(), QByteArray("77;1;2;3.5", 10) + '\0'), QByteArray("6.5", 3) + '\0');
  EXPECT_EQ(Ask(service.path(), QByteArray("77;a;2;3", 8) + '\0'), QByteArray("5", 1) + '\0');
  EXPECT_EQ(Ask(service.path(), QByteArray("77;1", 4) + '\0'), QByteArray("1", 1) + '\0');
  EXPECT_EQ(notFound, 0);

  // No target: no reply, and the window says so.
  EXPECT_EQ(Ask(service.path(), QByteArray("0;1;2;3", 7) + '\0', 300), QByteArray());
  EXPECT_EQ(Ask(service.path(), QByteArray("x;1;2;3", 7) + '\0', 300), QByteArray());
  EXPECT_EQ(notFound, 2);
}

TEST(CopyDataServiceTest, ReachableBySameUserOnly) {
  QTemporaryDir dir;
  CopyDataService service;
  ASSERT_TRUE(service.listen(dir.filePath("Tharvex")));
  const auto perms = QFile::permissions(service.path());
  EXPECT_FALSE(perms &
               (QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ReadGroup | QFileDevice::WriteGroup));
}

TEST(SingleInstanceTest, ASecondStartEndsAtOnceWithoutAWindow) {
  QTemporaryDir home;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("XDG_DATA_HOME", home.filePath("data"));
  env.insert("XDG_CONFIG_HOME", home.filePath("config"));
  env.insert("XDG_RUNTIME_DIR", home.path());

  QProcess first;
  first.setProcessEnvironment(env);
  first.start(THARVEX_GUI_EXE, {});
  ASSERT_TRUE(first.waitForStarted(5000));
  // The first instance holds its lock once its service is listening.
  QElapsedTimer t;
  t.start();
  while (!QFile::exists(home.filePath("Tharvex")) && t.elapsed() < 20000) QTest::qWait(50);
  ASSERT_TRUE(QFile::exists(home.filePath("Tharvex")));

  QProcess second;
  second.setProcessEnvironment(env);
  second.start(THARVEX_GUI_EXE, {});
  ASSERT_TRUE(second.waitForFinished(10000));
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_TRUE(second.readAllStandardOutput().isEmpty());
  EXPECT_EQ(first.state(), QProcess::Running);  // the first is unaffected

  // The running instance still answers.
  EXPECT_EQ(Ask(home.filePath("Tharvex"), QByteArray("5;1;1;1", 7) + '\0'), QByteArray("3", 1) + '\0');

  first.kill();
  first.waitForFinished(5000);
}

}  // namespace
}  // namespace tharvex::gui
