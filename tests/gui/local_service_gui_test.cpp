// The running program as other processes meet it: a file on the command
// line, a second start handing its file over, and the local service under
// abuse (floods, idle connections, no file descriptors left, other users,
// a shared temporary folder).
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QMessageBox>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>
#include "test_paths.h"

#include "gui/copydata_service.h"
#include "gui/single_instance.h"
#include "gui/target_notice.h"

namespace tharvex::gui {
namespace {

QByteArray Z(const char* s) { return QByteArray(s) + '\0'; }

// Sends `request` and collects the reply up to its zero byte.
QByteArray Ask(const QString& path, const QByteArray& request, int waitMs = 5000) {
  QLocalSocket s;
  s.connectToServer(path);
  if (!s.waitForConnected(2000)) return "not connected";
  s.write(request);
  s.flush();
  QByteArray reply;
  QElapsedTimer t;
  t.start();
  while (!reply.endsWith('\0') && t.elapsed() < waitMs && s.state() == QLocalSocket::ConnectedState) {
    QTest::qWait(10);  // a service in this process answers on this thread
    reply += s.readAll();
  }
  return reply + s.readAll();
}

// The desktop program in its own folders, offscreen.
class Program {
 public:
  explicit Program(QStringList args = {}, std::function<void()> inChild = {}) {
    env_ = QProcessEnvironment::systemEnvironment();
    env_.insert("QT_QPA_PLATFORM", "offscreen");
    env_.insert("XDG_DATA_HOME", home_.filePath("data"));
    env_.insert("XDG_CONFIG_HOME", home_.filePath("config"));
    env_.insert("XDG_RUNTIME_DIR", home_.path());
    args_ = std::move(args);
    inChild_ = std::move(inChild);
  }
  ~Program() {
    for (auto& p : procs_) {
      p->kill();
      p->waitForFinished(5000);
    }
  }
  QProcessEnvironment& env() { return env_; }
  QString service() const { return home_.filePath("Tharvex"); }
  QProcess& start(const QStringList& args, const QString& cwd = {}) {
    procs_.push_back(std::make_unique<QProcess>());
    QProcess& p = *procs_.back();
    p.setProcessEnvironment(env_);
    if (!cwd.isEmpty()) p.setWorkingDirectory(cwd);
    if (inChild_) p.setChildProcessModifier(inChild_);
    p.start(THARVEX_GUI_EXE, args);
    return p;
  }
  // The first instance: running once its service answers.
  bool run() {
    start(args_);
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 30000) {
      if (QFile::exists(service()) && Ask(service(), Z("1;1;1;1"), 2000) == Z("3")) return true;
      QTest::qWait(100);
    }
    return false;
  }
  qint64 pid() const { return procs_.front()->processId(); }

