#include "base/Crc.h"

namespace Orv {

std::uint16_t MakeCRC(const QByteArray &data)
{
    std::uint16_t crc = 0xFFFF;
    for (const char byte : data) {
        crc ^= static_cast<std::uint16_t>(static_cast<std::uint8_t>(byte) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? static_cast<std::uint16_t>((crc << 1) ^ 0x1021) : static_cast<std::uint16_t>(crc << 1);
    }
    return crc;
}

} // namespace Orv
