#pragma once

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

// What the Qt tests share: the person's mouse and answers to the message dialog.
namespace corvane::qt_test {

// Mouse input as the window system delivers it, so that modality and stacking decide who gets it;
// `at` is in the widget's coordinates, its middle by default.
inline void Mouse(QTest::MouseAction action, QWidget* widget,
                  Qt::MouseButton button = Qt::LeftButton, std::optional<QPoint> at = {}) {
    QWidget* window = widget->window();
    QTest::mouseEvent(action, window->windowHandle(), button, {},
                      widget->mapTo(window, at.value_or(widget->rect().center())));
}

// The caption of button `index` of the message dialog, which takes its clicks.
inline QWidget* DialogButton(QDialog& dialog, int index) {
    return dialog.findChild<QWidget*>(QStringLiteral("Label1(%1)").arg(index));
}

// After `afterMs`, with the message dialog up: runs `whileShown`, then clicks button `button`.
// A dialog that the click leaves open is closed with -1 later, failing the test, not hanging it.
inline void AnswerDialog(int button, const std::function<void()>& whileShown = {},
                         int afterMs = 0) {
    QTimer::singleShot(afterMs, [button, whileShown] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "no dialog to answer";
        if (whileShown) whileShown();
        Mouse(QTest::MouseClick, DialogButton(*dialog, button));
        QTimer::singleShot(5000, dialog, [dialog] { dialog->done(-1); });
    });
}

// A click on the window's close box, as the window system reports it: a close request that
// reaches the widget as a spontaneous event, unlike the program's own close().
inline void CloseBox(QWidget& window) {
    QCloseEvent close;
    QCoreApplication::sendEvent(window.windowHandle(), &close);
}

}  // namespace corvane::qt_test
