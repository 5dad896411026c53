#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > limit)
        return std::nullopt;
    QByteArray content = file.readAll();
    if (file.error() != QFile::NoError)
        return std::nullopt;
    return content;
}

bool writeFileAtomically(const QString& path, const QByteArray& content) {
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk, a file size limit) shows here: a buffered
    // write is flushed at commit, which does not report a partly written buffer.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace platform
