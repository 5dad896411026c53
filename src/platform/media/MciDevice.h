#pragma once

#include "platform/media/AudioSystem.h"
#include "platform/media/MusicTrack.h"
#include "platform/media/Recorder.h"
#include "platform/media/SoundClip.h"

#include <QObject>
#include <QString>

namespace platform::media {

// The media device every board sends its sound commands to: one WAV ("WaveAudio") or MIDI ("Sequencer")
// file. Commands never throw and never show anything; one that cannot run does nothing.
class MciDevice : public QObject {
    Q_OBJECT
public:
    explicit MciDevice(QObject* parent = nullptr);
    ~MciDevice() override;

    void setDeviceType(const QString& type);
    QString deviceType() const { return deviceType_; }
    void setFileName(const QString& path) { fileName_ = path; }
    QString fileName() const { return fileName_; }
    void setNotify(bool on) { notify_ = on; }
    void setWait(bool on) { wait_ = on; }
    void setShareable(bool on) { shareable_ = on; }
    void setUpdateInterval(int ms) { updateInterval_ = ms; }

    // "Open"/"open", "close", "play", "prev", "stop", "seek", "record", "save", in any case.
    // Returns whether the command had an effect.
    bool command(const QString& name);

    bool isOpen() const { return !openedFile_.isEmpty(); }
    QString openedFile() const { return openedFile_; }
    int playsStarted() const { return playsStarted_; }
    bool isPlaying() const;
    bool isRecording() const { return recorder_.isRecording(); }
    bool atStart() const;
    qint64 recordedFrames() const { return recorder_.frames(); }

Q_SIGNALS:
    void done(int notifyCode);

private:
    // Declared first so it is released last, after every sound of this device is gone.
    struct AudioLease {
        AudioLease() { AudioSystem::acquire(); }
        ~AudioLease() { AudioSystem::release(); }
        AudioLease(const AudioLease&) = delete;
        AudioLease& operator=(const AudioLease&) = delete;
    };

    bool isSequencer() const;
    bool isWaveAudio() const;
    bool open();
    bool close();
    bool play();
    bool rewind();
    bool stop();
    bool record();
    bool save();

    AudioLease lease_;
    QString deviceType_ = QStringLiteral("WaveAudio");
    QString fileName_;
    QString openedFile_;
    bool notify_ = false;
    bool wait_ = true;
    bool shareable_ = false;
    int updateInterval_ = 0;
    int playsStarted_ = 0;
    SoundClip clip_;
    MusicTrack track_;
    Recorder recorder_;
};

} // namespace platform::media
