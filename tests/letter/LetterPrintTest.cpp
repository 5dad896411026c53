// Printing the letter: into a PDF file through the printer class, and on a real CUPS PDF queue
// when one can be set up on this machine.
#include "LetterFixtures.h"

#include "platform/MessageBox.h"
#include "platform/Printer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <pwd.h>
#include <unistd.h>

namespace {

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(20000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfText(const QString& pdf) {
    return run("pdftotext", {"-layout", pdf, "-"});
}

// The top of the first word on the first page, in points from the top of the page.
double firstWordTop(const QString& pdf) {
    const QString html = run("pdftotext", {"-bbox", pdf, "-"});
    const QRegularExpressionMatch m = QRegularExpression(R"re(<word xMin="[^"]+" yMin="([^"]+)")re").match(html);
    return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

QString printed(const QStringList& lines, const QString& pdf) {
    platform::Printer printer(pdf);
    for (const QString& line : lines)
        if (!printer.printLine(line))
            return "<printLine failed>";
    return printer.endDoc() ? pdfText(pdf) : "<endDoc failed>";
}

} // namespace

TEST(PrinterToPdf, PrintsItsLinesWithTheirBreaksAsOneDocument) {
    QTemporaryDir dir;
    const QString text = printed({"\r", "Dear Granny,\nthank you for the teddy.\n\nLove, Pip"}, dir.filePath("a.pdf"));
    const QStringList lines = text.split('\n');
    const qsizetype dear = lines.indexOf(QRegularExpression(R"(^\s*Dear Granny,\s*$)"));
    ASSERT_GE(dear, 0) << text.toStdString();
    ASSERT_LT(dear + 3, lines.size());
    EXPECT_EQ(lines[dear + 1].trimmed(), "thank you for the teddy.");
    EXPECT_EQ(lines[dear + 2].trimmed(), "");
    EXPECT_EQ(lines[dear + 3].trimmed(), "Love, Pip");
    // The lone carriage return is an empty first line: the letter starts one line lower.
    printed({"Dear Granny,"}, dir.filePath("b.pdf"));
    EXPECT_GT(firstWordTop(dir.filePath("a.pdf")), firstWordTop(dir.filePath("b.pdf")) + 5);
}

TEST(PrinterToPdf, ALongLetterRunsOntoMorePages) {
    QTemporaryDir dir;
    QStringList many;
    for (int i = 1; i <= 150; ++i)
        many << QString("line %1").arg(i);
    const QString text = printed({many.join('\n')}, dir.filePath("long.pdf"));
    EXPECT_TRUE(text.contains("line 1\n") || text.contains("line 1 ")) << text.left(200).toStdString();
    EXPECT_TRUE(text.contains("line 150"));
    EXPECT_TRUE(text.contains('\f')) << "more than one page";
}

TEST(PrinterToPdf, AnUnwritablePdfReportsFailure) {
    platform::Printer printer("/nonexistent-folder/letter.pdf");
    printer.printLine("Hello");
    EXPECT_FALSE(printer.endDoc());
}

TEST_F(WritingModeTest, WithNoPrinterPrintingDoesNothingAndSaysNothing) {
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer";
    ReadMe& b = board();
    b.menuPrint.setEnabled(true);
    b.ImagePrint.setVisible(true);
    b.Text1.type("Hello");
    b.menuPrint.click();
    b.CheckTools.click();
    b.ImagePrint.click();
    EXPECT_TRUE(platform::MessageBox::captured().isEmpty());
    EXPECT_EQ(b.Text1.text(), "Hello");
    EXPECT_EQ(dings(), 0);
    platform::Printer printer;
    EXPECT_FALSE(printer.available());
    EXPECT_FALSE(printer.printLine("Hello"));
}

// A CUPS scheduler with a cups-pdf queue "PDF" as the default printer; the scheduler is started
// here (and stopped afterwards) when none is running.
class CupsPrintTest : public WritingModeTest {
protected:
    void SetUp() override {
        WritingModeTest::SetUp();
        if (QPrinterInfo::defaultPrinter().printerName() != "PDF" && !startPdfQueue())
            GTEST_SKIP() << "no CUPS PDF queue could be set up";
        // The queue's default PostScript step turns the embedded fonts into Type 3 fonts whose text
        // cannot be read back; the cairo renderer keeps them readable for pdftotext.
        run("lpadmin", {"-p", "PDF", "-o", "pdftops-renderer-default=pdftocairo"});
        outDir_ = QString::fromLocal8Bit(getpwuid(getuid())->pw_dir) + "/PDF";
        before_ = pdfs();
    }
    void TearDown() override {
        // A failed test leaves its printout behind to look at.
        for (const QString& pdf : pdfs())
            if (!before_.contains(pdf) && !HasFailure())
                QFile::remove(QDir(outDir_).filePath(pdf));
        if (cupsd_.state() != QProcess::NotRunning) {
            cupsd_.terminate();
            cupsd_.waitForFinished(5000);
        }
        WritingModeTest::TearDown();
    }
    QStringList pdfs() const { return QDir(outDir_).entryList({"*.pdf"}, QDir::Files, QDir::Time | QDir::Reversed); }
    // Waits for the queue to write its first new PDF, then a moment more for any second one.
    QStringList newPdfs() {
        QElapsedTimer timer;
        timer.start();
        QStringList fresh;
        while (timer.elapsed() < 30000 && fresh.isEmpty()) {
            processEventsFor(200);
            for (const QString& pdf : pdfs())
                if (!before_.contains(pdf) && QFileInfo(QDir(outDir_).filePath(pdf)).size() > 0)
                    fresh << QDir(outDir_).filePath(pdf);
        }
        processEventsFor(1500);
        fresh.clear();
        for (const QString& pdf : pdfs())
            if (!before_.contains(pdf))
                fresh << QDir(outDir_).filePath(pdf);
        return fresh;
    }

private:
    bool startPdfQueue() {
        if (!run("lpstat", {"-r"}).contains("is running")) {
            QDir().mkpath("/run/cups");
            cupsd_.start("/usr/sbin/cupsd", {"-f"});
            if (!cupsd_.waitForStarted(5000))
                return false;
            QElapsedTimer timer;
            timer.start();
            while (!run("lpstat", {"-r"}).contains("is running") && timer.elapsed() < 10000)
                processEventsFor(200);
        }
        run("lpadmin", {"-p", "PDF", "-E", "-v", "cups-pdf:/", "-m", "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"});
        run("lpadmin", {"-d", "PDF"});
        return QPrinterInfo::defaultPrinter().printerName() == "PDF";
    }
    QProcess cupsd_;
    QString outDir_;
    QStringList before_;
};

TEST_F(CupsPrintTest, PrintsTheLetterOnlyOnceTheParentAllowedIt) {
    ReadMe& b = board();
    b.Text1.setText("Dear Granny,\nI can write!");
    b.menuPrint.click();          // not allowed yet: the item is disabled and the picture hidden
    b.menuPrint.setEnabled(true); // what "Allow Printing" does
    b.ImagePrint.setVisible(true);
    b.CheckTools.click();
    b.ImagePrint.click();
    const QStringList fresh = newPdfs();
    ASSERT_EQ(fresh.size(), 1) << fresh.join(", ").toStdString();
    const QString text = pdfText(fresh.first());
    EXPECT_TRUE(text.contains(QRegularExpression(R"(Dear Granny,\s*\n\s*I can write!)"))) << text.toStdString();
    EXPECT_TRUE(platform::MessageBox::captured().isEmpty());
}
