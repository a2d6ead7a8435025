#include "analysis/WindowParts.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace WindowParts
{

QFont arial(int pixelSize, bool bold)
{
    QFont font("Arial");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void centreOnScreen(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

QPushButton* closeButton(QDialog* window, const char* name)
{
    auto* button = new QPushButton(window->style()->standardIcon(QStyle::SP_DialogCloseButton), "&Close", window);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QPushButton::clicked, window, &QWidget::close);
    return button;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, const QFont& font, int x, int y)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(font);
    l->move(x, y);
    l->adjustSize();
    return l;
}

} // namespace WindowParts
