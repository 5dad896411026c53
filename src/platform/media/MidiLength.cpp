#include "platform/media/MidiLength.h"

#include <QtEndian>
#include <algorithm>
#include <map>

namespace platform::media {
namespace {

// A reader over one chunk that never runs past its end.
class Bytes {
public:
    Bytes(const char* data, qsizetype size) : data_(reinterpret_cast<const uchar*>(data)), size_(size) {}
    bool atEnd() const { return at_ >= size_; }
    bool ok() const { return ok_; }
    uint8_t byte() {
        if (at_ >= size_) {
            ok_ = false;
            return 0;
        }
        return data_[at_++];
    }
    void skip(uint32_t count) {
        if (count > uint64_t(size_ - at_))
            ok_ = false;
        at_ = std::min<qsizetype>(size_, at_ + qsizetype(count));
    }
    // A variable-length quantity: at most four bytes of seven bits.
    uint32_t quantity() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const uint8_t b = byte();
            value = (value << 7) | (b & 0x7F);
            if (!(b & 0x80))
                return value;
        }
        ok_ = false;
        return value;
    }

private:
    const uchar* data_;
    qsizetype size_;
    qsizetype at_ = 0;
    bool ok_ = true;
};

struct TrackTimes {
    uint64_t lastNoteEnd = 0;             // ticks
    std::map<uint64_t, uint32_t>* tempos; // tick -> microseconds a beat, shared by all tracks
};

// One event after its delta time; false at the end of the track.
bool readEvent(Bytes& track, uint8_t& running, uint64_t tick, TrackTimes& times) {
    uint8_t status = track.byte();
    if (status == 0xFF) {
        const uint8_t type = track.byte();
        const uint32_t length = track.quantity();
        if (type == 0x2F)
            return false;
        if (type == 0x51 && length == 3) {
            uint32_t tempo = 0;
            for (int i = 0; i < 3; ++i)
                tempo = tempo << 8 | track.byte();
            (*times.tempos)[tick] = tempo;
        } else {
            track.skip(length);
        }
        return true;
    }
    if (status == 0xF0 || status == 0xF7) {
        track.skip(track.quantity());
        return true;
    }
    if (status & 0x80) {
        running = status;
        track.byte(); // the first data byte
    } else if (running) {
        status = running; // running status: the byte read was the first data byte
    } else {
        return false; // data with no status before it
    }
    const uint8_t kind = status & 0xF0;
    if (kind != 0xC0 && kind != 0xD0)
        track.byte();
    if (kind == 0x80 || kind == 0x90)
        times.lastNoteEnd = std::max(times.lastNoteEnd, tick);
    return true;
}

bool readTrack(Bytes track, TrackTimes& times) {
    uint64_t tick = 0;
    uint8_t running = 0;
    while (!track.atEnd() && track.ok()) {
        tick += track.quantity();
        if (!readEvent(track, running, tick, times))
            break;
    }
    return track.ok();
}

double ticksToSeconds(uint64_t ticks, int ticksPerBeat, const std::map<uint64_t, uint32_t>& tempos) {
    double seconds = 0;
    uint64_t at = 0;
    uint32_t tempo = 500000; // a beat is half a second until the file says otherwise
    for (const auto& [tick, next] : tempos) {
        if (tick >= ticks)
            break;
        seconds += double(tick - at) * tempo / 1e6 / ticksPerBeat;
        at = tick;
        tempo = next;
    }
    return seconds + double(ticks - at) * tempo / 1e6 / ticksPerBeat;
}

} // namespace

std::optional<double> lastNoteEndSeconds(const QByteArray& midi) {
    // A RIFF RMID wrapper holds the file in its "data" chunk.
    const qsizetype start = midi.startsWith("RIFF") ? midi.indexOf("MThd") : 0;
    if (start < 0 || midi.size() - start < 14 || midi.mid(start, 4) != "MThd")
        return std::nullopt;
    const char* p = midi.constData() + start;
    const uint32_t headerLength = qFromBigEndian<uint32_t>(p + 4);
    const int division = qFromBigEndian<int16_t>(p + 12);
    if (headerLength < 6 || division == 0)
        return std::nullopt;
    std::map<uint64_t, uint32_t> tempos;
    TrackTimes times{0, &tempos};
    qsizetype at = start + 8 + qsizetype(headerLength);
    while (midi.size() - at >= 8) {
        const uint32_t length = qFromBigEndian<uint32_t>(midi.constData() + at + 4);
        if (length > uint64_t(midi.size() - at - 8))
            return std::nullopt;
        if (midi.mid(at, 4) == "MTrk" && !readTrack(Bytes(midi.constData() + at + 8, length), times))
            return std::nullopt;
        at += 8 + qsizetype(length);
    }
    if (division < 0) { // SMPTE: frames a second times ticks a frame, tempo plays no part
        const int framesPerSecond = -(division >> 8);
        const int ticksPerFrame = division & 0xFF;
        if (framesPerSecond <= 0 || ticksPerFrame == 0)
            return std::nullopt;
        return double(times.lastNoteEnd) / (framesPerSecond * ticksPerFrame);
    }
    return ticksToSeconds(times.lastNoteEnd, division, tempos);
}

} // namespace platform::media
