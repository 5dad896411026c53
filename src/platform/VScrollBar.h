#pragma once
// A vertical scroll bar. Change runs when the value changes by an arrow or track click, when a
// dragged thumb is released, or when code sets the value; Scroll while the thumb is dragged.
#include "platform/Control.h"

#include <QScrollBar>

namespace platform {

class VScrollBar : public Control {
public:
    VScrollBar(Container* parent, const TwipsRect& rect, int min = 0, int max = 32767);
    int value() const { return bar()->value(); }
    void setValue(int value) { bar()->setValue(value); }
    int min() const { return bar()->minimum(); }
    int max() const { return bar()->maximum(); }
    void setRange(int min, int max);
    void setSmallChange(int step) { bar()->setSingleStep(step); }
    void setLargeChange(int step) { bar()->setPageStep(step); }
    // Drags the thumb to a value and lets go, as a child does.
    void dragThumbTo(int value);

    Event<> Change;
    Event<> Scroll;

private:
    QScrollBar* bar() const { return static_cast<QScrollBar*>(widget()); }
};

} // namespace platform
