#pragma once
// The media device control: a sound device on a board, driven by command strings, with the button
// bar the voice recorder shows (Play, Stop, Record).
#include "platform/Control.h"
#include "platform/media/MciDevice.h"

class QToolButton;

namespace platform {

class MediaDevice : public Control {
public:
    explicit MediaDevice(Container* parent, const TwipsRect& rect = {});

    void setDeviceType(const QString& type) { device_.setDeviceType(type); }
    QString deviceType() const { return device_.deviceType(); }
    void setFileName(const QString& path) { device_.setFileName(path); }
    QString fileName() const { return device_.fileName(); }
    void setNotify(bool on) { device_.setNotify(on); }
    void setWait(bool on) { device_.setWait(on); }
    void setShareable(bool on) { device_.setShareable(on); }
    void setUpdateInterval(int ms) { device_.setUpdateInterval(ms); }
    // Runs a command ("Open", "play", "prev", ...); failures are silent.
    bool command(const QString& name) { return device_.command(name); }
    void setRecordVisible(bool visible);
    bool recordVisible() const;

    // The device's own state, so tests check the real device.
    bool isOpen() const { return device_.isOpen(); }
    QString openedFile() const { return device_.openedFile(); }
    int playsStarted() const { return device_.playsStarted(); }
    bool isPlaying() const { return device_.isPlaying(); }
    bool isRecording() const { return device_.isRecording(); }
    bool atStart() const { return device_.atStart(); }
    media::MciDevice& device() { return device_; }

    // The child pressing the bar's own buttons.
    void pressPlay();
    void pressRecord();
    void pressStop();

    Event<int> Done;
    Event<bool&> PlayClick; // set the flag to cancel the device's own action
    Event<bool&> RecordClick;

private:
    QToolButton* addButton(const QString& text, const QString& description);
    media::MciDevice device_;
    QToolButton* play_;
    QToolButton* stop_;
    QToolButton* record_;
};

} // namespace platform
