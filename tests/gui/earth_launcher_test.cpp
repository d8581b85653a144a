#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "gui/earth/google_earth_launcher.h"

namespace vianora::gui {
namespace {

QProcessEnvironment environmentOf(const QStringList& assignments) {
  QProcessEnvironment environment;
  for (const QString& assignment : assignments) {
    environment.insert(assignment.section('=', 0, 0), assignment.section('=', 1));
  }
  return environment;
}

TEST(GoogleEarthEnvironment, AddsTheCNumericLocale) {
  const QProcessEnvironment environment = googleEarthEnvironment(environmentOf(
      {"LANG=de_DE.UTF-8", "LC_NUMERIC=de_DE.UTF-8", "LC_TIME=it_IT.UTF-8", "HOME=/home/u"}));
  EXPECT_EQ(environment.value("LC_NUMERIC"), "C");
  EXPECT_EQ(environment.value("LANG"), "de_DE.UTF-8");
  EXPECT_EQ(environment.value("LC_TIME"), "it_IT.UTF-8");
  EXPECT_EQ(environment.value("HOME"), "/home/u");
}

TEST(GoogleEarthEnvironment, MovesLcAllToLangSoThatLcNumericCounts) {
  const QProcessEnvironment environment = googleEarthEnvironment(
      environmentOf({"LANG=en_US.UTF-8", "LC_ALL=de_DE.UTF-8", "LC_TIME=it_IT.UTF-8"}));
  EXPECT_FALSE(environment.contains("LC_ALL"));
  EXPECT_FALSE(environment.contains("LC_TIME"));  // LC_ALL had overridden it
  EXPECT_EQ(environment.value("LANG"), "de_DE.UTF-8");
  EXPECT_EQ(environment.value("LC_NUMERIC"), "C");
}

#ifndef Q_OS_MACOS

// A google-earth-pro on the PATH that writes down how it was started.
class DesktopLauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    savedPath = qgetenv("PATH");
    savedNumeric = qgetenv("LC_NUMERIC");
  }
  void TearDown() override {
    qputenv("PATH", savedPath);
    qputenv("LC_NUMERIC", savedNumeric);
  }
  QString writeFakeProgram() {
    const QString path = folder.filePath("google-earth-pro");
    QFile script(path);
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(
        "#!/bin/sh\nprintf '%s\\n%s\\n' \"$LC_NUMERIC\" \"$1\" > \"$0.log.tmp\"\n"
        "mv \"$0.log.tmp\" \"$0.log\"\n");
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    return path;
  }

  QTemporaryDir folder;
  QByteArray savedPath;
  QByteArray savedNumeric;
};

TEST_F(DesktopLauncherTest, FindsGoogleEarthProOnThePath) {
  const QString program = writeFakeProgram();
  qputenv("PATH", QFile::encodeName(folder.path()) + ":/usr/bin:/bin");
  DesktopGoogleEarthLauncher launcher;
  EXPECT_EQ(launcher.find(), program);
  qputenv("PATH", "/nonexistent");
  EXPECT_TRUE(launcher.find().isEmpty());
}

TEST_F(DesktopLauncherTest, StartsItOnTheLaunchFileWithTheCNumericLocale) {
  const QString program = writeFakeProgram();
  qputenv("LC_NUMERIC", "de_DE.UTF-8");
  DesktopGoogleEarthLauncher launcher;
  const QString kml = folder.filePath("link with spaces.kml");
  ASSERT_TRUE(launcher.start(program, kml));
  QFile log(program + ".log");
  ASSERT_TRUE(QTest::qWaitFor([&] { return log.exists(); }, 5000));
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(log.readAll()), "C\n" + kml + "\n");
}

TEST_F(DesktopLauncherTest, SaysWhenItCannotStart) {
  DesktopGoogleEarthLauncher launcher;
  EXPECT_FALSE(launcher.start(folder.filePath("missing"), folder.filePath("a.kml")));
}

#endif

}  // namespace
}  // namespace vianora::gui
