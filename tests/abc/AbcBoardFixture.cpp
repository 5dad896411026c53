#include "AbcBoardFixture.h"

#include "platform/Pictures.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

int AbcBoardFixture::allPlaysStarted() {
    int plays = 0;
    for (const platform::MediaDevice* device : board().devices())
        plays += device->playsStarted();
    return plays;
}

void AbcBoardFixture::resetTeddy() {
    board().Image1.setPicture(platform::builtinPicture("teddy", {32, 32}));
}

bool AbcBoardFixture::waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

bool AbcBoardFixture::writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray AbcBoardFixture::oneNoteTune() {
    const unsigned char bytes[] = {
        'M',  'T',  'h',  'd',  0, 0, 0, 6,  0, 0, 0, 1, 0, 96, // format 0, one track, 96 ticks a beat
        'M',  'T',  'r',  'k',  0, 0, 0, 15,                    // the track: 15 bytes
        0x00, 0xC0, 0x00,                                       // piano
        0x00, 0x90, 0x3C, 0x64,                                 // middle C on
        0x60, 0x80, 0x3C, 0x40,                                 // off a beat (half a second) later
        0x00, 0xFF, 0x2F, 0x00,                                 // end of track
    };
    return QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes);
}
