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
    // Qt wants a private runtime folder; a shared /tmp earns a warning on every start.
    char runtimeDir[] = "/tmp/pipkin-test-XXXXXX";
    if (!getenv("XDG_RUNTIME_DIR") && mkdtemp(runtimeDir))
        setenv("XDG_RUNTIME_DIR", runtimeDir, 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    platform::prepareApplication();
    platform::MessageBox::captureForTests(true);
    return RUN_ALL_TESTS();
}
