#pragma once
// Each returns rows of the results table: "| figure | median | floor or goal | note |".
#include <QStringList>

QStringList measureStartup(const QString& program, const QString& startDir, const QString& floorProgram);
QStringList measureIdle(const QString& program, const QString& startDir);
QStringList measureInProcess(const QString& startDir);
QStringList measureMemory(const QString& startDir);
QStringList measureBoardSwitch(const QString& startDir);

class Classroom;
QStringList boardSwitch(Classroom& room);

double median(QList<double> values);
QString row(const QString& figure, const QString& value, const QString& comparison, const QString& note);
