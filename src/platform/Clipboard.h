#pragma once
// The system clipboard, text only.
#include <QString>

namespace platform::clipboard {

void clear();
void setText(const QString& text);
QString text();

} // namespace platform::clipboard
