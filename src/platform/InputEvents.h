#pragma once
// The mouse and keyboard events that boards and controls both answer.
#include "platform/Event.h"

namespace platform {

class Control;

struct InputEvents {
    Event<> Click;
    Event<> DblClick;
    Event<int, int, int, int> MouseDown; // button, shift, x, y (twips)
    Event<int, int, int, int> MouseMove;
    Event<int, int, int, int> MouseUp;
    Event<int&, int> KeyDown; // key code, shift; setting the code to 0 swallows the key
    Event<int&, int> KeyUp;
    Event<> GotFocus;
    Event<Control*, int, int> DragDrop; // dragged control, x, y (twips)
};

} // namespace platform
