#pragma once

#include <QFont>
#include <QPainter>
#include <QString>

class QPrinter;

// Lines of text onto a printer, one after the other, the way a plain text
// file would be printed: every line is one line of print in the current font,
// and a line that no longer fits on the page starts the next page. The font
// may change between lines; the line advances by the height of the font the
// line was written in.
class PrinterTextStream
{
  public:
    // Starts the print job; an I/O error when the printer cannot be opened.
    explicit PrinterTextStream(QPrinter& printer);
    // Ends the print job if close() was not called (an error path).
    ~PrinterTextStream();
    PrinterTextStream(const PrinterTextStream&) = delete;
    PrinterTextStream& operator=(const PrinterTextStream&) = delete;

    void setFont(const QFont& font);
    QFont font() const { return font_; }

    void writeLine(const QString& text);
    // Ends the print job; the document is complete only after this.
    void close();

    int pageCount() const { return pages_; }

  private:
    void fail(const std::string& action) const;

    QPrinter& printer_;
    QPainter painter_;
    QFont font_;
    qreal y_ = 0; // top of the next line, in device pixels from the top of the printable area
    int pages_ = 1;
    bool open_ = false;
};
