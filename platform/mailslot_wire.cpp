#include "platform/mailslot_wire.h"

#include <algorithm>

#include "platform/ascii.h"

namespace kestrivane {

namespace {

using wire::Field;

void Put(std::vector<uint8_t>& out, std::size_t base, Field field, uint32_t value) {
  for (std::size_t i = 0; i < field.size; ++i) {
    const std::size_t shift = 8 * (field.order == wire::ByteOrder::kBig ? field.size - 1 - i : i);
    out[base + field.offset + i] = static_cast<uint8_t>(value >> shift);
  }
}

// Reads a field of the region [base, end) of `bytes`; nullopt when the field
// does not lie wholly inside it.
std::optional<uint32_t> Get(std::span<const uint8_t> bytes, std::size_t base, std::size_t end,
                            Field field) {
  if (end > bytes.size() || base > end || field.offset > end - base ||
      field.size > end - base - field.offset) {
    return std::nullopt;
  }
  uint32_t value = 0;
  for (std::size_t i = 0; i < field.size; ++i) {
    const std::size_t shift = 8 * (field.order == wire::ByteOrder::kBig ? field.size - 1 - i : i);
    value |= static_cast<uint32_t>(bytes[base + field.offset + i]) << shift;
  }
  return value;
}

struct DecodedName {
  NetbiosName name;
  std::size_t end = 0;  // offset just past the name and its scope
};

// One encoded name starting at `at`, not reaching past `end`. A scope is
// skipped; no sender we know uses one, but it is legal.
std::optional<DecodedName> DecodeName(std::span<const uint8_t> bytes, std::size_t at,
                                      std::size_t end) {
  if (at >= end || end - at < wire::kEncodedNameSize || bytes[at] != 0x20) {
    return std::nullopt;
  }
  std::string raw;
  for (std::size_t i = 0; i < 16; ++i) {
    const uint8_t high = bytes[at + 1 + 2 * i];
    const uint8_t low = bytes[at + 2 + 2 * i];
    if (high < 'A' || high > 'P' || low < 'A' || low > 'P') {
      return std::nullopt;
    }
    raw.push_back(static_cast<char>(((high - 'A') << 4) | (low - 'A')));
  }
  std::size_t label = at + 33;
  while (true) {
    if (label >= end || label - at > 255) {
      return std::nullopt;
    }
    const uint8_t length = bytes[label];
    if (length == 0) {
      break;
    }
    if (length > 63) {
      return std::nullopt;
    }
    label += 1 + length;
  }
  DecodedName decoded;
  decoded.name.suffix = static_cast<uint8_t>(raw.back());
  raw.pop_back();
  raw.erase(raw.find_last_not_of(' ') + 1);
  decoded.name.name = std::move(raw);
  decoded.end = label + 1;
  return decoded;
}

}  // namespace

std::array<uint8_t, wire::kEncodedNameSize> EncodeNetbiosName(std::string_view name,
                                                              uint8_t suffix) {
  std::string padded = AsciiUpper(name.substr(0, wire::kNetbiosNameLength));
  padded.resize(wire::kNetbiosNameLength, ' ');
  padded.push_back(static_cast<char>(suffix));

  std::array<uint8_t, wire::kEncodedNameSize> encoded{};
  encoded[0] = 0x20;
  for (std::size_t i = 0; i < padded.size(); ++i) {
    const auto byte = static_cast<uint8_t>(padded[i]);
    encoded[1 + 2 * i] = static_cast<uint8_t>('A' + (byte >> 4));
    encoded[2 + 2 * i] = static_cast<uint8_t>('A' + (byte & 0x0F));
  }
  encoded[33] = 0;  // empty scope
  return encoded;
}

std::optional<std::vector<uint8_t>> EncodeMailslotDatagram(const MailslotDatagram& datagram) {
  if (datagram.mailslot.find('\0') != std::string::npos) {
    return std::nullopt;
  }
  const std::size_t smbStart = wire::kHeaderSize + 2 * wire::kEncodedNameSize;
  const std::size_t nameBytes = datagram.mailslot.size() + 1;
  const std::size_t dataOffset = wire::kSmbBytes + nameBytes;
  const std::size_t total = smbStart + dataOffset + datagram.message.size();
  if (total > wire::kMaxDatagramSize) {
    return std::nullopt;
  }

  std::vector<uint8_t> out(total, 0);
  Put(out, 0, wire::kMessageType, datagram.messageType);
  Put(out, 0, wire::kFlags, wire::kFirstFragment);
  Put(out, 0, wire::kDatagramId, datagram.datagramId);
  Put(out, 0, wire::kSourceIp, datagram.sourceIp);
  Put(out, 0, wire::kSourcePort, datagram.sourcePort);
  Put(out, 0, wire::kDatagramLength, static_cast<uint32_t>(total - wire::kHeaderSize));
  Put(out, 0, wire::kPacketOffset, 0);

  const auto source = EncodeNetbiosName(datagram.source.name, datagram.source.suffix);
  const auto destination =
      EncodeNetbiosName(datagram.destination.name, datagram.destination.suffix);
  std::copy(source.begin(), source.end(), out.begin() + wire::kHeaderSize);
  std::copy(destination.begin(), destination.end(),
            out.begin() + wire::kHeaderSize + wire::kEncodedNameSize);

  const auto count = static_cast<uint32_t>(datagram.message.size());
  Put(out, smbStart, wire::kProtocol, wire::kSmbMagic);
  Put(out, smbStart, wire::kCommand, wire::kTransaction);
  Put(out, smbStart, wire::kWordCount, wire::kTransactionWords);
  Put(out, smbStart, wire::kTotalDataCount, count);
  Put(out, smbStart, wire::kTimeout, wire::kTimeoutMs);
  Put(out, smbStart, wire::kDataCount, count);
  Put(out, smbStart, wire::kDataOffset, static_cast<uint32_t>(dataOffset));
  Put(out, smbStart, wire::kSetupCount, wire::kMailslotSetupWords);
  Put(out, smbStart, wire::kOpcode, wire::kWriteMailslot);
  Put(out, smbStart, wire::kClass, wire::kUnreliableClass);
  Put(out, smbStart, wire::kByteCount, static_cast<uint32_t>(nameBytes + count));

  auto at = out.begin() + static_cast<std::ptrdiff_t>(smbStart + wire::kSmbBytes);
  at = std::copy(datagram.mailslot.begin(), datagram.mailslot.end(), at);
  std::copy(datagram.message.begin(), datagram.message.end(), at + 1);
  return out;
}

std::optional<MailslotDatagram> DecodeMessengerDatagram(std::span<const uint8_t> bytes) {
  const std::size_t size = bytes.size();
  const auto type = Get(bytes, 0, size, wire::kMessageType);
  const auto flags = Get(bytes, 0, size, wire::kFlags);
  const auto id = Get(bytes, 0, size, wire::kDatagramId);
  const auto ip = Get(bytes, 0, size, wire::kSourceIp);
  const auto port = Get(bytes, 0, size, wire::kSourcePort);
  const auto length = Get(bytes, 0, size, wire::kDatagramLength);
  const auto packetOffset = Get(bytes, 0, size, wire::kPacketOffset);
  if (!type || !flags || !id || !ip || !port || !length || !packetOffset) {
    return std::nullopt;
  }
  if (*type != wire::kDirectUniqueDatagram && *type != wire::kDirectGroupDatagram &&
      *type != wire::kBroadcastDatagram) {
    return std::nullopt;
  }
  // Fragments are never reassembled: a mailslot write fits in one datagram.
  if ((*flags & wire::kFirstFragment) == 0 || (*flags & wire::kMoreFragments) != 0 ||
      *packetOffset != 0) {
    return std::nullopt;
  }
  if (*length > size - wire::kHeaderSize) {
    return std::nullopt;
  }
  // Trailing bytes beyond the stated length are not part of the datagram.
  const std::size_t end = wire::kHeaderSize + *length;

  const auto source = DecodeName(bytes, wire::kHeaderSize, end);
  if (!source) {
    return std::nullopt;
  }
  const auto destination = DecodeName(bytes, source->end, end);
  if (!destination) {
    return std::nullopt;
  }

  const std::size_t smb = destination->end;
  const auto magic = Get(bytes, smb, end, wire::kProtocol);
  const auto command = Get(bytes, smb, end, wire::kCommand);
  const auto words = Get(bytes, smb, end, wire::kWordCount);
  const auto setupCount = Get(bytes, smb, end, wire::kSetupCount);
  const auto opcode = Get(bytes, smb, end, wire::kOpcode);
  const auto totalData = Get(bytes, smb, end, wire::kTotalDataCount);
  const auto parameterCount = Get(bytes, smb, end, wire::kParameterCount);
  const auto parameterOffset = Get(bytes, smb, end, wire::kParameterOffset);
  const auto dataCount = Get(bytes, smb, end, wire::kDataCount);
  const auto dataOffset = Get(bytes, smb, end, wire::kDataOffset);
  const auto byteCount = Get(bytes, smb, end, wire::kByteCount);
  if (!magic || !command || !words || !setupCount || !opcode || !totalData || !parameterCount ||
      !parameterOffset || !dataCount || !dataOffset || !byteCount) {
    return std::nullopt;
  }
  if (*magic != wire::kSmbMagic || *command != wire::kTransaction ||
      *words != wire::kTransactionWords || *setupCount != wire::kMailslotSetupWords ||
      *opcode != wire::kWriteMailslot) {
    return std::nullopt;
  }

  // The byte area: the mailslot name, then the message, all inside `end`.
  const std::size_t smbSize = end - smb;
  if (*byteCount > smbSize - wire::kSmbBytes) {
    return std::nullopt;
  }
  const std::size_t bytesEnd = wire::kSmbBytes + *byteCount;
  const auto nameBegin = bytes.begin() + static_cast<std::ptrdiff_t>(smb + wire::kSmbBytes);
  const auto nameLimit = bytes.begin() + static_cast<std::ptrdiff_t>(smb + bytesEnd);
  const auto nameEnd = std::find(nameBegin, nameLimit, uint8_t{0});
  if (nameEnd == nameLimit) {
    return std::nullopt;
  }
  std::string mailslot(nameBegin, nameEnd);
  if (!AsciiEqualsIgnoreCase(mailslot, kMessengerMailslot)) {
    return std::nullopt;
  }
  const std::size_t dataStart = wire::kSmbBytes + mailslot.size() + 1;

  if (*totalData != *dataCount || *dataOffset < dataStart || *dataOffset > bytesEnd ||
      *dataCount > bytesEnd - *dataOffset) {
    return std::nullopt;
  }
  if (*parameterCount != 0 &&
      (*parameterOffset > smbSize || *parameterCount > smbSize - *parameterOffset)) {
    return std::nullopt;
  }

  MailslotDatagram datagram;
  datagram.messageType = static_cast<uint8_t>(*type);
  datagram.datagramId = static_cast<uint16_t>(*id);
  datagram.sourceIp = *ip;
  datagram.sourcePort = static_cast<uint16_t>(*port);
  datagram.source = source->name;
  datagram.destination = destination->name;
  datagram.mailslot = std::move(mailslot);
  const auto data = bytes.begin() + static_cast<std::ptrdiff_t>(smb + *dataOffset);
  datagram.message.assign(data, data + *dataCount);
  return datagram;
}

}  // namespace kestrivane
