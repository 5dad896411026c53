#pragma once
// What every classroom process sets up before its first board: fonts and the application's name.
namespace platform {

// The boards name "MS Sans Serif" and "Arial"; on this desktop they resolve to metric look-alikes.
void prepareApplication();

} // namespace platform
