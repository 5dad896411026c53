#pragma once
// The shared module: what happens after a gate's password was submitted, and the mouse settings
// window a parent opened from the Letter Board.
class Classroom;

class Module1 {
public:
    explicit Module1(Classroom& room_) : room(room_) {}

    long MouseAppid = 0;

    void printGate();
    void volumeGate();
    void mouseGate();
    void exitGate();
    // Opens the mouse settings and remembers their task (no message when it fails).
    void launchMouseControl();
    // At exit: closes the mouse settings window by its title after a short count.
    void closeMouseWindow();

private:
    bool passwordMatches() const;
    void closeForm();
    Classroom& room;
};
