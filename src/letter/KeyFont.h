#pragma once
// The font chosen on the Letter Board also dresses the ABCs board's big label and its letter and
// number keys.
#include <QString>

class Form1;

// Sets the font name of the big label and of every key on the board, with italic and bold off.
void applyKeyFont(Form1& board, const QString& name);
