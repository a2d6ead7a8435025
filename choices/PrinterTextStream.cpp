#include "choices/PrinterTextStream.h"

#include "engine/Errors.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPrinter>

PrinterTextStream::PrinterTextStream(QPrinter& printer) : printer_(printer), font_("Arial")
{
    font_.setPointSize(12);
    if (!painter_.begin(&printer_))
        fail("open");
    open_ = true;
    painter_.setPen(Qt::black);
    painter_.setFont(font_);
}

PrinterTextStream::~PrinterTextStream()
{
    if (open_)
        painter_.end();
}

void PrinterTextStream::fail(const std::string& action) const
{
    const QString target = printer_.outputFileName().isEmpty() ? printer_.printerName() : printer_.outputFileName();
    quor3::throwIoError(
        target.isEmpty() ? std::string("printer") : target.toStdString(), action,
        QCoreApplication::translate("PrinterTextStream", "the printer did not accept the print job").toStdString());
}

void PrinterTextStream::setFont(const QFont& font)
{
    font_ = font;
    if (open_)
        painter_.setFont(font_);
}

void PrinterTextStream::writeLine(const QString& text)
{
    if (!open_)
        fail(QCoreApplication::translate("PrinterTextStream", "write to").toStdString());
    // Metrics of the printer, not of the screen: point sizes scale with its resolution.
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const qreal lineHeight = metrics.lineSpacing();
    const qreal pageHeight = painter_.device()->height();
    if (y_ > 0 && y_ + lineHeight > pageHeight) {
        if (!printer_.newPage())
            fail(QCoreApplication::translate("PrinterTextStream", "start a new page on").toStdString());
        ++pages_;
        y_ = 0;
    }
    if (!text.isEmpty())
        painter_.drawText(QPointF(0, y_ + metrics.ascent()), text);
    y_ += lineHeight;
}

void PrinterTextStream::close()
{
    if (!open_)
        return;
    open_ = false;
    if (!painter_.end())
        fail(QCoreApplication::translate("PrinterTextStream", "finish the print job on").toStdString());
}
