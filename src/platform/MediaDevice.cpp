#include "platform/MediaDevice.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace platform {

MediaDevice::MediaDevice(Container* parent, const TwipsRect& rect) : Control(*parent, new QWidget(parent->client()), rect) {
    auto* layout = new QHBoxLayout(widget());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    play_ = addButton(QString::fromUtf8("\u25B6"), "Play");
    stop_ = addButton(QString::fromUtf8("\u25A0"), "Stop");
    record_ = addButton(QString::fromUtf8("\u25CF"), "Record");
    QObject::connect(play_, &QToolButton::clicked, widget(), [this] { pressPlay(); });
    QObject::connect(stop_, &QToolButton::clicked, widget(), [this] { pressStop(); });
    QObject::connect(record_, &QToolButton::clicked, widget(), [this] { pressRecord(); });
    QObject::connect(&device_, &media::MciDevice::done, widget(), [this](int code) { Done(code); });
    setTabStop(false);
}

QToolButton* MediaDevice::addButton(const QString& text, const QString& description) {
    auto* button = new QToolButton(widget());
    button->setText(text);
    button->setAccessibleName(description);
    button->setToolTip(description);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    button->setFocusPolicy(Qt::NoFocus);
    widget()->layout()->addWidget(button);
    return button;
}

void MediaDevice::setRecordVisible(bool visible) { record_->setVisible(visible); }

bool MediaDevice::recordVisible() const { return !record_->isHidden(); }

void MediaDevice::pressPlay() {
    if (!visible() || !enabled())
        return;
    bool cancel = false;
    PlayClick(cancel);
    if (!cancel)
        device_.command("play");
}

void MediaDevice::pressRecord() {
    if (!visible() || !enabled() || !recordVisible())
        return;
    bool cancel = false;
    RecordClick(cancel);
    if (!cancel)
        device_.command("record");
}

void MediaDevice::pressStop() {
    if (visible() && enabled())
        device_.command("stop");
}

} // namespace platform
