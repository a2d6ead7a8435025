#include "analysis/RepeatsWindow.h"
#include "platform/ChanceTips.h"
#include "platform/WindowKit.h"

#include "engine/Analysis.h"
#include "engine/Errors.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

RepeatsWindow::RepeatsWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm15");
    setWindowTitle(tr("% Repeats"));
    setFixedSize(245, 289);
    setFont(arialFont(13));
    const QFont font = arialFont(13);
    // Each digit caption is its own text: the one for 2 has no trailing blank.
    const char* digitCaptions[10] = {" 0: ", " 1: ", " 2:", " 3: ", " 4: ", " 5: ", " 6: ", " 7: ", " 8: ", " 9: "};

    headingLabel = addLabel(this, "Label21", tr("% of Repeats: "), font, 24, 10);
    // The texts are padded to a fixed width; right-aligning them keeps the decimal points in a column.
    for (int d = 0; d < 10; ++d) {
        const int y = 36 + 24 * d;
        digitLabels[d] = addLabel(this, qPrintable(QString("Label%1").arg(d + 1)), digitCaptions[d], font, 40, y);
        QLabel* value = addLabel(this, qPrintable(QString("Label%1").arg(d + 11)), QString(), font, 72, y);
        value->setFixedWidth(60);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        percentLabels[d] = value;
    }

    closeButton = addCloseButton(this);
    closeButton->setGeometry(245 - 12 - 84, 289 - 12 - 30, 84, 30);

    Help::bindF1(this, "pct");
    centreOnScreen(this);
}

bool RepeatsWindow::event(QEvent* e)
{
    activation_.handle(e, [this] { runGuarded(this, [this] { refresh(); }); });
    return QDialog::event(e);
}

void RepeatsWindow::refresh()
{
    const Session& session = Session::instance();
    const auto repeatFile = session.fileInFolder(quor3::files::Repeat);
    if (!session.databaseExists() || !quor3::fileExists(repeatFile))
        return;
    const auto records = quor3::readRatiosFile(repeatFile);
    if (records.empty())
        quor3::throwIoError(repeatFile, "read", tr("the file is shorter than one record").toStdString());
    const quor3::ChanceReport chance = openDatabaseChance();
    for (int d = 0; d < 10; ++d) {
        percentLabels[d]->setText(QString::fromStdString(quor3::repeatPercentText(records.front()[d])));
        setChanceTip(percentLabels[d], chance, {"repeat-digit-" + std::to_string(d)});
    }
}
