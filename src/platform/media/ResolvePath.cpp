#include "platform/media/ResolvePath.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace platform::media {
namespace {

QString normalised(const QString& path) {
    QString result = path;
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(QDir::current().absoluteFilePath(result));
}

// An exact match wins; otherwise the first name in sorted order, so the choice is stable.
QString findEntry(const QString& folder, const QString& name) {
    const QString exact = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries =
        QDir(folder.isEmpty() ? QStringLiteral("/") : folder)
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + QLatin1Char('/') + entry;
    }
    return {};
}

QString resolveAbsolute(const QString& absolute) {
    if (QFileInfo::exists(absolute))
        return absolute;
    const QStringList parts = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return QStringLiteral("/");
    QString current; // empty stands for the root folder
    for (const QString& part : parts) {
        current = findEntry(current, part);
        if (current.isEmpty())
            return {};
    }
    return current;
}

} // namespace

QString resolveExistingPath(const QString& path) {
    if (path.trimmed().isEmpty())
        return {};
    return resolveAbsolute(normalised(path));
}

QString resolvePathForWriting(const QString& path) {
    if (path.trimmed().isEmpty())
        return {};
    const QString absolute = normalised(path);
    const QString existing = resolveAbsolute(absolute);
    if (!existing.isEmpty())
        return existing;
    const QFileInfo info(absolute);
    const QString folder = resolveAbsolute(info.absolutePath());
    if (folder.isEmpty())
        return absolute;
    return folder + QLatin1Char('/') + info.fileName();
}

} // namespace platform::media
