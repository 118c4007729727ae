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
    if (usable(produced))
        return produced;
    // Only a printable key is translated; the Cyrillic layout gives a letter (or "," on the
    // keypad) where the US layout gives the number character.
    if (produced.isEmpty())
        return produced;
    for (const KeyText& k : kNumberKeys) {
        if (k.code != scanCode)
            continue;
        const char* latin = shift ? k.shifted : k.plain;
        if (latin == nullptr)
            return produced;
        // A Latin letter typed on a Latin layout stays what it is, only non-Latin text and
        // the keypad's decimal comma are replaced.
        const QChar c = produced.front();
        if (c.unicode() < 0x80 && !(scanCode == 91 && c == u','))
            return produced;
        return QString::fromLatin1(latin);
    }
    return produced;
}

TProfileEdit::TProfileEdit(QWidget* parent) : QLineEdit(parent) {}

void TProfileEdit::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        e->accept();
        emit nextField();
        return;
    case Qt::Key_Up:
        e->accept();
        emit previousField();
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
