// Answers a modal dialog from inside its own event loop: `act` runs on the
// dialog once it is up and waiting.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QtTest>

#include <functional>

template<class Dialog>
void whenModalShows(std::function<void(Dialog *)> act)
{
    QTimer::singleShot(0, [act] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(dialog);
    });
}
