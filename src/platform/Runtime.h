#pragma once
// Runtime services the boards call: the current directory, the clock, letting waiting handlers
// keep the board responsive, and ending the program.
#include <QString>
#include <functional>

namespace platform {

class Runtime {
public:
    static QString currentDirectory();
    // Seconds since midnight with fractions, from the injectable clock.
    static double secondsSinceMidnight();
    // Tests move the clock (e.g. to just before midnight); an empty function restores the real one.
    static void setClock(std::function<double()> clock);
    // Handles pending events inside a handler; other handlers may run inside it.
    static void doEvents();
    // Waits the given seconds of elapsed time, handling events meanwhile; a wait spanning midnight
    // still ends on time.
    static void waitProcessingEvents(double seconds);
    static void endProgram(int code = 0);
    // Whether the program was asked to end (tests run the farewell without leaving the test).
    static bool endRequested();
    static void resetEndRequested();
};

} // namespace platform
