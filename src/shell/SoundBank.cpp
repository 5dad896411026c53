#include "shell/SoundBank.h"

#include "platform/MediaDevice.h"

void OpenSoundDevice(platform::MediaDevice& device, const QString& type, const QString& file) {
    device.setTabStop(false);
    device.setNotify(false);
    device.setWait(true);
    device.setShareable(false);
    device.setDeviceType(type);
    device.setFileName(file);
}

void PlayFromStart(platform::MediaDevice& device) {
    device.command("play");
    // Back to the start without cutting the sound off, so the next click plays it from the start.
    device.command("prev");
}
