#include "app/profile_edit.h"

#include <QKeyEvent>

namespace karo::app {

namespace {

// xkb key codes (evdev + 8) of the keys that type numbers, with their US-layout text.
struct KeyText {
    quint32 code;
    const char* plain;
    const char* shifted; // nullptr: the shifted key types nothing numeric
};

constexpr KeyText kNumberKeys[] = {
    {10, "1", nullptr}, {11, "2", nullptr}, {12, "3", nullptr}, {13, "4", nullptr},
    {14, "5", nullptr}, {15, "6", nullptr}, {16, "7", nullptr}, {17, "8", nullptr},
    {18, "9", nullptr}, {19, "0", nullptr}, {20, "-", nullptr}, {21, nullptr, "+"},
    {26, "e", "E"},     {60, ".", nullptr}, {82, "-", "-"},     {86, "+", "+"},
    {91, ".", "."}, // keypad decimal: some layouts give "," there
};

bool usable(const QString& s) {
    if (s.size() != 1)
        return false;
    const QChar c = s.front();
    return c.isDigit() || c == u'.' || c == u'e' || c == u'E' || c == u'+' || c == u'-';
}

} // namespace

QString LatinNumberText(quint32 scanCode, bool shift, const QString& produced) {
    // What a number may hold passes as typed, so Shift+digit on a French keyboard still gives
    // the digit. Only a printable key is translated: whatever a layout gives there (a
    // Cyrillic letter, "&" or "é" on a French keyboard, "," on a keypad) that no number
    // holds becomes what the same key types on a US keyboard.
    if (usable(produced) || produced.isEmpty())
        return produced;
    for (const KeyText& k : kNumberKeys) {
        if (k.code != scanCode)
            continue;
        const char* latin = shift ? k.shifted : k.plain;
        return latin == nullptr ? produced : QString::fromLatin1(latin);
    }
    return produced;
}

TProfileEdit::TProfileEdit(QWidget* parent) : QLineEdit(parent) {}

void TProfileEdit::selectFocusedField() {
    // A field reached from the keyboard has its whole text selected, as Tab does, so that
    // what is typed next replaces the value instead of being appended to it.
    if (auto* next = qobject_cast<QLineEdit*>(window()->focusWidget()); next && next != this)
        next->selectAll();
}

void TProfileEdit::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        e->accept();
        emit nextField();
        selectFocusedField();
        return;
    case Qt::Key_Up:
        e->accept();
        emit previousField();
        selectFocusedField();
        return;
    default:
        break;
    }
    const QString latin =
        LatinNumberText(e->nativeScanCode(), e->modifiers().testFlag(Qt::ShiftModifier), e->text());
    if (latin != e->text() && !e->modifiers().testFlag(Qt::ControlModifier) &&
        !e->modifiers().testFlag(Qt::AltModifier)) {
        e->accept();
        insert(latin);
        return;
    }
    QLineEdit::keyPressEvent(e);
}

} // namespace karo::app
