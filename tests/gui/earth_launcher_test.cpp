#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "gui/earth/google_earth_launcher.h"

namespace vianora::gui {
namespace {

constexpr int kStartWaitMs = 5000;  // a started shell script has written its log well within this

TEST(GoogleEarthEnvironment, SetsTheCNumericLocaleAndKeepsTheRest) {
  const auto environment = [](const QStringList& pairs) {
    QProcessEnvironment given;
    for (const QString& pair : pairs) given.insert(pair.section('=', 0, 0), pair.section('=', 1));
    return googleEarthEnvironment(given).toStringList();
  };
  EXPECT_EQ(environment({"LANG=de_DE", "LC_NUMERIC=de_DE", "LC_TIME=it_IT"}),
            (QStringList{"LANG=de_DE", "LC_NUMERIC=C", "LC_TIME=it_IT"}));
  // LC_ALL would outrank LC_NUMERIC: its locale moves to LANG, and the other LC_ go with it.
  EXPECT_EQ(environment({"LANG=en_US", "LC_ALL=de_DE", "LC_TIME=it_IT", "HOME=/h"}),
            (QStringList{"HOME=/h", "LANG=de_DE", "LC_NUMERIC=C"}));
}

#ifndef Q_OS_MACOS

// A google-earth-pro that writes down how it was started.
TEST(DesktopGoogleEarthLauncher, StartsItOnTheFileWithCNumbers) {
  QTemporaryDir folder;
  const QString program = folder.filePath("google-earth-pro"), kml = folder.filePath("a b.kml");
  QFile script(program);
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write("#!/bin/sh\nprintf '%s %s' \"$LC_NUMERIC\" \"$1\" >$0.t; mv $0.t $0.log");
  script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
  script.close();
  DesktopGoogleEarthLauncher launcher;
  ASSERT_TRUE(launcher.start(program, kml));
  QFile log(program + ".log");
  ASSERT_TRUE(QTest::qWaitFor([&] { return log.open(QIODevice::ReadOnly); }, kStartWaitMs));
  EXPECT_EQ(QString::fromUtf8(log.readAll()), "C " + kml);
  EXPECT_FALSE(launcher.start(folder.filePath("missing"), kml));
}

#endif

}  // namespace
}  // namespace vianora::gui
