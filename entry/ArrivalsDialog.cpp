#include "entry/ArrivalsDialog.h"

#include "platform/Accessibility.h"
#include "platform/Help.h"
#include "platform/WindowKit.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ArrivalsDialog::ArrivalsDialog(QWidget* owner) : QDialog(owner)
{
    setObjectName("ArrivalsDialog");
    setWindowTitle(tr("What Arrived"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Over every window, as a message box is, but without a loop of its own:
    // it comes while the program goes on (a fetch ends in the background).
    setWindowModality(Qt::ApplicationModal);

    textLabel = new QLabel(this);
    textLabel->setObjectName("ArrivalsText");
    textLabel->setTextFormat(Qt::PlainText);
    textLabel->setWordWrap(true);
    textLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    textLabel->setMinimumWidth(440);
    nameForReader(textLabel, tr("What arrived"));

    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName("ArrivalsOk");
    okButton->setDefault(true);
    nameForReader(okButton, tr("OK"), tr("Closes the summary"));
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textLabel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    Help::bindF1(this, "fetch");
    okButton->setFocus();
}

ArrivalsDialog* ArrivalsDialog::current(QWidget* owner)
{
    for (ArrivalsDialog* open : owner->findChildren<ArrivalsDialog*>(QString(), Qt::FindDirectChildrenOnly))
        if (open->isVisible())
            return open;
    return nullptr;
}

ArrivalsDialog* ArrivalsDialog::present(QWidget* owner, const QString& text)
{
    ArrivalsDialog* dialog = current(owner);
    if (!dialog) {
        dialog = new ArrivalsDialog(owner);
        dialog->textLabel->setText(text);
        dialog->adjustSize();
        centreOnScreen(dialog);
        dialog->show();
    } else {
        dialog->add(text);
    }
    dialog->raise();
    dialog->activateWindow();
    // Read out as a message box is: an alert, and the text itself.
    announce(dialog->textLabel, dialog->textLabel->text());
    QAccessibleEvent alert(dialog, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    return dialog;
}

void ArrivalsDialog::add(const QString& text)
{
    textLabel->setText(textLabel->text() + "\n\n" + text);
    adjustSize();
}

QString ArrivalsDialog::text() const
{
    return textLabel->text();
}
