#pragma once
// The printer: lines collected one by one and printed as one document when it ends, on the
// system's default (CUPS) printer, or into a PDF file. With no printer, or when printing fails,
// nothing comes out and nothing is shown: each call only reports whether it worked.
#include <QString>
#include <QStringList>

namespace platform {

class Printer {
public:
    // The default printer as it is when the document ends.
    Printer() = default;
    // A PDF file instead of a printer.
    explicit Printer(const QString& pdfFile) : pdfFile_(pdfFile) {}

    // Whether there is anywhere to print to.
    bool available() const;
    // A line of the document; line breaks inside it stay, carriage returns alone are dropped.
    bool printLine(const QString& text);
    // Prints the collected lines and starts a new, empty document.
    bool endDoc();

private:
    QString pdfFile_;
    QStringList lines_;
};

} // namespace platform
