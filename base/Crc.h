#pragma once

#include <QByteArray>

#include <cstdint>

namespace Orv {

// MakeCRC: CRC-16/CCITT-FALSE (polynomial 0x1021, initial 0xFFFF, no reflection, no final
// xor) over the bytes. "123456789" gives 0x29B1. Used for short stable checksums of names.
std::uint16_t MakeCRC(const QByteArray &data);

} // namespace Orv
