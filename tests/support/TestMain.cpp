// Every test program runs headless: the offscreen window system and SDL's dummy audio driver,
// unless the caller chose otherwise (the disk driver proves that a click made sound).
#include "platform/Application.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("XDG_RUNTIME_DIR", "/tmp", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    platform::prepareApplication();
    platform::MessageBox::captureForTests(true);
    return RUN_ALL_TESTS();
}
