#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "gui/earth/google_earth_launcher.h"

namespace vianora::gui {
namespace {

constexpr int kStartWaitMs = 5000;  // a started shell script has written its log well within this

// LC_ALL would outrank LC_NUMERIC: its locale moves to LANG, and the other LC_ go with it.
TEST(GoogleEarthEnvironment, SetsTheCNumericLocaleAndKeepsTheRest) {
  const struct {
    QStringList before, after;
  } cases[] = {
      {{"LANG=de_DE", "LC_NUMERIC=de_DE", "LC_TIME=it_IT", "HOME=/h"},
       {"HOME=/h", "LANG=de_DE", "LC_NUMERIC=C", "LC_TIME=it_IT"}},
      {{"LANG=en_US", "LC_ALL=de_DE", "LC_TIME=it_IT"}, {"LANG=de_DE", "LC_NUMERIC=C"}},
  };
  for (const auto& c : cases) {
    QProcessEnvironment before;
    for (const QString& pair : c.before)
      before.insert(pair.section('=', 0, 0), pair.section('=', 1));
    EXPECT_EQ(googleEarthEnvironment(before).toStringList(), c.after);
  }
}

#ifndef Q_OS_MACOS

// A google-earth-pro on the PATH that writes down how it was started.
TEST(DesktopGoogleEarthLauncher, FindsItOnThePathAndStartsItOnTheFileWithCNumbers) {
  QTemporaryDir folder;
  const QString program = folder.filePath("google-earth-pro"), kml = folder.filePath("a b.kml");
  QFile script(program);
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write(
      "#!/bin/sh\nprintf '%s\\n%s\\n' \"$LC_NUMERIC\" \"$1\" >\"$0.tmp\"; mv \"$0.tmp\" "
      "\"$0.log\"\n");
  script.close();
  script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
  DesktopGoogleEarthLauncher launcher;
  const QByteArray savedPath = qgetenv("PATH");
  qputenv("PATH", "/nonexistent");
  EXPECT_EQ(launcher.find(), "");
  qputenv("PATH", QFile::encodeName(folder.path()) + ":" + savedPath);
  EXPECT_EQ(launcher.find(), program);
  qputenv("PATH", savedPath);
  ASSERT_TRUE(launcher.start(program, kml));
  QFile log(program + ".log");
  ASSERT_TRUE(QTest::qWaitFor([&] { return log.open(QIODevice::ReadOnly); }, kStartWaitMs));
  EXPECT_EQ(QString::fromUtf8(log.readAll()), "C\n" + kml + "\n");
  EXPECT_FALSE(launcher.start(folder.filePath("missing"), kml));
}

#endif

}  // namespace
}  // namespace vianora::gui
