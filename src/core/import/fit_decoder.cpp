#include "core/import/fit_decoder.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/import/fit_crc.h"

namespace vianora {

namespace {

constexpr std::uint16_t kRecordMessage = 20;
constexpr std::uint16_t kSessionMessage = 18;
constexpr std::uint8_t kTimestampField = 253;
constexpr std::size_t kLocalTypes = 16;

struct FitField {
  std::uint8_t number = 0;
  std::uint8_t size = 0;
};

struct FitDefinition {
  bool defined = false;
  bool bigEndian = false;
  std::uint16_t global = 0;
  std::vector<FitField> fields;
  std::size_t size = 0;  ///< bytes of a data message, developer fields included
};

std::uint32_t unsignedAt(const unsigned char* p, std::size_t size, bool bigEndian) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < size; ++i) {
    value |= std::uint32_t{p[bigEndian ? i : size - 1 - i]} << (8 * (size - 1 - i));
  }
  return value;
}

// Reads the messages of one file's data; the bytes are exactly what the file holds of them.
class DataDecoder {
 public:
  DataDecoder(std::string_view data, std::uint64_t base, FitMessageSink& sink)
      : data_(data), base_(base), sink_(sink) {}

  std::optional<FitFault> run(ProgressThrottle& throttle);

 private:
  const unsigned char* at(std::size_t offset) const {
    return reinterpret_cast<const unsigned char*>(data_.data()) + offset;
  }
  bool has(std::size_t count) const { return data_.size() - pos_ >= count; }
  FitFault fault(std::string what) const { return {base_ + pos_, std::move(what)}; }
  std::optional<FitFault> definition(std::uint8_t header);
  std::optional<FitFault> dataMessage(std::uint8_t local, std::optional<std::uint32_t> time);
  void hand(const FitDefinition& definition, const unsigned char* p,
            std::optional<std::uint32_t> time);

  std::string_view data_;
  std::uint64_t base_;
  FitMessageSink& sink_;
  std::size_t pos_ = 0;
  std::array<FitDefinition, kLocalTypes> definitions_{};
  std::uint32_t lastTime_ = 0;
};

std::optional<FitFault> DataDecoder::run(ProgressThrottle& throttle) {
  while (pos_ < data_.size()) {
    throttle.at(base_ + pos_);
    const std::uint8_t header = *at(pos_);
    std::optional<FitFault> failed;
    if (header & 0x80) {
      // Compressed timestamp: 5 bits of offset rolling over from the last full time.
      const std::uint32_t offset = header & 0x1Fu;
      lastTime_ += (offset - (lastTime_ & 0x1Fu)) & 0x1Fu;
      failed = dataMessage((header >> 5) & 0x3, lastTime_);
    } else if (header & 0x40) {
      failed = definition(header);
    } else {
      failed = dataMessage(header & 0xF, std::nullopt);
    }
    if (failed) return failed;
  }
  return std::nullopt;
}

std::optional<FitFault> DataDecoder::definition(std::uint8_t header) {
  if (!has(6)) return fault("unexpected end of file");
  const unsigned char* p = at(pos_);
  FitDefinition definition;
  definition.defined = true;
  definition.bigEndian = p[2] == 1;
  definition.global = static_cast<std::uint16_t>(unsignedAt(p + 3, 2, definition.bigEndian));
  const std::size_t count = p[5];
  std::size_t length = 6 + 3 * count;
  if (!has(length + ((header & 0x20) ? 1 : 0))) return fault("unexpected end of file");
  for (std::size_t i = 0; i < count; ++i) {
    const FitField field{p[6 + 3 * i], p[7 + 3 * i]};
    definition.fields.push_back(field);
    definition.size += field.size;
  }
  if (header & 0x20) {  // developer fields: only their sizes matter
    const std::size_t developerCount = p[length];
    length += 1 + 3 * developerCount;
    if (!has(length)) return fault("unexpected end of file");
    for (std::size_t i = 0; i < developerCount; ++i) definition.size += p[length - 3 * i - 2];
  }
  definitions_[header & 0xF] = std::move(definition);
  pos_ += length;
  return std::nullopt;
}

