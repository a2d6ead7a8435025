#include "choices/PrintDialog.h"

#include "platform/Dialogs.h"

#include <QPrintDialog>
#include <QPrinter>

namespace Dialogs
{

bool print(QWidget* parent, QPrinter& printer)
{
    printer.setCopyCount(1);
    if (const std::optional<QString> pdf = takeQueuedPrintToPdf()) {
        if (pdf->isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*pdf);
        return true;
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName("PrintDialog1");
    return dialog.exec() == QDialog::Accepted;
}

} // namespace Dialogs
