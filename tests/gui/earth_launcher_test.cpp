#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "gui/earth/google_earth_launcher.h"

namespace vianora::gui {
namespace {

constexpr int kStartWaitMs = 5000;  // a started shell script has written its log well within this

QProcessEnvironment environmentOf(const QStringList& assignments) {
  QProcessEnvironment environment;
  for (const QString& assignment : assignments) {
    environment.insert(assignment.section('=', 0, 0), assignment.section('=', 1));
  }
  return environment;
}

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
    EXPECT_EQ(googleEarthEnvironment(environmentOf(c.before)).toStringList(), c.after);
  }
}

#ifndef Q_OS_MACOS

// A google-earth-pro on the PATH that writes down how it was started.
TEST(DesktopGoogleEarthLauncher, FindsItOnThePathAndStartsItOnTheFileWithCNumbers) {
  QTemporaryDir folder;
  const QByteArray savedPath = qgetenv("PATH");
  const QString program = folder.filePath("google-earth-pro");
  QFile script(program);
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write(
      "#!/bin/sh\nprintf '%s\\n%s\\n' \"$LC_NUMERIC\" \"$1\" > \"$0.tmp\"\n"
      "mv \"$0.tmp\" \"$0.log\"\n");
  script.close();
  script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
  DesktopGoogleEarthLauncher launcher;
  qputenv("PATH", "/nonexistent");
  EXPECT_TRUE(launcher.find().isEmpty());
  qputenv("PATH", QFile::encodeName(folder.path()) + ":/usr/bin:/bin");
  EXPECT_EQ(launcher.find(), program);
  qputenv("PATH", savedPath);
  const QString kml = folder.filePath("link with spaces.kml");
  ASSERT_TRUE(launcher.start(program, kml));
  QFile log(program + ".log");
  ASSERT_TRUE(QTest::qWaitFor([&] { return log.exists(); }, kStartWaitMs));
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(log.readAll()), "C\n" + kml + "\n");
  EXPECT_FALSE(launcher.start(folder.filePath("missing"), kml));
}

#endif

}  // namespace
}  // namespace vianora::gui
