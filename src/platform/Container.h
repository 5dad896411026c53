#pragma once
// Something controls sit on: a board's client area, a frame or a picture box.
#include <QWidget>
#include <vector>

namespace platform {

class Control;
class Form;

class Container {
public:
    virtual ~Container() = default;
    virtual QWidget* client() = 0;
    virtual Form& form() = 0;

    void adopt(Control* control) { children_.push_back(control); }
    void forget(Control* control);
    const std::vector<Control*>& controls() const { return children_; }
    // After the screen scale changed every child takes its pixel geometry from its twips again.
    void relayoutChildren();

private:
    std::vector<Control*> children_;
};

} // namespace platform
