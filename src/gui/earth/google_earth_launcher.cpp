#include "gui/earth/google_earth_launcher.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace vianora::gui {
namespace {

bool startDetached(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.setProgram(program);
  process.setArguments(arguments);
  process.setProcessEnvironment(googleEarthEnvironment(QProcessEnvironment::systemEnvironment()));
  return process.startDetached();
}

}  // namespace

QProcessEnvironment googleEarthEnvironment(QProcessEnvironment environment) {
  const QString all = environment.value(QStringLiteral("LC_ALL"));
  if (!all.isEmpty()) {
    // LC_ALL set every category: LANG now does, and no other LC_ variable may differ.
    for (const QString& name : environment.keys()) {
      if (name.startsWith(QLatin1String("LC_"))) environment.remove(name);
    }
    environment.insert(QStringLiteral("LANG"), all);
  }
  environment.insert(QStringLiteral("LC_NUMERIC"), QStringLiteral("C"));
  return environment;
}

#ifdef Q_OS_MACOS

QString DesktopGoogleEarthLauncher::find() {
  const QString bundle = QStringLiteral("Google Earth Pro.app");
  for (const QString& folder :
       {QStringLiteral("/Applications"), QDir::homePath() + QStringLiteral("/Applications")}) {
    const QString path = QDir(folder).filePath(bundle);
    if (QFileInfo(path).isDir()) return path;
  }
  return {};
}

// Launch Services opens the bundle, or hands the file to the copy already running.
bool DesktopGoogleEarthLauncher::start(const QString& program, const QString& launchKmlPath) {
  return startDetached(QStringLiteral("/usr/bin/open"),
                       {QStringLiteral("-a"), program, launchKmlPath});
}

#else

QString DesktopGoogleEarthLauncher::find() {
  return QStandardPaths::findExecutable(QStringLiteral("google-earth-pro"));
}

bool DesktopGoogleEarthLauncher::start(const QString& program, const QString& launchKmlPath) {
  return startDetached(program, {launchKmlPath});
}

#endif

}  // namespace vianora::gui
