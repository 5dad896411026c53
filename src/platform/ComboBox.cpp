#include "platform/ComboBox.h"

#include <QLineEdit>

namespace platform {

ComboBox::ComboBox(Container* parent, const TwipsRect& rect, bool sorted, const FontSpec& font)
    : Control(*parent, new QComboBox(parent->client()), rect), sorted_(sorted) {
    combo()->setEditable(true);
    combo()->setInsertPolicy(QComboBox::NoInsert);
    setBackColor(colors::white);
    setFont(font);
    QObject::connect(combo(), &QComboBox::activated, widget(), [this] { Click(); });
    QObject::connect(combo()->lineEdit(), &QLineEdit::textEdited, widget(), [this] { Change(); });
}

void ComboBox::setText(const QString& text) {
    QSignalBlocker block(combo());
    const int i = combo()->findText(text, Qt::MatchFixedString);
    if (i >= 0)
        combo()->setCurrentIndex(i);
    combo()->setEditText(text);
}

void ComboBox::addItem(const QString& item) {
    if (!sorted_) {
        combo()->addItem(item);
        return;
    }
    int at = 0;
    while (at < combo()->count() && QString::compare(combo()->itemText(at), item, Qt::CaseInsensitive) <= 0)
        ++at;
    const QString edit = combo()->currentText();
    combo()->insertItem(at, item);
    combo()->setEditText(edit);
}

void ComboBox::choose(const QString& item) {
    const int i = combo()->findText(item, Qt::MatchFixedString);
    if (i < 0 || !userCanReach())
        return;
    combo()->setCurrentIndex(i);
    Q_EMIT combo()->activated(i);
}

} // namespace platform