std::optional<FitFault> DataDecoder::dataMessage(std::uint8_t local,
                                                 std::optional<std::uint32_t> time) {
  const FitDefinition& definition = definitions_[local];
  if (!definition.defined) return fault("data message without definition");
  if (!has(1 + definition.size)) return fault("unexpected end of file");
  hand(definition, at(pos_ + 1), time);
  pos_ += 1 + definition.size;
  return std::nullopt;
}

void DataDecoder::hand(const FitDefinition& definition, const unsigned char* p,
                       std::optional<std::uint32_t> time) {
  constexpr std::int32_t kInvalid = 0x7FFFFFFF;
  FitRecord record;
  record.latitude = record.longitude = kInvalid;
  FitSession session;
  std::optional<double> altitude;
  std::optional<double> enhancedAltitude;
  for (const FitField& field : definition.fields) {
    const bool isWord = field.size == 4, isHalf = field.size == 2;
    const std::uint32_t value =
        (isWord || isHalf || field.size == 1) ? unsignedAt(p, field.size, definition.bigEndian) : 0;
    p += field.size;
    if (field.number == kTimestampField && isWord) {
      if (value != kNoFitTime) time = lastTime_ = value;
      continue;
    }
    if (definition.global == kRecordMessage) {
      if (field.number == 0 && isWord) record.latitude = static_cast<std::int32_t>(value);
      if (field.number == 1 && isWord) record.longitude = static_cast<std::int32_t>(value);
      if (field.number == 2 && isHalf && value != 0xFFFF) altitude = value / 5.0 - 500;
      if (field.number == 78 && isWord && value != kNoFitTime) {
        enhancedAltitude = value / 5.0 - 500;
      }
    } else if (definition.global == kSessionMessage) {
      if (field.number == 2 && isWord) session.startTime = value;
      if (field.number == 5 && field.size == 1) session.sport = static_cast<std::uint8_t>(value);
    }
  }
  if (definition.global == kRecordMessage) {
    record.hasPosition = record.latitude != kInvalid && record.longitude != kInvalid;
    record.altitude = enhancedAltitude ? enhancedAltitude : altitude;
    record.time = time.value_or(kNoFitTime);
    record.recordsAtMost = (data_.size() - pos_) / (1 + definition.size);
    sink_.record(record);
  } else if (definition.global == kSessionMessage) {
    sink_.session(session);
  }
}

constexpr std::string_view kFitTag = ".FIT";

// The size of the file header at `offset`, or no value when there is none.
std::optional<std::size_t> headerSize(std::string_view bytes, std::size_t offset) {
  const std::string_view rest = bytes.substr(offset);
  if (rest.size() < 12 || rest.substr(8, 4) != kFitTag) return std::nullopt;
  const auto size = static_cast<unsigned char>(rest[0]);
  if ((size != 12 && size != 14) || rest.size() < size) return std::nullopt;
  if (size == 14) {
    const auto* p = reinterpret_cast<const unsigned char*>(rest.data());
    const auto crc = static_cast<std::uint16_t>(unsignedAt(p + 12, 2, false));
    if (crc != 0 && crc != fitCrc(rest.substr(0, 12))) return std::nullopt;
  }
  return size;
}

}  // namespace

std::optional<FitFault> decodeFit(std::string_view bytes, FitMessageSink& sink,
                                  ProgressThrottle& throttle) {
  std::size_t offset = 0;
  while (offset < bytes.size()) {
    const auto header = headerSize(bytes, offset);
    if (!header) return FitFault{offset, "bad file header"};
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data()) + offset;
    const std::uint64_t dataEnd = offset + *header + std::uint64_t{unsignedAt(p + 4, 4, false)};
    const std::size_t available =
        static_cast<std::size_t>(std::min<std::uint64_t>(dataEnd, bytes.size()) - offset - *header);
    DataDecoder decoder(bytes.substr(offset + *header, available), offset + *header, sink);
    auto failed = decoder.run(throttle);
    if (!failed && dataEnd + 2 > bytes.size())
      failed = FitFault{bytes.size(), "unexpected end of file"};
    sink.fileEnd();
    if (failed) return failed;
    const auto end = static_cast<std::size_t>(dataEnd);
    const auto crc = static_cast<std::uint16_t>(unsignedAt(p + (end - offset), 2, false));
    if (crc != fitCrc(bytes.substr(offset, end - offset))) return FitFault{end, "bad CRC"};
    offset = end + 2;
  }
  return std::nullopt;
}

}  // namespace vianora
