#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

// For the start-up benchmark: quits the event loop once `window` has painted
// its first frame, so that a run is the start-up and the program's ordinary end.
inline void quitAfterFirstFrame(QWidget& window)
{
    class FirstPaint : public QObject
    {
      public:
        using QObject::QObject;

      protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) {
                watched->removeEventFilter(this);
                // Queued: the rest of the frame (the children, the flush to the screen) comes first.
                QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
            }
            return false;
        }
    };
    window.installEventFilter(new FirstPaint(&window));
}