 private:
  QTemporaryDir home_;
  QProcessEnvironment env_;
  QStringList args_;
  std::function<void()> inChild_;
  std::vector<std::unique_ptr<QProcess>> procs_;
};

QString Example(QTemporaryDir& dir, const char* name) {
  const QString file = dir.filePath(name);
  QFile::copy(THARVEX_SOURCE_DIR "/data/examples/AirCooler-Example.zrf", file);
  return file;
}

TEST(CommandLine, TharvexFileOpensItAndASecondStartHandsItsFileToTheFirstWindow) {
  QTemporaryDir dir;
  const QString first = Example(dir, "first.zrf"), second = Example(dir, "second.zrf");
  Program program({first});
  ASSERT_TRUE(program.run());
  // Asked for nothing, the window says which project it shows.
  EXPECT_EQ(Ask(program.service(), QByteArray(kOpenRequest) + '\0'), first.toUtf8() + '\0');

  // The second start, from another folder with a relative name.
  QProcess& again = program.start({"second.zrf"}, dir.path());
  ASSERT_TRUE(again.waitForFinished(15000));
  EXPECT_EQ(again.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(again.exitCode(), 0);
  EXPECT_EQ(Ask(program.service(), QByteArray(kOpenRequest) + '\0'), second.toUtf8() + '\0');
  // A second start without a file only brings the window forward.
  QProcess& bare = program.start({});
  ASSERT_TRUE(bare.waitForFinished(15000));
  EXPECT_EQ(bare.exitCode(), 0);
  EXPECT_EQ(Ask(program.service(), QByteArray(kOpenRequest) + '\0'), second.toUtf8() + '\0');
}

long RssKb(qint64 pid) {
  QFile f(QStringLiteral("/proc/%1/status").arg(pid));
  if (!f.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : f.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
  return -1;
}

TEST(LocalService, TwentyThousandRequestsWithoutTargetShowOneBoxAndTheNextRequestIsAnswered) {
  Program program;
  ASSERT_TRUE(program.run());
  QByteArray flood;
  for (int i = 0; i < 20000; ++i) flood += Z("0;1;2;3");
  QLocalSocket s;
  s.connectToServer(program.service());
  ASSERT_TRUE(s.waitForConnected(2000));
  s.write(flood);
  ASSERT_TRUE(s.waitForBytesWritten(10000));
  EXPECT_EQ(Ask(program.service(), Z("9;1;2;3.5"), 20000), Z("6.5"));
  EXPECT_LT(RssKb(program.pid()), 400 * 1024);
}

TEST(LocalService, OneBoxAtATimeRepeatsAreCounted) {
  QWidget owner;
  TargetNotice notice(&owner);
  QTemporaryDir dir;
  CopyDataService service;
  service.targetNotFound = [&] { notice.show(); };
  ASSERT_TRUE(service.listen(dir.filePath("Tharvex")));
  QByteArray flood;
  for (int i = 0; i < 5000; ++i) flood += Z("0;1;2;3");
  flood += Z("x;1");
  EXPECT_EQ(Ask(service.path(), flood + Z("7;1;2;3")), Z("6"));
  EXPECT_EQ(owner.findChildren<QMessageBox*>().size(), 1);
  EXPECT_EQ(notice.repeats(), 5000);
  notice.box()->close();
  QTest::qWait(50);
  EXPECT_FALSE(notice.open());
  Ask(service.path(), Z("0;1"), 300);
  EXPECT_TRUE(notice.open());
  EXPECT_EQ(notice.repeats(), 0);
}

TEST(LocalService, AConnectionThatSendsTooMuchIsClosedAndOthersAreStillAnswered) {
  QTemporaryDir dir;
  CopyDataService service;
  ASSERT_TRUE(service.listen(dir.filePath("Tharvex")));
  // No zero byte at all, and requests whose answers are never read.
  QLocalSocket noEnd, noReader;
  noEnd.connectToServer(service.path());
  noReader.connectToServer(service.path());
  ASSERT_TRUE(noEnd.waitForConnected(2000) && noReader.waitForConnected(2000));
  noEnd.write(QByteArray(CopyDataService::kMaxRequest + 10, '1'));
  QByteArray many;
  for (int i = 0; i < 200000; ++i) many += Z("7;1;2;3");
  noReader.write(many);
  QElapsedTimer t;
  t.start();
  while ((noEnd.state() == QLocalSocket::ConnectedState || noReader.state() == QLocalSocket::ConnectedState) &&
         t.elapsed() < 20000) {
    QTest::qWait(20);
    noEnd.flush();
    noReader.flush();
  }
  EXPECT_EQ(noEnd.state(), QLocalSocket::UnconnectedState);
  EXPECT_EQ(noReader.state(), QLocalSocket::UnconnectedState);
  EXPECT_EQ(Ask(service.path(), Z("7;1;2;3")), Z("6"));
}

// Opens `n` idle connections; they stay open until the vector goes.
std::vector<std::unique_ptr<QLocalSocket>> Idle(const QString& path, int n) {
  std::vector<std::unique_ptr<QLocalSocket>> v;
  for (int i = 0; i < n; ++i) {
    auto s = std::make_unique<QLocalSocket>();
    s->connectToServer(path);
    if (s->waitForConnected(1000)) v.push_back(std::move(s));
  }
  QTest::qWait(500);
  return v;
}

TEST(LocalService, ManyIdleConnectionsAndNoDescriptorsLeftDoNotEndTheService) {
  // The program may hold 100 descriptors: fewer than its own and the
  // connections it keeps, so accepting fails on the way.
  Program program({}, [] {
    rlimit r{100, 100};
    setrlimit(RLIMIT_NOFILE, &r);
  });
  ASSERT_TRUE(program.run());
  {
    auto idle = Idle(program.service(), 200);
    // Even with every connection held, a new one gets its answer.
    EXPECT_EQ(Ask(program.service(), Z("9;1;2;3"), 10000), Z("6"));
  }
  QTest::qWait(500);
  EXPECT_TRUE(QFile::exists(program.service()));
  EXPECT_EQ(Ask(program.service(), Z("9;2;2;3"), 10000), Z("7"));
}

TEST(LocalService, TheOldestIdleConnectionsMakeRoom) {
  QTemporaryDir dir;
  CopyDataService service;
  ASSERT_TRUE(service.listen(dir.filePath("Tharvex")));
  auto idle = Idle(service.path(), CopyDataService::kMaxConnections + 20);
  QTest::qWait(200);
  EXPECT_LE(service.connections(), CopyDataService::kMaxConnections);
  // The first ones were closed, the newest kept.
  EXPECT_EQ(idle.front()->state(), QLocalSocket::UnconnectedState);
  EXPECT_EQ(idle.back()->state(), QLocalSocket::ConnectedState);
  EXPECT_EQ(Ask(service.path(), Z("7;1;2;3")), Z("6"));
}

TEST(LocalService, AnotherUsersConnectionIsClosedUnanswered) {
  if (getuid() != 0) GTEST_SKIP() << "needs root to connect as another user";
  QTemporaryDir dir;
  CopyDataService service;
  ASSERT_TRUE(service.listen(dir.filePath("Tharvex")));
  // Even with the folder and the socket opened to everybody.
  chmod(QFile::encodeName(dir.path()).constData(), 0777);
  chmod(QFile::encodeName(service.path()).constData(), 0777);
  QProcess other;
  other.setChildProcessModifier([] {
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(3);
  });
  other.start("/usr/bin/python3", {"-c",
                                   "import socket,sys\n"
                                   "s=socket.socket(socket.AF_UNIX)\n"
                                   "s.connect(sys.argv[1]); s.sendall(b'77;1;2;3.5\\0'); s.settimeout(3)\n"
                                   "try:\n  print(repr(s.recv(100)))\nexcept Exception as e:\n  print('closed', e)\n",
                                   service.path()});
  ASSERT_TRUE(other.waitForStarted(5000));
  QElapsedTimer t;
  t.start();
  while (other.state() != QProcess::NotRunning && t.elapsed() < 10000) QTest::qWait(20);
  const QByteArray out = other.readAllStandardOutput();
  EXPECT_EQ(other.exitCode(), 0) << other.readAllStandardError().constData();
  EXPECT_FALSE(out.contains("6.5")) << out.constData();
  // Closed unanswered: an empty read or a reset.
  EXPECT_TRUE(out.startsWith("b''") || out.startsWith("closed")) << out.constData();
}

TEST(RuntimeFolder, WithoutXdgRuntimeDirAPrivateFolderOfOurOwnIsUsed) {
  QTemporaryDir tmp;
  const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR"), savedTmp = qgetenv("TMPDIR");
  qunsetenv("XDG_RUNTIME_DIR");
  qputenv("TMPDIR", tmp.path().toUtf8());
  const QString expected = tmp.path() + "/Tharvex-" + QString::number(getuid());

  QString why;
  auto dir = RuntimeDir(&why);
  ASSERT_TRUE(dir) << why.toStdString();
  EXPECT_EQ(*dir, expected);
  struct stat st {};
  ASSERT_EQ(lstat(QFile::encodeName(*dir).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  // Opened up by someone: narrowed again.
  chmod(QFile::encodeName(*dir).constData(), 0777);
  ASSERT_TRUE(RuntimeDir());
  lstat(QFile::encodeName(*dir).constData(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  // A link in its place is refused.
  rmdir(QFile::encodeName(*dir).constData());
  QFile::link(tmp.path(), expected);
  EXPECT_FALSE(RuntimeDir(&why));
  EXPECT_TRUE(why.contains("不是一个文件夹"));
  QFile::remove(expected);
  if (getuid() == 0) {
    // Another user's folder under our name is refused, and said so.
    mkdir(QFile::encodeName(expected).constData(), 0700);
    ASSERT_EQ(chown(QFile::encodeName(expected).constData(), 65534, 65534), 0);
    EXPECT_FALSE(RuntimeDir(&why));
    EXPECT_TRUE(why.contains("属于另一个用户"));
  }
  qputenv("XDG_RUNTIME_DIR", savedRuntime);
  if (savedTmp.isNull())
    qunsetenv("TMPDIR");
  else
    qputenv("TMPDIR", savedTmp);
}

TEST(RuntimeFolder, AnotherUsersLockInTheSharedFolderNoLongerStopsTheProgram) {
  if (getuid() != 0) GTEST_SKIP() << "needs root to plant another user's files";
  QTemporaryDir tmp;
  // What another user could plant under the old predictable names.
  const QString lock = tmp.filePath("Tharvex.lock-0");
  QFile f(lock);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("1\nsomebody\nhost\n");
  f.close();
  ASSERT_EQ(chown(QFile::encodeName(lock).constData(), 65534, 65534), 0);
  Program program;
  program.env().remove("XDG_RUNTIME_DIR");
  program.env().insert("TMPDIR", tmp.path());
  QProcess& p = program.start({});
  const QString socket = tmp.filePath("Tharvex-0/Tharvex");
  QElapsedTimer t;
  t.start();
  while (!QFile::exists(socket) && p.state() != QProcess::NotRunning && t.elapsed() < 30000) QTest::qWait(100);
  EXPECT_EQ(p.state(), QProcess::Running);
  EXPECT_EQ(Ask(socket, Z("9;1;2;3.5")), Z("6.5"));

  // And a folder of another user under the new name: refused, with a reason.
  Program refused;
  QTemporaryDir tmp2;
  const QString planted = tmp2.filePath("Tharvex-0");
  mkdir(QFile::encodeName(planted).constData(), 0777);
  ASSERT_EQ(chown(QFile::encodeName(planted).constData(), 65534, 65534), 0);
  refused.env().remove("XDG_RUNTIME_DIR");
  refused.env().insert("TMPDIR", tmp2.path());
  refused.env().insert("LANG", "zh_CN.UTF-8");  // a first start in a Chinese locale speaks Chinese
  QProcess& r = refused.start({});
  QByteArray err;
  t.restart();
  while (!err.contains('\n') && t.elapsed() < 20000) {
    QTest::qWait(50);
    err += r.readAllStandardError();
  }
  EXPECT_TRUE(QString::fromLocal8Bit(err).contains("属于另一个用户")) << err.constData();
  EXPECT_FALSE(QFile::exists(planted + "/Tharvex"));
}

}  // namespace
}  // namespace tharvex::gui
