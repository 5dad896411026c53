#include "platform/Colors.h"

namespace platform {

QColor toQColor(OleColor c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

OleColor fromQColor(const QColor& c) { return rgb(c.red(), c.green(), c.blue()); }

std::optional<OleColor> fromHexText(const QString& text) {
    QString t = text.trimmed();
    bool ok = false;
    if (t.startsWith("&H", Qt::CaseInsensitive)) {
        t = t.mid(2);
        if (t.endsWith('&'))
            t.chop(1);
        if (t.isEmpty() || t.size() > 8)
            return std::nullopt;
        const qulonglong v = t.toULongLong(&ok, 16);
        if (!ok)
            return std::nullopt;
        return OleColor(v & 0xFFFFFF);
    }
    const qlonglong v = t.toLongLong(&ok, 10);
    if (!ok || v < 0 || v > 0xFFFFFF)
        return std::nullopt;
    return OleColor(v);
}

QString toHexText(OleColor c) { return QString("&H%1").arg(c & 0xFFFFFF, 6, 16, QChar('0')).toUpper().replace("&H", "&H"); }

} // namespace platform
