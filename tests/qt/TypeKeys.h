#pragma once

#include <QApplication>
#include <QtTest>

// Types text as a person at a US keyboard does: each character is a key press sent to the
// widget that has the focus at that moment, with Shift held (its own press and release) for
// capitals and shifted symbols. Characters beyond ASCII come from an input method instead.
inline void TypeLikeAPerson(const QString& text) {
    static const QString shifted = QStringLiteral("~!@#$%^&*()_+{}|:\"<>?");
    for (const QChar c : text) {
        const char ascii = c.toLatin1();
        const bool shift = (ascii >= 'A' && ascii <= 'Z') || shifted.contains(c);
        QWidget* target = QApplication::focusWidget();
        QVERIFY2(target, "no widget has the focus");
        QTest::keyClick(target, ascii, shift ? Qt::ShiftModifier : Qt::NoModifier);
    }
}

// An input method's commit of text, sent where the focus is.
inline void CommitThroughInputMethod(const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QWidget* target = QApplication::focusWidget();
    QVERIFY2(target, "no widget has the focus");
    QApplication::sendEvent(target, &commit);
}
