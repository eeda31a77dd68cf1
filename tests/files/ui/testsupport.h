#pragma once
// Shared helpers of the file command tests: answering modal windows from a
// timer, sample drafts of several shapes, and draft comparison.

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "model/draft.h"

namespace hm::test {

// Waits (from the event loop) for the next modal window of type W and hands it
// to `act`; gives up after a few seconds so that a missing window fails the test
// instead of hanging it.
template <typename W> void OnNextModal(std::function<void(W*)> act) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* w = qobject_cast<W*>(modal);
        if (!w) {
            if (++*tries > 2000) {
                // Never came: fail, and close whatever is open rather than hang.
                ADD_FAILURE() << "the expected modal window did not open";
                if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
                timer->stop();
                timer->deleteLater();
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        act(w);
    });
    timer->start(10);
}

// Answers the next message box with the button of that objectName ("YesButton",
// "NoButton", "CancelButton") and records its text.
inline void AnswerNextBox(const char* button, QString* text = nullptr) {
    OnNextModal<QMessageBox>([button, text](QMessageBox* box) {
        if (text) *text = box->text();
        auto* b = box->findChild<QPushButton*>(QString::fromLatin1(button));
        if (b)
            b->click();
        else
            box->reject();
    });
}

// A complex draft with content in every part that the .hdx format keeps.
std::unique_ptr<Draft> MakeComplexDraft(int seed);
// A plain liftplan draft for the .hdm format.
std::unique_ptr<Draft> MakeLiftplanDraft(int seed);

// Compares everything both pattern formats keep of the pattern level.
void ExpectSamePatternLevel(const Draft& expected, const Draft& actual);
// Compares everything the .hdx format keeps.
void ExpectSameCdDraft(const Draft& expected, const Draft& actual);

// Settings and data folders of the test run, set before anything reads them.
const QTemporaryDir& TestHome();

} // namespace hm::test
