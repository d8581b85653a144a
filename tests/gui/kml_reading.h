#pragma once

// Reads KML as Google Earth would take it: element trees from QXmlStreamReader, and checks of
// the structure KML 2.2 requires of the launch file and the camera document.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
#include <optional>
#include <vector>

namespace vianora::gui::test_support {

inline const QString kKmlNamespace = QStringLiteral("http://www.opengis.net/kml/2.2");

struct KmlElement {
  QString namespaceUri;
  QString name;
  QString text;
  std::vector<KmlElement> children;

  const KmlElement* child(const QString& childName) const {
    for (const KmlElement& c : children) {
      if (c.name == childName) return &c;
    }
    return nullptr;
  }
  QStringList childNames() const {
    QStringList names;
    for (const KmlElement& c : children) names << c.name;
    return names;
  }
};

// The root element, or nothing when the text is not well-formed XML.
inline std::optional<KmlElement> readKml(const QByteArray& text) {
  QXmlStreamReader reader(text);
  if (!reader.readNextStartElement()) return std::nullopt;
  KmlElement root;
  root.namespaceUri = reader.namespaceUri().toString();
  root.name = reader.name().toString();
  std::vector<KmlElement*> open{&root};
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement()) {
      open.back()->children.push_back(
          {reader.namespaceUri().toString(), reader.name().toString(), {}, {}});
      open.push_back(&open.back()->children.back());
    } else if (reader.isEndElement()) {
      open.pop_back();
    } else if (reader.isCharacters() && !reader.isWhitespace()) {
      open.back()->text += reader.text();
    }
  }
  if (reader.hasError() || !open.empty()) return std::nullopt;
  return root;
}

// True when `names` appear in the order of `order` (each at most once, none other).
inline bool inSchemaOrder(const QStringList& names, const QStringList& order) {
  qsizetype last = -1;
  for (const QString& name : names) {
    const qsizetype at = order.indexOf(name);
    if (at <= last) return false;
    last = at;
  }
  return true;
}

/// The network link of a launch file, with what is wrong with its structure.
struct LaunchLink {
  QString href;
  QString refreshMode;
  QString refreshInterval;
  QString flyToView;
  QStringList problems;
};

inline LaunchLink readLaunchKml(const QByteArray& text) {
  LaunchLink link;
  const std::optional<KmlElement> root = readKml(text);
  if (!root) return {{}, {}, {}, {}, {"not well-formed XML"}};
  if (root->name != "kml" || root->namespaceUri != kKmlNamespace) link.problems << "root";
  if (root->childNames() != QStringList{"NetworkLink"}) link.problems << "kml children";
  const KmlElement* network = root->child("NetworkLink");
  if (network == nullptr) return link;
  // NetworkLink: the Feature's elements (name first), then refreshVisibility, flyToView, Link.
  if (!inSchemaOrder(network->childNames(), {"name", "visibility", "open", "description",
                                             "refreshVisibility", "flyToView", "Link"})) {
    link.problems << "NetworkLink children";
  }
  if (const KmlElement* fly = network->child("flyToView")) link.flyToView = fly->text;
  const KmlElement* href = nullptr;
  if (const KmlElement* inner = network->child("Link")) {
    if (!inSchemaOrder(inner->childNames(),
                       {"href", "refreshMode", "refreshInterval", "viewRefreshMode",
                        "viewRefreshTime", "viewBoundScale", "viewFormat", "httpQuery"})) {
      link.problems << "Link children";
    }
    href = inner->child("href");
    if (const KmlElement* mode = inner->child("refreshMode")) link.refreshMode = mode->text;
    if (const KmlElement* every = inner->child("refreshInterval"))
      link.refreshInterval = every->text;
  }
  if (href == nullptr)
    link.problems << "no href";
  else
    link.href = href->text;
  return link;
}

/// A camera document as Google Earth gets it: whether it reads as KML 2.2, the texts of its
/// LookAt's elements when it carries one, and its minRefreshPeriod.
struct CameraDocument {
  bool valid = false;
  std::optional<QMap<QString, QString>> lookAt;  // element name -> text
  QString minRefreshPeriod;                      // empty when there is none

  double number(const QString& name) const { return lookAt->value(name).toDouble(); }
  bool sameView(const CameraDocument& other) const { return lookAt == other.lookAt; }
};

inline CameraDocument readCameraKml(const QByteArray& text) {
  CameraDocument document;
  const std::optional<KmlElement> root = readKml(text);
  if (!root || root->name != "kml" || root->namespaceUri != kKmlNamespace) return document;
  document.valid = inSchemaOrder(root->childNames(), {"NetworkLinkControl", "Document"}) &&
                   root->child("Document") != nullptr;
  const KmlElement* control = root->child("NetworkLinkControl");
  if (control == nullptr) return document;
  // NetworkLinkControl's children in KML 2.2's order; Camera and LookAt are the choice of view.
  document.valid =
      document.valid &&
      inSchemaOrder(control->childNames(),
                    {"minRefreshPeriod", "maxSessionLength", "cookie", "message", "linkName",
                     "linkDescription", "linkSnippet", "expires", "Update", "Camera", "LookAt"});
  if (const KmlElement* period = control->child("minRefreshPeriod"))
    document.minRefreshPeriod = period->text;
  const KmlElement* view = control->child("LookAt");
  if (view == nullptr) return document;
  document.valid =
      document.valid &&
      view->childNames() == QStringList{"longitude", "latitude", "altitude",    "heading",
                                        "tilt",      "range",    "altitudeMode"};
  QMap<QString, QString> values;
  for (const KmlElement& c : view->children) values.insert(c.name, c.text);
  document.lookAt = values;
  return document;
}

}  // namespace vianora::gui::test_support
