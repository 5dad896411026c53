#pragma once
// The shared module: the gates' continuations and the tools a parent opens.
class Classroom;

class Module1 {
public:
    explicit Module1(Classroom& room_) : room(room_) {}
    long MouseAppid = 0;

private:
    [[maybe_unused]] Classroom& room;
};
