#include <QCoreApplication>

#include <gtest/gtest.h>

#include <csignal>

int main(int argc, char** argv) {
    // Each fixture picks its driver before the first device starts SDL; this is the default for the rest.
    qputenv("SDL_AUDIODRIVER", "dummy");
    // The full-disk case limits the file size; the write must fail with EFBIG instead of killing the run.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
