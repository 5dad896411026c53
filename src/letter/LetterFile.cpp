#include "letter/LetterFile.h"

#include "platform/Files.h"
#include "platform/media/SafeFiles.h"

#include <QStringDecoder>
#include <array>

namespace letterfile {
namespace {

// Bytes 0x80 to 0x9F of Windows-1252, for a Qt built without a codec for it; undefined ones
// stay as their C1 code points, as Windows itself maps them.
constexpr std::array<char16_t, 32> cp1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeWindows1252(const QByteArray& bytes) {
    QStringDecoder codec("windows-1252");
    if (codec.isValid())
        return codec.decode(bytes);
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b >= 0x80 && b < 0xA0 ? QChar(cp1252High[b - 0x80]) : QChar(b));
    }
    return text;
}

} // namespace

QByteArray encode(const QString& text) {
    QString saved = text;
    saved.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    saved.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return (saved + QLatin1String("\r\n")).toUtf8();
}

QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
}

std::optional<QString> read(const QString& path) {
    const std::optional<QByteArray> bytes = platform::readWholeFile(path, readLimit);
    if (!bytes)
        return std::nullopt;
    return decode(*bytes);
}

bool mayReplace(const QString& path) {
    const platform::PathEntry entry = platform::lookAt(path);
    using Kind = platform::PathEntry::Kind;
    // A link is replaced, not written through, so what it pointed to stays whole either way.
    return entry.kind == Kind::missing || entry.kind == Kind::link ||
           (entry.kind == Kind::regular && entry.size <= readLimit);
}

bool save(const QString& path, const QString& text) {
    return mayReplace(path) && platform::writeFileAtomically(path, encode(text));
}

} // namespace letterfile
