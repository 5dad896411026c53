#pragma once
namespace platform {
class Form;
}

// Makes the board cover the whole screen and centres it: ask for a hundred screens, take what the
// toolkit grants, and centre by the granted size.
void fitToScreen(platform::Form& board);
