#include "platform/media/MidiCheck.h"

#include "platform/media/SafeFiles.h"

#include <cstdint>

namespace platform::media {
namespace {

constexpr qint64 kLargestTune = 16 * 1024 * 1024;

uint32_t bigEndian32(const QByteArray& bytes, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}

uint16_t bigEndian16(const QByteArray& bytes, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return static_cast<uint16_t>((p[0] << 8) | p[1]);
}

uint32_t littleEndian32(const QByteArray& bytes, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return (uint32_t{p[3]} << 24) | (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | uint32_t{p[0]};
}

bool isStandardMidi(const QByteArray& bytes) {
    const qsizetype size = bytes.size();
    if (size < 14 || !bytes.startsWith("MThd"))
        return false;
    const qint64 headerLength = bigEndian32(bytes, 4);
    const uint16_t format = bigEndian16(bytes, 8);
    const uint16_t declaredTracks = bigEndian16(bytes, 10);
    if (headerLength < 6 || 8 + headerLength > size || format > 2 || declaredTracks == 0 || bigEndian16(bytes, 12) == 0)
        return false;
    qint64 offset = 8 + headerLength;
    int tracks = 0;
    while (offset + 8 <= size) {
        const qint64 length = bigEndian32(bytes, offset + 4);
        if (offset + 8 + length > size)
            return false;
        if (bytes.mid(offset, 4) == "MTrk")
            ++tracks;
        offset += 8 + length;
    }
    return tracks >= declaredTracks;
}

// RIFF "RMID": the MIDI file sits in the "data" chunk.
bool isRiffMidi(const QByteArray& bytes) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "RMID")
        return false;
    qint64 offset = 12;
    while (offset + 8 <= bytes.size()) {
        const qint64 length = littleEndian32(bytes, offset + 4);
        if (offset + 8 + length > bytes.size())
            return false;
        if (bytes.mid(offset, 4) == "data")
            return isStandardMidi(bytes.mid(offset + 8, length));
        offset += 8 + length + (length & 1);
    }
    return false;
}

} // namespace

bool isWellFormedMidi(const QByteArray& bytes) {
    return isStandardMidi(bytes) || isRiffMidi(bytes);
}

std::optional<QByteArray> readWellFormedMidi(const QString& path) {
    FileRead file = readRegularFile(path, kLargestTune);
    if (!file.ok() || !isWellFormedMidi(file.bytes))
        return std::nullopt;
    return std::move(file.bytes);
}

} // namespace platform::media
