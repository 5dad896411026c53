#include "numbers/TimesTable.h"

namespace numbers {

QString timesTableRow(int table, int row) {
    return QString::number(table) + " x " + QString::number(row) + " = " + QString::number(table * row);
}

} // namespace numbers
