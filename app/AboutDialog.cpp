#include "app/AboutDialog.h"

#include "platform/Resources.h"
#include "platform/WebPages.h"
#include "platform/WindowKit.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* owner) : QDialog(owner)
{
    setObjectName("TAboutBox");
    setWindowTitle(tr("About"));
    setFont(arialFont(13));

    auto* picture = new QLabel(this);
    picture->setObjectName("ProgramIcon");
    initPlatformResources();
    picture->setPixmap(QPixmap(":/pictures/about.jpg"));
    picture->setAlignment(Qt::AlignTop);

    auto* product = new QLabel(tr("Quor 3   v%1").arg(QStringLiteral(QUOR3_VERSION)), this);
    product->setObjectName("ProductName");
    QFont font = arialFont(16, true);
    font.setItalic(true);
    product->setFont(font);

    auto* note = new QLabel(tr("Statistics and suggested plays for the daily three-digit game.\n"
                               "Every draw is independent: no list of plays improves the odds."),
                            this);
    note->setWordWrap(true);

    auto* licence = new QLabel(tr("Free software under the GNU General Public License, version 3 or later."), this);
    licence->setObjectName("LicenceLine");
    licence->setWordWrap(true);

    // The link goes through the program's web opener, which reports a failure;
    // without a support page it leads to the help.
    const QString address = WebPages::supportAddress();
    const QString linkText = address.isEmpty() ? tr("Help > Contents") : address;
    auto* support =
        new QLabel(QString("%1 <a href=\"%2\">%3</a>")
                       .arg(tr("Support:"), (address.isEmpty() ? QString("help:contents") : address).toHtmlEscaped(),
                            linkText.toHtmlEscaped()),
                   this);
    support->setObjectName("SupportLink");
    support->setTextFormat(Qt::RichText);
    support->setTextInteractionFlags(Qt::TextBrowserInteraction);
    support->setOpenExternalLinks(false);
    connect(support, &QLabel::linkActivated, this, [this] { WebPages::openSupport(this); });

    auto* aboutQt = new QPushButton(tr("About &Qt"), this);
    aboutQt->setObjectName("AboutQtButton");
    aboutQt->setAutoDefault(false);
    connect(aboutQt, &QPushButton::clicked, this, [this] { QApplication::aboutQt(); });

    auto* ok = new QPushButton(tr("&OK"), this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    auto* text = new QVBoxLayout;
    text->addWidget(product);
    text->addWidget(note);
    text->addWidget(licence);
    text->addWidget(support);
    text->addStretch(1);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(aboutQt);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    setMinimumWidth(480);
    adjustSize();
    setFixedSize(size());
    centreOnScreen(this);
}
