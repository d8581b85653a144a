#include "generated_tracks.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string_view>

#include "core/import/fit_crc.h"

namespace vianora::bench {

namespace {

/// A wandering track, one point a second: the same points every run.
class TrackWalk {
 public:
  struct Step {
    double lat, lon, ele;
    std::int64_t second;  // since the start
  };

  Step next() {
    const Step step{lat_, lon_, ele(), second_++};
    heading_ += turn_(rng_);
    lat_ += 4.0 * std::cos(heading_) / 111'320.0;
    lon_ += 4.0 * std::sin(heading_) / 78'700.0;
    if (std::fabs(lat_ - 45.07) > 0.2 || std::fabs(lon_ - 7.69) > 0.25) {
      heading_ = std::atan2(7.69 - lon_, 45.07 - lat_);
    }
    return step;
  }

 private:
  double ele() const {
    const double t = static_cast<double>(second_);
    return 1200.0 + 180.0 * std::sin(t / 2900.0) + 60.0 * std::sin(t / 377.0 + 1.0);
  }

  std::mt19937_64 rng_{20240514};
  std::normal_distribution<double> turn_{0.0, 0.08};
  double lat_ = 45.0701234;
  double lon_ = 7.6869876;
  double heading_ = 0.7;
  std::int64_t second_ = 0;
};

/// "2024-05-14T06:00:00Z" plus the given seconds (days roll over; the track ends long before
/// the month does).
void appendTime(std::string& out, std::int64_t second) {
  const std::int64_t total = 6 * 3600 + second;
  char buffer[32];
  const int n =
      std::snprintf(buffer, sizeof buffer, "2024-05-%02d%c%02d:%02d:%02d",
                    static_cast<int>(14 + total / 86400), 'T', static_cast<int>(total / 3600 % 24),
                    static_cast<int>(total / 60 % 60), static_cast<int>(total % 60));
  out.append(buffer, static_cast<std::size_t>(n)).append("Z");
}

/// A GPX 1.1 file as devices write it: tab indentation, one element per line.
}  // namespace

std::string makeGpxFile(std::size_t points) {
  std::string out;
  out.reserve(points * 120 + 1024);
  out +=
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<gpx version=\"1.1\" creator=\"vianora_benchmarks\" "
      "xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
      "\t<metadata>\n\t\t<name>Big track</name>\n\t</metadata>\n"
      "\t<trk>\n\t\t<name>Big track</name>\n\t\t<trkseg>\n";
  TrackWalk walk;
  char buffer[128];
  for (std::size_t i = 0; i < points; ++i) {
    const TrackWalk::Step p = walk.next();
    const int n = std::snprintf(buffer, sizeof buffer,
                                "\t\t\t<trkpt lat=\"%.7f\" lon=\"%.7f\">\n"
                                "\t\t\t\t<ele>%.1f</ele>\n\t\t\t\t<time>",
                                p.lat, p.lon, p.ele);
    out.append(buffer, static_cast<std::size_t>(n));
    appendTime(out, p.second);
    out += "</time>\n\t\t\t</trkpt>\n";
  }
  out += "\t\t</trkseg>\n\t</trk>\n</gpx>\n";
  return out;
}

/// An OziExplorer track file: six header lines, then one point a line.
std::string makePltFile(std::size_t points) {
  std::string out;
  out.reserve(points * 72 + 256);
  out +=
      "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\nAltitude is in Feet\r\n"
      "Reserved 3\r\n0,2,255,Big track,0,0,2,8421376\r\n";
  out += std::to_string(points) + "\r\n";
  TrackWalk walk;
  char buffer[128];
  const double firstDay = 45426.25;  // 2024-05-14 06:00
  for (std::size_t i = 0; i < points; ++i) {
    const TrackWalk::Step p = walk.next();
    const std::int64_t total = 6 * 3600 + p.second;
    const int n = std::snprintf(
        buffer, sizeof buffer, "%11.7f,%12.7f,%d,%8.1f,%.7f,%02d-May-24, %02d:%02d:%02d\r\n", p.lat,
        p.lon, i == 0 ? 1 : 0, p.ele / 0.3048, firstDay + static_cast<double>(p.second) / 86400.0,
        static_cast<int>(14 + total / 86400), static_cast<int>(total / 3600 % 24),
        static_cast<int>(total / 60 % 60), static_cast<int>(total % 60));
    out.append(buffer, static_cast<std::size_t>(n));
  }
  return out;
}

namespace {

void appendLittleEndian(std::string& out, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}

}  // namespace

std::string makeFitFile(std::size_t points) {
  std::string data("\x40\0\0\x14\0\x04\xfd\x04\x86\0\x04\x85\x01\x04\x85\x02\x02\x84", 18);
  data.reserve(points * 15 + 64);
  TrackWalk walk;
  constexpr std::uint32_t kStart = 1'084'600'800;  // 2024-05-14 06:00 UTC
  constexpr double kSemicircles = 2147483648.0 / 180;
  for (std::size_t i = 0; i < points; ++i) {
    const TrackWalk::Step p = walk.next();
    data += '\0';
    appendLittleEndian(data, kStart + static_cast<std::uint32_t>(p.second), 4);
    appendLittleEndian(data, static_cast<std::uint32_t>(std::lround(p.lat * kSemicircles)), 4);
    appendLittleEndian(data, static_cast<std::uint32_t>(std::lround(p.lon * kSemicircles)), 4);
    appendLittleEndian(data, static_cast<std::uint32_t>(std::lround((p.ele + 500) * 5)), 2);
  }
  data += std::string("\x41\0\0\x12\0\x02\x02\x04\x86\x05\x01\x00\x01", 13);
  appendLittleEndian(data, kStart, 4);
  data += '\x02';
  std::string out("\x0c\x10\x64\0", 4);
  appendLittleEndian(out, static_cast<std::uint32_t>(data.size()), 4);
  out += ".FIT" + data;
  appendLittleEndian(out, fitCrc(out), 2);
  return out;
}

std::string makeSelfClosedPoints(std::size_t points) {
  std::string out = "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\">\n<trk>\n<trkseg>\n";
  out.reserve(out.size() + points * 48 + 64);
  TrackWalk walk;
  char buffer[96];
  for (std::size_t i = 0; i < points; ++i) {
    const TrackWalk::Step p = walk.next();
    const int n =
        std::snprintf(buffer, sizeof buffer, "<trkpt lat=\"%.7f\" lon=\"%.7f\"/>\n", p.lat, p.lon);
    out.append(buffer, static_cast<std::size_t>(n));
  }
  out += "</trkseg>\n</trk>\n</gpx>\n";
  return out;
}

/// A trip like a recorded one: a point a second, wandering, climbing and descending, with a
/// few GPS jumps (too fast to count) and stretches without altitude.
Percorso makeTrip(std::size_t points) {
  Percorso trip;
  trip.Nome = "Big track";
  trip.Punti.clear();
  trip.Punti.reserve(points);
  double lat = 45.0701234;
  double lon = 7.6869876;
  double heading = 0.7;
  for (std::size_t i = 0; i < points; ++i) {
    const double t = static_cast<double>(i);
    Punto p;
    p.Latitudine = lat;
    p.Longitudine = lon;
    p.Altitudine = 1200.0 + 180.0 * std::sin(t / 2900.0) + 60.0 * std::sin(t / 377.0 + 1.0);
    if (i % 50'000 < 100) p.Altitudine = 0.0;  // no altitude here
    p.DataOra = 45426.25 + t / 86400.0;
    trip.Punti.push_back(p);
    heading += 0.05 * std::sin(t / 97.0) + 0.03 * std::sin(t / 13.0);
    lat += 4.0 * std::cos(heading) / 111'320.0;
    lon += 4.0 * std::sin(heading) / 78'700.0;
    if (i % 100'003 == 0) lat += 0.01;  // a jump of about a kilometre in a second
  }
  return trip;
}

}  // namespace vianora::bench
