#include "GuiTestSupport.h"

#include "choices/ComputerChoicesWindow.h"
#include "choices/PrinterTextStream.h"
#include "platform/Dialogs.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <memory>

namespace
{

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString("<%1 failed>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& pdf)
{
    const auto match = QRegularExpression("Pages:\\s+(\\d+)").match(run("pdfinfo", {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The words of one page with their heights, from pdftotext's bounding boxes.
struct Word {
    QString text;
    double height;
};
QList<Word> pdfWords(const QString& pdf, int page)
{
    const QString html =
        run("pdftotext", {"-bbox", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
    QList<Word> words;
    const QRegularExpression word(
        "<word xMin=\"[^\"]+\" yMin=\"([^\"]+)\" xMax=\"[^\"]+\" yMax=\"([^\"]+)\">([^<]*)</word>");
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.append({m.captured(3), m.captured(2).toDouble() - m.captured(1).toDouble()});
    }
    return words;
}

QFont arial(int points)
{
    QFont font("Arial");
    font.setPointSize(points);
    return font;
}

} // namespace

class PrinterTest : public QObject
{
    Q_OBJECT

  private:
    std::unique_ptr<GuiTestEnvironment> env;

    void toPdf(QPrinter& printer, const QString& name)
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(env->home() + "/" + name);
    }

  private slots:
    void init() { env = std::make_unique<GuiTestEnvironment>(); }
    void cleanup() { env.reset(); }

    void aFullPageBreaksBeforeTheLineThatDoesNotFit()
    {
        QPrinter printer(QPrinter::HighResolution);
        toPdf(printer, "two.pdf");
        int written = 0;
        {
            PrinterTextStream stream(printer);
            stream.setFont(arial(12));
            while (stream.pageCount() == 1 && written < 1000)
                stream.writeLine(QString("line %1").arg(++written));
            stream.close();
        }
        // A 12-point page holds dozens of lines; the last one written opened page 2.
        QVERIFY2(written > 30 && written < 100, qPrintable(QString::number(written)));
        QCOMPARE(pdfPages(printer.outputFileName()), 2);
        const auto second = pdfWords(printer.outputFileName(), 2);
        QCOMPARE(second.size(), 2);
        QCOMPARE(second[1].text, QString::number(written));
        const auto first = pdfWords(printer.outputFileName(), 1);
        QCOMPARE(first.last().text, QString::number(written - 1));

        // One line fewer fits on one page.
        QPrinter again(QPrinter::HighResolution);
        toPdf(again, "one.pdf");
        {
            PrinterTextStream stream(again);
            stream.setFont(arial(12));
            for (int i = 1; i < written; ++i)
                stream.writeLine("x");
            QCOMPARE(stream.pageCount(), 1);
            stream.close();
        }
        QCOMPARE(pdfPages(again.outputFileName()), 1);
    }

    void smallerFontsFitMoreLinesOnAPage()
    {
        auto linesOnFirstPage = [this](int points, const QString& name) {
            QPrinter printer(QPrinter::HighResolution);
            toPdf(printer, name);
            PrinterTextStream stream(printer);
            stream.setFont(arial(points));
            int n = 0;
            while (stream.pageCount() == 1 && n < 2000) {
                stream.writeLine("x");
                ++n;
            }
            stream.close();
            return n - 1;
        };
        const int twelve = linesOnFirstPage(12, "12.pdf");
        const int six = linesOnFirstPage(6, "6.pdf");
        QVERIFY2(six >= 2 * twelve - 2, qPrintable(QString("%1 vs %2").arg(six).arg(twelve)));
    }

    void theChoicesPrintoutUsesItsFonts()
    {
        env->writeDatabase("draws.c3d", 30);
        env->openDatabase("draws.c3d");
        ComputerChoicesWindow window;
        const QString pdf = env->home() + "/fonts.pdf";
        Dialogs::queuePrintToPdf(pdf);
        window.printChoices();
        QCOMPARE(pdfPages(pdf), 1);
        QVERIFY(run("pdffonts", {pdf}).contains("Bold"));
        const auto words = pdfWords(pdf, 1);
        QVERIFY(words.size() > 10);
        QCOMPARE(words.first().text, QString("Quor"));
        // The footer's 6 points are half the 12 points of the title.
        QCOMPARE(words.last().text, QString("odds."));
        const double ratio = words.last().height / words.first().height;
        QVERIFY2(ratio > 0.4 && ratio < 0.6, qPrintable(QString::number(ratio)));
    }
};

QTEST_MAIN(PrinterTest)
#include "PrinterTextStreamTest.moc"
