#include "app/StartPanel.h"

#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

StartPanel::StartPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName("StartPanel");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 16);
    layout->setSpacing(6);

    auto* heading = new QLabel(tr("No database is open"), this);
    heading->setObjectName("StartHeading");
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);

    // Mnemonics that no menu of the menu bar uses.
    auto button = [this, layout](const char* name, const QString& text, void (StartPanel::*chosen)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setFocusPolicy(Qt::StrongFocus);
        connect(b, &QPushButton::clicked, this, chosen);
        layout->addWidget(b);
        return b;
    };
    button("CreateDatabaseButton", tr("Cr&eate a database"), &StartPanel::createChosen);
    button("ImportResultsButton", tr("&Import results..."), &StartPanel::importChosen);
    button("OpenDatabaseButton", tr("&Open..."), &StartPanel::openChosen);

    recentBox_ = new QWidget(this);
    recentLayout_ = new QVBoxLayout(recentBox_);
    recentLayout_->setContentsMargins(0, 8, 0, 0);
    recentLayout_->setSpacing(4);
    auto* recentHeading = new QLabel(tr("Recent databases"), recentBox_);
    recentHeading->setObjectName("RecentHeading");
    recentHeading->setFont(bold);
    recentLayout_->addWidget(recentHeading);
    layout->addWidget(recentBox_);
    setRecent({});
    setMinimumWidth(fontMetrics().averageCharWidth() * 30);
}

void StartPanel::setRecent(const QStringList& paths)
{
    // Later: the list changes as one of these buttons opens its database.
    for (QPushButton* b : std::as_const(recentButtons_)) {
        recentLayout_->removeWidget(b);
        b->setObjectName(QString());
        b->hide();
        b->deleteLater();
    }
    recentButtons_.clear();
    QWidget* previous = findChild<QPushButton*>("OpenDatabaseButton");
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        // "&1 name.c3d" as in the File menu; an ampersand in a name is shown as such.
        auto* b =
            new QPushButton(QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName().replace("&", "&&")), this);
        b->setObjectName(QString("StartRecent%1").arg(i + 1));
        b->setToolTip(path);
        b->setFocusPolicy(Qt::StrongFocus);
        connect(b, &QPushButton::clicked, this, [this, path] { emit recentChosen(path); });
        recentLayout_->addWidget(b);
        setTabOrder(previous, b);
        previous = b;
        recentButtons_ << b;
    }
    recentBox_->setVisible(!paths.isEmpty());
    adjustSize();
}

void StartPanel::placeBeside(const QRect& picture, const QRect& area)
{
    const QSize size = sizeHint();
    resize(size);
    const int gap = 40, margin = 12;
    const int top = qBound(area.top() + margin, picture.center().y() - size.height() / 2,
                           qMax(area.top() + margin, area.bottom() - margin - size.height()));
    QPoint place(picture.right() + gap, top);
    if (place.x() + size.width() > area.right() - margin) {
        place.setX(picture.left() - gap - size.width());
        if (place.x() < area.left() + margin)
            place = QPoint(qMax(area.left() + margin, picture.center().x() - size.width() / 2),
                           qMin(picture.bottom() + margin, qMax(area.top(), area.bottom() - size.height())));
    }
    move(place);
}

void StartPanel::paintEvent(QPaintEvent* event)
{
    // A card standing on the gradient.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Dark), 1));
    painter.setBrush(palette().color(QPalette::Window));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    QFrame::paintEvent(event);
}
