#pragma once

#include <QEvent>
#include <QEventLoop>
#include <QWidget>

namespace corvane {

// Shows `window` and returns once `painted`, a widget within it, has painted for the first time.
inline void ShowUntilPainted(QWidget& window, QWidget& painted) {
    class FirstPaint : public QObject {
    public:
        explicit FirstPaint(QEventLoop& loop) : loop_(loop) {}
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Paint) loop_.quit();
            return QObject::eventFilter(watched, event);
        }

    private:
        QEventLoop& loop_;
    };
    QEventLoop loop;
    FirstPaint watcher(loop);
    painted.installEventFilter(&watcher);
    window.show();
    loop.exec();
    painted.removeEventFilter(&watcher);
}

}  // namespace corvane
