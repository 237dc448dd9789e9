#pragma once
// The bytes of a remote mailslot write: a NetBIOS datagram (RFC 1002, 4.4)
// whose user data is an SMB transaction writing to a second-class mailslot.
// The field table below is the one description of the layout; the encoder
// writes through it and the decoder reads through it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kestrivane {

inline constexpr uint16_t kNetbiosDatagramPort = 138;
inline constexpr std::string_view kMessengerMailslot = "\\MAILSLOT\\MESSNGR";

// NetBIOS name suffixes (the 16th byte).
inline constexpr uint8_t kWorkstationSuffix = 0x00;
inline constexpr uint8_t kMessengerSuffix = 0x03;

namespace wire {

enum class ByteOrder { kBig, kLittle };

struct Field {
  std::size_t offset;
  std::size_t size;  // 1, 2 or 4
  ByteOrder order;
};

// NetBIOS datagram header, from the start of the UDP payload.
inline constexpr Field kMessageType{0, 1, ByteOrder::kBig};
inline constexpr Field kFlags{1, 1, ByteOrder::kBig};
inline constexpr Field kDatagramId{2, 2, ByteOrder::kBig};
inline constexpr Field kSourceIp{4, 4, ByteOrder::kBig};
inline constexpr Field kSourcePort{8, 2, ByteOrder::kBig};
inline constexpr Field kDatagramLength{10, 2, ByteOrder::kBig};  // bytes after the header
inline constexpr Field kPacketOffset{12, 2, ByteOrder::kBig};
inline constexpr std::size_t kHeaderSize = 14;

inline constexpr uint8_t kDirectUniqueDatagram = 0x10;
inline constexpr uint8_t kDirectGroupDatagram = 0x11;
inline constexpr uint8_t kBroadcastDatagram = 0x12;
inline constexpr uint8_t kFirstFragment = 0x02;
inline constexpr uint8_t kMoreFragments = 0x01;

// Encoded name: length byte 0x20, 32 letters, empty scope.
inline constexpr std::size_t kEncodedNameSize = 34;
inline constexpr std::size_t kNetbiosNameLength = 15;

// SMB header and transaction request, from the start of the SMB header.
inline constexpr Field kProtocol{0, 4, ByteOrder::kBig};
inline constexpr Field kCommand{4, 1, ByteOrder::kLittle};
inline constexpr Field kWordCount{32, 1, ByteOrder::kLittle};
inline constexpr Field kTotalParameterCount{33, 2, ByteOrder::kLittle};
inline constexpr Field kTotalDataCount{35, 2, ByteOrder::kLittle};
inline constexpr Field kMaxParameterCount{37, 2, ByteOrder::kLittle};
inline constexpr Field kMaxDataCount{39, 2, ByteOrder::kLittle};
inline constexpr Field kMaxSetupCount{41, 1, ByteOrder::kLittle};
inline constexpr Field kTransactionFlags{43, 2, ByteOrder::kLittle};
inline constexpr Field kTimeout{45, 4, ByteOrder::kLittle};
inline constexpr Field kParameterCount{51, 2, ByteOrder::kLittle};
inline constexpr Field kParameterOffset{53, 2, ByteOrder::kLittle};
inline constexpr Field kDataCount{55, 2, ByteOrder::kLittle};
inline constexpr Field kDataOffset{57, 2, ByteOrder::kLittle};
inline constexpr Field kSetupCount{59, 1, ByteOrder::kLittle};
inline constexpr Field kOpcode{61, 2, ByteOrder::kLittle};
inline constexpr Field kPriority{63, 2, ByteOrder::kLittle};
inline constexpr Field kClass{65, 2, ByteOrder::kLittle};
inline constexpr Field kByteCount{67, 2, ByteOrder::kLittle};
inline constexpr std::size_t kSmbBytes = 69;  // mailslot name, then the message

inline constexpr uint32_t kSmbMagic = 0xFF534D42;  // "\xFFSMB"
inline constexpr uint8_t kTransaction = 0x25;
inline constexpr uint8_t kTransactionWords = 17;  // 14 + 3 setup words
inline constexpr uint8_t kMailslotSetupWords = 3;
inline constexpr uint16_t kWriteMailslot = 1;
inline constexpr uint16_t kUnreliableClass = 2;
inline constexpr uint32_t kTimeoutMs = 1000;

// Largest UDP payload over IPv4.
inline constexpr std::size_t kMaxDatagramSize = 65507;

}  // namespace wire

struct NetbiosName {
  std::string name;  // upper case, trailing blanks removed once decoded
  uint8_t suffix = kWorkstationSuffix;
};

struct MailslotDatagram {
  uint8_t messageType = wire::kDirectUniqueDatagram;
  uint16_t datagramId = 0;
  uint32_t sourceIp = 0;  // host byte order
  uint16_t sourcePort = kNetbiosDatagramPort;
  NetbiosName source;
  NetbiosName destination{"", kMessengerSuffix};
  std::string mailslot{kMessengerMailslot};
  std::vector<uint8_t> message;
};

// Upper-cased, cut to 15, blank-padded, suffix appended, half-ASCII encoded.
std::array<uint8_t, wire::kEncodedNameSize> EncodeNetbiosName(std::string_view name,
                                                              uint8_t suffix);

// The whole UDP payload; nullopt when the mailslot name holds a zero byte or
// the result would not fit in one UDP datagram.
std::optional<std::vector<uint8_t>> EncodeMailslotDatagram(const MailslotDatagram& datagram);

// Accepts a first and only fragment of type 0x10, 0x11 or 0x12 carrying a
// mailslot write to \MAILSLOT\MESSNGR (any case); every count and offset is
// checked against `bytes`. Anything else is nullopt.
std::optional<MailslotDatagram> DecodeMessengerDatagram(std::span<const uint8_t> bytes);

}  // namespace kestrivane
