#pragma once
// Waits, from outside a program, for its window to be mapped on the X server.
#include <QString>

// Milliseconds from now until a viewable top-level window with exactly this title exists; -1 on
// timeout. Polls the server every millisecond.
double millisecondsUntilMapped(const QString& title, int timeoutMs);
