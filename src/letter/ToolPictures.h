#pragma once
// The tool bar's pictures: drawn from the built-in pictures, and outlined with a thin border while
// the pointer is over one of them.
#include <QPixmap>
#include <QString>
#include <vector>

namespace platform {
class Image;
}

class ToolPictures {
public:
    // name: what the tool bar's label shows for the picture (empty: the label is left alone).
    void add(platform::Image& picture, const QString& asset, const QString& name);
    // Outlines this picture alone (none for nullptr) and returns its name.
    QString outline(const platform::Image* only);

private:
    struct Entry {
        platform::Image* image;
        QPixmap plain;
        QPixmap outlined;
        QString name;
    };
    std::vector<Entry> entries_;
};
