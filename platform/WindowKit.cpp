#include "platform/WindowKit.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>

QFont arialFont(int pixelSize, bool bold)
{
    QFont font("Arial");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont courierFont(int pixelSize)
{
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(pixelSize);
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

QPushButton* addCloseButton(QDialog* dialog, const QRect& geometry, const std::function<void()>& onClick)
{
    auto* button = new QPushButton(dialog->style()->standardIcon(QStyle::SP_DialogCloseButton), "&Close", dialog);
    button->setObjectName("BitBtn1");
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    if (geometry.isValid())
        button->setGeometry(geometry);
    if (onClick)
        QObject::connect(button, &QPushButton::clicked, dialog, onClick);
    else
        QObject::connect(button, &QPushButton::clicked, dialog, &QWidget::close);
    return button;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QFont& font, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QSpinBox* addSpinEdit(QWidget* parent, const char* name, int minimum, int maximum, int maxCharacters,
                      const QRect& geometry)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(minimum, maximum);
    box->setValue(minimum);
    box->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    if (auto* edit = box->findChild<QLineEdit*>())
        edit->setMaxLength(maxCharacters);
    if (geometry.isValid())
        box->setGeometry(geometry);
    return box;
}

int spinEditValue(const QSpinBox* box)
{
    bool ok = false;
    const int value = box->cleanText().trimmed().toInt(&ok);
    return ok ? qBound(box->minimum(), value, box->maximum()) : box->minimum();
}
