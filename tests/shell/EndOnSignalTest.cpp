// SIGTERM ends the classroom even while its event loop is held up: a file that never finishes
// opening or a hung disk once kept it running, deaf to the desktop's request to end it.
#include "shell/EndOnSignal.h"

#include <QElapsedTimer>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The child installs the handler as the classroom does and then never returns to its event loop.
TEST(EndOnSignalTest, SigtermEndsAProgramWhoseEventLoopIsHeldUp) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        EndOnSignal endOnSignal([] {});
        ::kill(::getpid(), SIGTERM);
        for (int i = 0; i < 30; ++i)
            ::sleep(1);
        ::_exit(0);
    }
    QElapsedTimer waited;
    waited.start();
    int status = 0;
    pid_t ended = 0;
    while ((ended = ::waitpid(child, &status, WNOHANG)) == 0 && waited.elapsed() < 15000)
        ::usleep(50 * 1000);
    if (ended == 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        FAIL() << "the program was still running 15 s after SIGTERM";
    }
    EXPECT_TRUE(WIFSIGNALED(status)) << "it ended by itself, not by the signal";
    EXPECT_LT(waited.elapsed(), 10000);
}

} // namespace
