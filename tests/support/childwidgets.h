#pragma once
// Finding a dialog's or window's controls by their object names, as the
// translations do, and clicking them.

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace hmtest {

template <typename T = QWidget> T* Child(const QObject* parent, const char* name) {
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

template <typename T = QWidget> T* Child(const QObject& parent, const char* name) {
    return Child<T>(&parent, name);
}

inline void Click(const QObject& parent, const char* button) {
    QTest::mouseClick(Child<QPushButton>(parent, button), Qt::LeftButton);
}

} // namespace hmtest
