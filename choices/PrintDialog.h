#pragma once

class QPrinter;
class QWidget;

namespace Dialogs
{

// Runs the print dialog for `printer`; true when the user accepted. In test
// mode the next PDF file queued with Dialogs::queuePrintToPdf stands in for
// the user's choice. Here, not in platform/, since it alone needs Qt
// PrintSupport, which only the windows that print load.
bool print(QWidget* parent, QPrinter& printer);

} // namespace Dialogs
