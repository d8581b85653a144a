#include "core/import/leggi_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "core/import/fit_crc.h"
#include "core/util/day_number.h"
#include "store_text.h"
#include "test_files.h"

namespace vianora {
namespace {

std::string le(std::uint32_t value, int size) {
  std::string bytes;
  for (int i = 0; i < size; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xFF);
  return bytes;
}

// A FIT file around `data`: a 12- or 14-byte header, the data, the CRC.
std::string fitFile(const std::string& data, char headerSize = 12) {
  std::string file =
      std::string(1, headerSize) + std::string("\x10\x64\0", 3) + le(data.size(), 4) + ".FIT";
  if (headerSize == 14) file += le(fitCrc(file), 2);
  file += data;
  return file + le(fitCrc(file), 2);
}

// Definition of local type 0 (or `header`): a record (global 20) of timestamp, lat, lon, altitude.
const std::string kRecordDefinition(
    "\x40\0\0\x14\0\x04\xfd\x04\x86\0\x04\x85\x01\x04\x85\x02\x02\x84", 18);
// 1990-01-01 00:00:30, 45 degrees, -45 degrees, altitude 100 m.
const std::string kRecord =
    std::string(1, '\0') + le(86430, 4) + le(0x20000000, 4) + le(0xE0000000, 4) + le(3000, 2);

TEST(LeggiFit, ReadsRecordsAndReportsFaults) {
  const std::string timeName = "generic 1990-01-01 00:00:30: 45,-45,100,32874.000347";
  // Local type 1: lat and lon only, big-endian; compressed header 0xA2: type 1, offset 2.
  const std::string bigEndian("\x41\0\x01\0\x14\x02\0\x04\x85\x01\x04\x85\xA2\x10\0\0\0\xF0\0\0\0",
                              21);
  const std::string session = std::string("\x42\0\0\x12\0\x02\x02\x04\x86\x05\x01\x00", 12) +
                              '\x02' + le(86400, 4) + '\x02';
  const std::string developer =
      std::string("\x63\0\0\x14\0\x02\0\x04\x85\x01\x04\x85\x01\x00\x07\x00", 16);
  const struct {
    std::string bytes;
    std::string read;
  } cases[] = {
      {fitFile(kRecordDefinition + kRecord), timeName},
      {fitFile(kRecordDefinition + kRecord, 14), timeName},
      // 30 -> offset 2 rolls over to 34 s; big-endian 2^28 semicircles are 22.5 degrees.
      {fitFile(kRecordDefinition + kRecord + bigEndian), timeName + "; 22.5,-22.5,1,32874.000394"},
      {fitFile(kRecordDefinition + kRecord + session),
       "cycling 1990-01-01 00:00:00: 45,-45,100,32874.000347"},
      // A developer field of 7 bytes is skipped by its size; no time, no altitude.
      {fitFile(developer + std::string(1, '\x03') + le(0x20000000, 4) + le(0, 4) + "1234567"),
       "generic: 45,0,1"},
      // Invalid position: skipped; invalid altitude: 1.
      {fitFile(kRecordDefinition + kRecord.substr(0, 5) + le(0x7FFFFFFF, 4) + le(1, 4) +
               le(3000, 2) + kRecord.substr(0, 13) + le(0xFFFF, 2)),
       "generic 1990-01-01 00:00:30: 45,-45,1,32874.000347"},
      {fitFile(kRecordDefinition + kRecord).substr(0, 40),
       ": 0,0,0 !75@0 FIT: unexpected end of file at byte 30"},
      {fitFile(kRecordDefinition + kRecord).substr(0, 45) + std::string(2, 0),
       timeName + " !75@0 FIT: bad CRC at byte 45"},
      {std::string("\x0c\x10\x64\0\xff\xff\xff\xff.FIT", 12) + kRecordDefinition + kRecord,
       timeName + " !75@0 FIT: unexpected end of file at byte 45"},
      {fitFile("\x01"), ": 0,0,0 !75@0 FIT: data message without definition at byte 12"},
      // The largest definition a file can make: 255 fields of 255 bytes, then one record.
      {fitFile(std::string("\x40\0\0\x14\0\xff", 6) + [] {
         std::string fields;
         for (int i = 0; i < 255; ++i) fields += "\x64\xff\x0d";
         return fields;
       }() + std::string(1 + 255 * 255, '\0') + kRecordDefinition + kRecord),
       timeName},
  };
  EXPECT_EQ(fitCrc("123456789"), 0xBB3D);  // the CRC's published check value
  for (const auto& c : cases) {
    Percorsi store;
    std::string failures;
    LeggiFit(store, c.bytes, test_support::failureText(failures));
    EXPECT_EQ(test_support::storeText(store) + failures, c.read);
  }
}

std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every sample is read (trips made, failures); the damaged ones keep what comes before their
// fault. A triathlon's chained files hold five sessions.
TEST(LeggiFit, ReadsTheSamples) {
  const std::map<std::string, std::string> special = {
      {"fitparse-activity-unexpected-eof.fit", "1 !75@0 FIT: unexpected end of file at byte 751"},
      {"fitparse-activity-settings-corruptheader.fit", "1 !75@0 FIT: bad file header at byte 771"},
      {"fitparse-sample_mulitple_header.fit", "5"}};
  const auto some = test_support::sampleFile("fit/fitparse-garmin-fenix-5-run.fit");
  ASSERT_TRUE(some);
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(some->parent_path())) {
    if (entry.path().extension() != ".fit") continue;
    ++files;
    Percorsi store;
    std::string read;
    LeggiFit(store, fileBytes(entry.path()), test_support::failureText(read));
    const auto found = special.find(entry.path().filename().string());
    EXPECT_EQ(std::to_string(store.size()) + read, found == special.end() ? "1" : found->second);
  }
  EXPECT_EQ(files, 18u);
}

// The edge-500 sample against its own project's decoding: times in PDT (UTC-7), positions in
// semicircles, altitude in metres. Where a record has no position the reference repeats the
// last one, and the reader skips the record: 9 such rows.
TEST(LeggiFit, MatchesTheReferenceDecoding) {
  const auto csv = test_support::sampleFile("fit/fitparse-garmin-edge-500-activity-records.csv");
  ASSERT_TRUE(csv);
  Percorsi store;
  LeggiFit(store, fileBytes(csv->parent_path() / "fitparse-garmin-edge-500-activity.fit"), {});
  const auto& points = store[0].Punti;
  std::ifstream in(*csv);
  std::string line;
  std::size_t count = 0, skipped = 0;
  long long lat = 0, lon = 0, lastLat = 0, lastLon = 0;
  int day, hour, minute, second, year;
  double altitude;
  constexpr const char* kRow =
      "%*s Sep %d %d:%d:%d PDT %d,%*[^,],%*[^,],%*[^,],%*[^,],%lld,%lld,%lf";
  for (std::getline(in, line); std::getline(in, line); lastLat = lat, lastLon = lon) {
    ASSERT_EQ(
        sscanf(line.c_str(), kRow, &day, &hour, &minute, &second, &year, &lat, &lon, &altitude), 8);
    const double time = *dayNumberOf({year, 9, day}, hour, minute, second) + 7.0 / 24;
    if (lat == lastLat && lon == lastLon &&
        (count == points.size() || std::abs(points[count].DataOra - time) > 1e-9)) {
      ++skipped;
      continue;
    }
    ASSERT_LT(count, points.size());
    const Punto& p = points[count++];
    EXPECT_NEAR(p.DataOra, time, 1e-9) << line;
    EXPECT_NEAR(p.Latitudine, lat * 180.0 / 2147483648.0, 1e-12) << line;
    EXPECT_NEAR(p.Longitudine, lon * 180.0 / 2147483648.0, 1e-12) << line;
    EXPECT_NEAR(p.Altitudine, altitude, 1e-9) << line;
  }
  EXPECT_EQ(count, points.size());
  EXPECT_EQ(skipped, 9u);
  // The other reference has no position in any row, and the reader makes no point of its file.
  Percorsi none;
  LeggiFit(none, fileBytes(csv->parent_path() / "fitparse-compressed-speed-distance.fit"), {});
  EXPECT_FALSE(none.firstTripWithPoints(0));
}

}  // namespace
}  // namespace vianora
