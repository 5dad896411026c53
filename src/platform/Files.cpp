#include "platform/Files.h"

#include "platform/media/SafeFiles.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

QString filePath(const QString& dir, const QString& name) {
    const QString exact = QDir(dir).filePath(name);
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return QDir(dir).filePath(entry);
    return exact;
}

std::optional<QByteArray> readWholeFile(const QString& path, qint64 limit) {
    FileRead read = readRegularFile(path, limit);
    if (!read.ok())
        return std::nullopt;
    return std::move(read.bytes);
}

bool writeFileAtomically(const QString& path, const QByteArray& content) {
    return replaceFile(path, [&content](int descriptor) { return writeAll(descriptor, content); });
}

} // namespace platform
