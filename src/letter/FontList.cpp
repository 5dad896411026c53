#include "letter/FontList.h"

#include "platform/Screen.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>
#include <QRegularExpression>
#include <algorithm>

namespace letter {
namespace {

// Every letter of the alphabet, both cases, drawn by the font itself and not by a stand-in.
bool writesTheAlphabet(const QString& family) {
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
    if (!systems.contains(QFontDatabase::Latin) || systems.contains(QFontDatabase::Symbol))
        return false;
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid() || QFontInfo(font).family().compare(familyWithoutMaker(family), Qt::CaseInsensitive) != 0)
        return false;
    for (char c = 'A'; c <= 'Z'; ++c) {
        if (!raw.supportsCharacter(QChar(c)) || !raw.supportsCharacter(QChar(c - 'A' + 'a')))
            return false;
    }
    return true;
}

} // namespace

QString familyWithoutMaker(const QString& family) {
    static const QRegularExpression makerTag(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    return QString(family).remove(makerTag);
}

QStringList fontList() {
    QStringList names;
    for (const QString& family : platform::Screen::fonts()) {
        if (QFontDatabase::isPrivateFamily(family) || !writesTheAlphabet(family))
            continue;
        const QString name = familyWithoutMaker(family);
        if (!names.contains(name, Qt::CaseInsensitive))
            names.append(name);
    }
    std::stable_sort(names.begin(), names.end(),
                     [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    return names;
}

} // namespace letter
