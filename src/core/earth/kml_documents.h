#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/earth/look_at.h"
#include "core/util/time_units.h"

namespace vianora {

/// The secret in the camera document's path: 128 bits drawn as four 32-bit words from
/// `random`, which must be a cryptographically sound source, written as 32 lower-case hex
/// digits, the first word first. Any user of the machine can reach the loopback port; only
/// Google Earth, given the path, can follow the trip.
std::string linkSecret(const std::function<std::uint32_t()>& random);

/// The path the camera document is served at: "/vianora/<secret>/camera.kml".
std::string cameraPath(std::string_view secret);

/// Seconds between two fetches of the camera document by Google Earth. The flight moves on a
/// point every tenth of a second, but Google Earth flies smoothly only when a fly-to has a few
/// tenths to run; half a second keeps its camera at most half a second behind the flight and
/// shows every fifth point, the latest one at each fetch.
inline constexpr double kCameraRefreshSeconds = 0.5;

/// Whether Google Earth goes on fetching the camera document after an answer.
enum class LinkRefresh {
  Continue,  ///< every kCameraRefreshSeconds, as the link asks
  Stop,      ///< not again: the flight is over and the server about to close
};

/// The least time Google Earth must let pass before fetching the camera document again after a
/// Stop answer, in seconds: a week, longer than Google Earth is usually left running, and still
/// a count of milliseconds that fits in 32 bits, should Google Earth keep one.
inline constexpr double kStoppedLinkSeconds = 7 * kSecondsPerDay;

/// The address of the camera document on the loopback port `port`, at cameraPath(`secret`).
std::string cameraUrl(std::uint16_t port, std::string_view secret);

/// The KML file handed to Google Earth: one network link that fetches `cameraUrl` every
/// `refreshSeconds` and flies to the view each answer carries.
std::string launchKml(std::string_view cameraUrl, double refreshSeconds);

/// The camera document: a KML file whose NetworkLinkControl carries `view`, or, before the
/// first camera position, no view at all (Google Earth then stays where it is). A Stop answer
/// also carries a minRefreshPeriod of kStoppedLinkSeconds, which holds back the link's own
/// refreshes: an `expires` time would not, as it only counts for links refreshed onExpire.
std::string cameraKml(const std::optional<LookAt>& view,
                      LinkRefresh refresh = LinkRefresh::Continue);

}  // namespace vianora
