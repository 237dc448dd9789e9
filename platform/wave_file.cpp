#include "platform/wave_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace kestrivane {

namespace {

constexpr uint16_t kPcm = 1;

uint32_t Read(std::string_view bytes, std::size_t at, int size) {
  uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  }
  return value;
}

void Append(std::string& out, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}

// What the player was seen to play: integer PCM of 8 or 16 bits, mono or
// stereo. It refuses float and the extensible form, and never finishes
// loading 24 or 32 bits.
bool IsPlayableFormat(std::string_view fmt) {
  if (fmt.size() < 16) return false;
  const uint32_t tag = Read(fmt, 0, 2), channels = Read(fmt, 2, 2), rate = Read(fmt, 4, 4),
                 bits = Read(fmt, 14, 2);
  return tag == kPcm && (channels == 1 || channels == 2) && rate > 0 && (bits == 8 || bits == 16);
}

}  // namespace

bool IsPlayableWave(std::string_view bytes) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
    return false;
  }
  bool formatKnown = false;
  // Chunks: a four-letter id, a 32-bit size, the data padded to an even length.
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    const std::string_view id = bytes.substr(at, 4);
    const std::size_t size = Read(bytes, at + 4, 4);
    const std::string_view data = bytes.substr(at + 8, size);  // cut short at the end
    if (id == "fmt ") {
      if (!IsPlayableFormat(data)) return false;
      formatKnown = true;
    } else if (id == "data") {
      return formatKnown && !data.empty();
    }
    at += 8 + size + (size & 1);
  }
  return false;
}

std::string ChimeWave() {
  constexpr int kRate = 22050;
  constexpr double kSeconds = 1.2;
  // Two strikes, a fifth apart, each a tone and its octave dying away.
  struct Strike {
    double start, frequency;
  };
  constexpr Strike kStrikes[] = {{0.0, 880.0}, {0.4, 587.33}};
  std::vector<int16_t> samples(static_cast<std::size_t>(kRate * kSeconds));
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    double value = 0;
    for (const Strike& strike : kStrikes) {
      const double s = t - strike.start;
      if (s < 0) continue;
      const double envelope = std::min(1.0, s / 0.005) * std::exp(-s / 0.25);
      const double phase = 2 * std::numbers::pi * strike.frequency * s;
      value += envelope * (std::sin(phase) + 0.3 * std::sin(2 * phase));
    }
    samples[i] = static_cast<int16_t>(std::clamp(value * 0.45, -1.0, 1.0) * 32767);
  }
  const auto dataSize = static_cast<uint32_t>(samples.size() * 2);
  std::string wave = "RIFF";
  Append(wave, 36 + dataSize, 4);
  wave += "WAVEfmt ";
  Append(wave, 16, 4);
  Append(wave, kPcm, 2);
  Append(wave, 1, 2);  // mono
  Append(wave, kRate, 4);
  Append(wave, kRate * 2, 4);  // bytes a second
  Append(wave, 2, 2);          // bytes a frame
  Append(wave, 16, 2);
  wave += "data";
  Append(wave, dataSize, 4);
  for (const int16_t sample : samples) Append(wave, static_cast<uint16_t>(sample), 2);
  return wave;
}

}  // namespace kestrivane
