#pragma once
// One row of a times table as the Times Tables board writes it: "7 x 12 = 84".
#include <QString>

namespace numbers {

QString timesTableRow(int table, int row);

} // namespace numbers
