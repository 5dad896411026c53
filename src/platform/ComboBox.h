#pragma once
// A combo box with an edit field and a list. Click runs when an item is chosen from the list,
// Change when the edit text is changed by typing.
#include "platform/Control.h"

#include <QComboBox>

namespace platform {

class ComboBox : public Control {
public:
    ComboBox(Container* parent, const TwipsRect& rect, bool sorted = false, const FontSpec& font = {});
    QString text() const { return combo()->currentText(); }
    void setText(const QString& text);
    void addItem(const QString& item);
    int listCount() const { return combo()->count(); }
    QString list(int index) const { return combo()->itemText(index); }
    int listIndex() const { return combo()->currentIndex(); }
    void setListIndex(int index) { combo()->setCurrentIndex(index); }
    void clear() { combo()->clear(); }
    // Chooses an item as a child does from the open list.
    void choose(const QString& item);

    Event<> Change;

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
    bool sorted_;
};

} // namespace platform
