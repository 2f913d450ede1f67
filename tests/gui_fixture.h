#pragma once

#include <QWidget>

// Finding controls of a window by their object name; a missing one ends the test program.
namespace fixture {

template <class T> T* find(QWidget& w, const QString& name) {
    T* child = w.findChild<T*>(name);
    if (!child)
        qFatal("missing %s", qPrintable(name));
    return child;
}

} // namespace fixture
