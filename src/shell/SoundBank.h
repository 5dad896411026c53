#pragma once
// The only ways the classroom opens and plays its sound devices.
#include <QString>

namespace platform {
class MediaDevice;
}

// Sets the device up for its file; the caller sends "Open" when its board opens its devices.
void OpenSoundDevice(platform::MediaDevice& device, const QString& type, const QString& file);
// Plays the device's sound from its start; nothing waits for it to end.
void PlayFromStart(platform::MediaDevice& device);
