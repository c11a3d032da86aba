#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <functional>

namespace testsupport {

// Runs the action on the next modal dialog that opens (polled from the event
// loop of the dialog itself), so that a test can read and close a dialog
// that the code under test shows with exec(). The action must close it.
inline void onNextModal(std::function<void(QDialog *)> action, int timeoutMs = 5000)
{
    const QPointer<QWidget> before = QApplication::activeModalWidget();
    auto *timer = new QTimer(qApp);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, before, action, timeoutMs, clock] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (dialog && dialog != before) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        } else if (clock.elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(5);
}

// The first child of the widget of that type with the given text.
template <typename Button> Button *buttonWithText(QWidget *parent, const QString &text)
{
    const auto buttons = parent->findChildren<Button *>();
    for (Button *button : buttons) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

} // namespace testsupport
