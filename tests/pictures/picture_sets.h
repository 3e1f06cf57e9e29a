#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>

namespace rutschbild::test {

constexpr int kTileWidth = 127;
constexpr int kTileHeight = 113;
constexpr int kColumns = 4;
constexpr int kTilesPerSet = 12;
constexpr int kGartenFirst = 101; // "Garten" tiles 0-11
constexpr int kKinderFirst = 113; // "Kinder" tiles 0-11
constexpr int kSetFirstNumbers[] = {kGartenFirst, kKinderFirst};

inline QByteArray sourceFile(const QString& relativePath)
{
    QFile file(QStringLiteral(RUTSCHBILD_SOURCE_DIR "/") + relativePath);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

// Little-endian fields as the BMP and ICO headers store them.
inline std::uint32_t u32(const QByteArray& data, int offset)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<std::uint8_t>(data[offset + i]);
    }
    return value;
}

inline std::uint16_t u16(const QByteArray& data, int offset)
{
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(data[offset]) |
                                      static_cast<std::uint8_t>(data[offset + 1]) << 8);
}

inline std::int32_t i32(const QByteArray& data, int offset)
{
    return static_cast<std::int32_t>(u32(data, offset));
}

} // namespace rutschbild::test
