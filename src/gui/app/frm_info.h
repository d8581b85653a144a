#pragma once

#include <QUrl>
#include <QWidget>
#include <functional>

namespace vianora::gui {

/// The About window: name and version, a short description, a picture and the maker's web
/// address, which opens in the default browser when clicked.
class frmInfo : public QWidget {
  Q_OBJECT

 public:
  /// Hands a web address on to whatever shows it.
  using UrlOpener = std::function<void(const QUrl&)>;

  /// openUrl receives the maker's web page when its address is clicked; when empty, the
  /// address goes to the desktop's default browser (QDesktopServices::openUrl).
  explicit frmInfo(QWidget* parent = nullptr, UrlOpener openUrl = {});

  /// "Quillon Vianora  (v X.Y.Z)" for the given version numbers.
  static QString versionCaption(int major, int minor, int revision);
  /// The maker's web address as the window shows it.
  static QString webAddress();
  /// The web page a click on the address opens.
  static QUrl webUrl();

 private:
  void openWebPage();

  UrlOpener openUrl_;
};

}  // namespace vianora::gui
