#include "charts/SetsConfigDialog.h"
#include "platform/Accessibility.h"
#include "platform/WindowKit.h"

#include "platform/DataFolder.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>

namespace
{
const char* const DigitNames[10] = {
    QT_TRANSLATE_NOOP("SetsConfigDialog", "Zero"),  QT_TRANSLATE_NOOP("SetsConfigDialog", "One"),
    QT_TRANSLATE_NOOP("SetsConfigDialog", "Two"),   QT_TRANSLATE_NOOP("SetsConfigDialog", "Three"),
    QT_TRANSLATE_NOOP("SetsConfigDialog", "Four"),  QT_TRANSLATE_NOOP("SetsConfigDialog", "Five"),
    QT_TRANSLATE_NOOP("SetsConfigDialog", "Six"),   QT_TRANSLATE_NOOP("SetsConfigDialog", "Seven"),
    QT_TRANSLATE_NOOP("SetsConfigDialog", "Eight"), QT_TRANSLATE_NOOP("SetsConfigDialog", "Nine")};
}

SetsConfigDialog::SetsConfigDialog(int draws, QWidget* owner) : QDialog(owner), draws_(draws)
{
    setObjectName("TForm20");
    setWindowTitle(tr("Sets Configuration"));
    setFixedSize(495, 363);
    const QFont font = arialFont(13);
    setFont(font);

    spanLabel = addLabel(this, "Label1", tr("Track Sets over past "), font, 16, 16);
    spanEdit = addSpinEdit(this, "SpinEdit1", 1, 999, 3, QRect());
    nameForReader(spanEdit, tr("How many draws to track"));
    spanEdit->setFont(font);
    spanEdit->setGeometry(spanLabel->geometry().right() + 6, 11, 60, 26);
    drawsLabel = addLabel(this, "Label2", tr("draws"), font, spanEdit->geometry().right() + 8, 16);

    const int boxWidth = 87;
    const int gap = 7;
    for (int s = 0; s < quor3::SetCount; ++s) {
        auto* box = new QGroupBox(tr("Set %1").arg(s + 1), this);
        box->setObjectName(QString("GroupBox%1").arg(s + 1));
        box->setFont(font);
        box->setToolTip(tr("Choose the numbers you wish to track for Set#%1").arg(s + 1));
        box->setGeometry(16 + s * (boxWidth + gap), 50, boxWidth, 256);
        setBoxes[s] = box;
        for (int d = 0; d < 10; ++d) {
            auto* check = new QCheckBox(tr(DigitNames[d]), box);
            check->setObjectName(QString("CheckBox%1").arg(10 * s + d + 1));
            check->setFont(font);
            nameForReader(check, tr("Set %1: %2").arg(s + 1).arg(tr(DigitNames[d])));
            check->setGeometry(10, 22 + d * 23, boxWidth - 14, 22);
            digitBoxes[10 * s + d] = check;
        }
    }

    cancelButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("&Cancel"), this);
    cancelButton->setObjectName("BitBtn2");
    cancelButton->setGeometry(16, 320, 100, 30);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    saveButton = new QPushButton(tr("&Save && Close"), this);
    saveButton->setObjectName("Button1");
    saveButton->setGeometry(495 - 16 - 110, 320, 110, 30);
    // Enter keeps the sets ticked so far (a focused button takes Enter
    // itself); Escape still cancels.
    saveButton->setDefault(true);
    connect(saveButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { saveAndClose(); }); });

    Help::bindF1(this, "Sets");
    centreOnScreen(this);
    // A sets file that cannot be read stops "Customize" before the dialog
    // opens, so that saving can never replace it with empty sets.
    prepare();
}

std::filesystem::path SetsConfigDialog::configFile()
{
    // Sets kept beside the database belong to it; the data folder's file is
    // shared by every database that has none. A new file goes beside the database.
    const QString besideDatabase =
        findFileIgnoringCase(QString::fromStdString(Session::instance().folder.string()), quor3::SetsFileName);
    if (QFileInfo::exists(besideDatabase))
        return besideDatabase.toStdString();
    const QString shared = findFileIgnoringCase(dataFolder(), quor3::SetsFileName);
    if (QFileInfo::exists(shared))
        return shared.toStdString();
    return besideDatabase.toStdString();
}

void SetsConfigDialog::prepare()
{
    loadConfig();
    spanEdit->setMaximum(draws_ > 1 ? draws_ : 1);
}

void SetsConfigDialog::loadConfig()
{
    const auto file = configFile();
    if (!quor3::fileExists(file))
        return;
    const quor3::SetsConfig config = quor3::readSetsFile(file);
    spanEdit->setValue(config.span > draws_ ? draws_ : config.span);
    for (int s = 0; s < quor3::SetCount; ++s)
        for (int d = 0; d < 10; ++d)
            digitBoxes[10 * s + d]->setChecked(config.member[s][d]);
}

void SetsConfigDialog::saveConfig()
{
    quor3::SetsConfig config;
    config.span = spinEditValue(spanEdit);
    for (int s = 0; s < quor3::SetCount; ++s)
        for (int d = 0; d < 10; ++d)
            config.member[s][d] = digitBoxes[10 * s + d]->isChecked();
    quor3::writeSetsFile(configFile(), config);
}

void SetsConfigDialog::saveAndClose()
{
    saveConfig();
    accept();
}
