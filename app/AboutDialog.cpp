#include "app/AboutDialog.h"

#include "platform/JpegImage.h"
#include "platform/WindowKit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* owner) : QDialog(owner)
{
    setObjectName("TAboutBox");
    setWindowTitle("About");

    auto* picture = new QLabel(this);
    picture->setObjectName("ProgramIcon");
    picture->setPixmap(QPixmap::fromImage(loadJpeg(":/pictures/about.jpg")));

    auto* product = new QLabel("Quor 3   v7.0", this);
    product->setObjectName("ProductName");
    QFont font = arialFont(16, true);
    font.setItalic(true);
    product->setFont(font);

    auto* note = new QLabel(tr("Statistics and suggested plays for the daily three-digit game.\n"
                               "Every draw is independent: no list of plays improves the odds."),
                            this);
    note->setWordWrap(true);

    auto* ok = new QPushButton("&OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    auto* text = new QVBoxLayout;
    text->addWidget(product);
    text->addWidget(note);
    top->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setFixedSize(380, 170);
    centreOnScreen(this);
}
