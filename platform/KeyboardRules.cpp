#include "platform/KeyboardRules.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace
{

bool isEnter(const QKeyEvent* key)
{
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

QPushButton* defaultButtonOf(QWidget* window)
{
    const auto buttons = window->findChildren<QPushButton*>();
    for (QPushButton* button : buttons)
        if (button->isDefault() && button->window() == window && button->isVisible())
            return button;
    return nullptr;
}

class EnterKeyRule : public QObject
{
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Polish) {
            if (auto* button = qobject_cast<QPushButton*>(watched))
                button->setAutoDefault(false);
            return false;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (!isEnter(key))
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;

        QPushButton* target = qobject_cast<QPushButton*>(widget);
        // A key the focused control passed on reaches its window last: only
        // there is it the window's to take.
        if (!target && widget->isWindow())
            target = defaultButtonOf(widget);
        if (!target)
            return false;
        key->accept();
        if (!key->isAutoRepeat() && target->isEnabled())
            target->click();
        return true;
    }
};

} // namespace

void installEnterKeyRule()
{
    // One rule per application object, however often it is asked for.
    static QPointer<EnterKeyRule> installed;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || installed)
        return;
    installed = new EnterKeyRule(app);
    app->installEventFilter(installed);
}
