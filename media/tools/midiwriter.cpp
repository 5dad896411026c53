// Writes the ABCs board's three background tunes as standard MIDI files:
//   midiwriter <output directory>      -> music1.mid, music2.mid, music3.mid
// Each tune is an old public-domain children's song: a melody with a simple bass under it, played
// gently and a little slowly so a small child can sing along.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int ticksPerBeat = 480;
constexpr int melodyChannel = 0;
constexpr int bassChannel = 1;

struct Tune {
    const char* file;
    const char* title;
    int beatsPerMinute;
    int melodyProgram; // General MIDI program, counted from 0
    int bassProgram;
    int repeats;
    // The glockenspiel sounds thinner than the piano: it is struck harder so every tune is as loud as the voice.
    int melodyVelocity;
    // Notes as "C5", "F#4:2" (beats, default 1), "R:1" for a rest; bars are split by "|" for reading only.
    const char* melody;
    const char* bass;
};

const Tune tunes[] = {
    {"music1.mid", "Twinkle, Twinkle, Little Star", 112, 9 /* glockenspiel */, 0 /* piano */, 1, 120,
     "C5 C5 G5 G5 | A5 A5 G5:2 | F5 F5 E5 E5 | D5 D5 C5:2 | G5 G5 F5 F5 | E5 E5 D5:2 | "
     "G5 G5 F5 F5 | E5 E5 D5:2 | C5 C5 G5 G5 | A5 A5 G5:2 | F5 F5 E5 E5 | D5 D5 C5:2",
     "C3:2 E3:2 | F3:2 C3:2 | F3:2 C3:2 | G3:2 C3:2 | C3:2 F3:2 | C3:2 G3:2 | "
     "C3:2 F3:2 | C3:2 G3:2 | C3:2 E3:2 | F3:2 C3:2 | F3:2 C3:2 | G3:2 C3:2"},
    {"music2.mid", "Mary Had a Little Lamb", 120, 0 /* piano */, 0, 2, 96,
     "E5:1.5 D5:0.5 C5 D5 | E5 E5 E5:2 | D5 D5 D5:2 | E5 G5 G5:2 | "
     "E5:1.5 D5:0.5 C5 D5 | E5 E5 E5 E5 | D5 D5 E5 D5 | C5:3 R:1",
     "C3:2 G3:2 | C3:2 G3:2 | G2:2 D3:2 | C3:2 G3:2 | "
     "C3:2 G3:2 | C3:2 G3:2 | G2:2 G3:2 | C3:3 R:1"},
    {"music3.mid", "London Bridge Is Falling Down", 120, 0 /* piano */, 0, 2, 96,
     "G5:1.5 A5:0.5 G5 F5 | E5 F5 G5:2 | D5 E5 F5:2 | E5 F5 G5:2 | "
     "G5:1.5 A5:0.5 G5 F5 | E5 F5 G5:2 | D5:2 G5:2 | E5 C5:2 R:1",
     "C3:2 G3:2 | C3:2 E3:2 | G2:2 B2:2 | C3:2 E3:2 | "
     "C3:2 G3:2 | C3:2 E3:2 | G2:2 G3:2 | C3:3 R:1"},
};

struct Event {
    long tick;
    int order; // at one tick, notes end before new ones start
    std::vector<std::uint8_t> bytes;
};

// "C5" -> 72 (middle C is C4 = 60), "F#4" -> 66, "Bb3" -> 58.
std::optional<int> pitchOf(std::string_view name) {
    static constexpr int semitones[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') {
        return std::nullopt;
    }
    int pitch = semitones[name[0] - 'A'];
    std::size_t at = 1;
    if (name[at] == '#' || name[at] == 'b') {
        pitch += name[at] == '#' ? 1 : -1;
        ++at;
    }
    if (at + 1 != name.size() || name[at] < '0' || name[at] > '8') {
        return std::nullopt;
    }
    return pitch + 12 * (name[at] - '0' + 1);
}

// "G5:1.5" -> length in ticks (default one beat), or nothing for a length that makes no sense.
std::optional<long> lengthOf(const std::string& word) {
    const std::size_t colon = word.find(':');
    double beats = 1.0;
    if (colon != std::string::npos) {
        const char* end = word.data() + word.size();
        const auto [stop, error] = std::from_chars(word.data() + colon + 1, end, beats);
        if (error != std::errc() || stop != end) {
            return std::nullopt;
        }
    }
    const long length = std::lround(beats * ticksPerBeat);
    if (length <= 0 || length > 16 * ticksPerBeat) {
        return std::nullopt;
    }
    return length;
}

