#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <functional>
#include <utility>

// Runs `then` once `window` has painted its first frame.
inline void afterFirstFrame(QWidget& window, std::function<void()> then)
{
    class FirstPaint : public QObject
    {
      public:
        FirstPaint(QObject* parent, std::function<void()> then) : QObject(parent), then_(std::move(then)) {}

      protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) {
                watched->removeEventFilter(this);
                // Queued: the rest of the frame (the children, the flush to the screen) comes first.
                QMetaObject::invokeMethod(QCoreApplication::instance(), then_, Qt::QueuedConnection);
            }
            return false;
        }

      private:
        std::function<void()> then_;
    };
    window.installEventFilter(new FirstPaint(&window, std::move(then)));
}

// For the start-up benchmark: quits the event loop once `window` has painted
// its first frame, so that a run is the start-up and the program's ordinary end.
inline void quitAfterFirstFrame(QWidget& window)
{
    afterFirstFrame(window, [] { QCoreApplication::quit(); });
}