// Turns one voice into note-on/off events; returns the voice's length in ticks, or nothing on a typo.
std::optional<long> addVoice(std::string_view notes, int channel, int velocity, long start,
                             std::vector<Event>& events) {
    std::istringstream words{std::string(notes)};
    std::string word;
    long tick = start;
    while (words >> word) {
        if (word == "|") {
            continue;
        }
        const std::optional<long> length = lengthOf(word);
        const std::string name = word.substr(0, word.find(':'));
        const std::optional<int> pitch = pitchOf(name);
        if (!length || (name != "R" && !pitch)) {
            std::fprintf(stderr, "midiwriter: not a note: %s\n", word.c_str());
            return std::nullopt;
        }
        if (pitch) {
            const auto status = static_cast<std::uint8_t>(0x90 | channel);
            const auto key = static_cast<std::uint8_t>(*pitch);
            // A short gap before the next note keeps repeated notes ("C C G G") distinct.
            events.push_back({tick, 1, {status, key, static_cast<std::uint8_t>(velocity)}});
            events.push_back({tick + *length * 7 / 8, 0, {status, key, 0}});
        }
        tick += *length;
    }
    return tick - start;
}

void putVariableLength(std::vector<std::uint8_t>& out, unsigned long value) {
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1) {
        out.push_back(static_cast<std::uint8_t>(groups[--count] | 0x80));
    }
    out.push_back(groups[0]);
}

void putBigEndian(std::vector<std::uint8_t>& out, unsigned long value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
    }
}

std::vector<Event> setUpEvents(const Tune& tune) {
    const unsigned long microsPerBeat = 60'000'000UL / static_cast<unsigned long>(tune.beatsPerMinute);
    std::vector<Event> events;
    std::vector<std::uint8_t> name{0xFF, 0x03};
    putVariableLength(name, std::string_view(tune.title).size());
    name.insert(name.end(), tune.title, tune.title + std::string_view(tune.title).size());
    events.push_back({0, 0, name});
    events.push_back({0,
                      0,
                      {0xFF, 0x51, 0x03, static_cast<std::uint8_t>(microsPerBeat >> 16),
                       static_cast<std::uint8_t>(microsPerBeat >> 8), static_cast<std::uint8_t>(microsPerBeat)}});
    events.push_back({0, 0, {0xFF, 0x58, 0x04, 4, 2, 24, 8}});
    events.push_back({0, 0, {0xC0 | melodyChannel, static_cast<std::uint8_t>(tune.melodyProgram)}});
    events.push_back({0, 0, {0xC0 | bassChannel, static_cast<std::uint8_t>(tune.bassProgram)}});
    events.push_back({0, 0, {0xB0 | melodyChannel, 7, 110}}); // channel volume
    events.push_back({0, 0, {0xB0 | bassChannel, 7, 70}});
    return events;
}

// The whole file: header chunk plus one track (format 0) holding both voices.
std::optional<std::vector<std::uint8_t>> buildSong(const Tune& tune) {
    std::vector<Event> events = setUpEvents(tune);
    long tick = 0;
    for (int round = 0; round < tune.repeats; ++round) {
        const std::optional<long> melody = addVoice(tune.melody, melodyChannel, tune.melodyVelocity, tick, events);
        const std::optional<long> bass = addVoice(tune.bass, bassChannel, 64, tick, events);
        if (!melody || !bass || *melody != *bass) {
            std::fprintf(stderr, "midiwriter: %s: melody and bass do not line up\n", tune.file);
            return std::nullopt;
        }
        tick += *melody;
    }
    events.push_back({tick + ticksPerBeat, 2, {0xFF, 0x2F, 0x00}}); // end of track after the last note rings
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<std::uint8_t> track;
    long last = 0;
    for (const Event& event : events) {
        putVariableLength(track, static_cast<unsigned long>(event.tick - last));
        track.insert(track.end(), event.bytes.begin(), event.bytes.end());
        last = event.tick;
    }
    std::vector<std::uint8_t> song{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1};
    putBigEndian(song, ticksPerBeat, 2);
    song.insert(song.end(), {'M', 'T', 'r', 'k'});
    putBigEndian(song, track.size(), 4);
    song.insert(song.end(), track.begin(), track.end());
    return song;
}

bool writeSong(const std::filesystem::path& path, const std::vector<std::uint8_t>& song) {
    // Written beside the target and renamed, so an interrupted build never leaves half a tune.
    const std::filesystem::path partial = path.string() + ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(song.data()), static_cast<std::streamsize>(song.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "midiwriter: cannot write %s\n", partial.c_str());
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, path, error);
    if (error) {
        std::fprintf(stderr, "midiwriter: cannot rename to %s: %s\n", path.c_str(), error.message().c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: midiwriter <output directory>\n");
        return 2;
    }
    const std::filesystem::path directory(argv[1]);
    for (const Tune& tune : tunes) {
        const std::optional<std::vector<std::uint8_t>> song = buildSong(tune);
        if (!song || !writeSong(directory / tune.file, *song)) {
            return 1;
        }
    }
    return 0;
}
