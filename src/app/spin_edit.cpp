#include "app/spin_edit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>

namespace karo::app {

namespace {
constexpr int kButtonWidth = 15;
constexpr int kPageStep = 10;
} // namespace

TSpinEdit::TSpinEdit(QWidget* parent) : QWidget(parent) {
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("editor"));
    edit_->setReadOnly(true);
    edit_->setText(QStringLiteral("0"));
    edit_->setFocusProxy(this);
    setFocusPolicy(Qt::StrongFocus);
    up_ = new QToolButton(this);
    up_->setObjectName(QStringLiteral("up"));
    up_->setArrowType(Qt::UpArrow);
    up_->setFocusPolicy(Qt::NoFocus);
    up_->setAutoRepeat(true);
    down_ = new QToolButton(this);
    down_->setObjectName(QStringLiteral("down"));
    down_->setArrowType(Qt::DownArrow);
    down_->setFocusPolicy(Qt::NoFocus);
    down_->setAutoRepeat(true);
    connect(up_, &QToolButton::clicked, this, &TSpinEdit::stepUp);
    connect(down_, &QToolButton::clicked, this, &TSpinEdit::stepDown);
    connect(edit_, &QLineEdit::textChanged, this, [this] { emit changed(); });
}

int TSpinEdit::value() const {
    bool ok = false;
    const int v = edit_->text().toInt(&ok);
    return ok ? v : min_;
}

void TSpinEdit::setValue(int v) {
    if (min_ != max_)
        v = std::clamp(v, min_, max_);
    // QLineEdit signals textChanged only when the text really differs.
    edit_->setText(QString::number(v));
}

QString TSpinEdit::text() const {
    return edit_->text();
}

void TSpinEdit::stepUp() {
    if (!isEnabled())
        return;
    const int v = value();
    if (v < max_)
        setValue(v + 1);
}

void TSpinEdit::stepDown() {
    if (!isEnabled())
        return;
    const int v = value();
    if (v > min_)
        setValue(v - 1);
}

void TSpinEdit::stepTo(int target) {
    // One move, like one press of an arrow: the change handler runs once, for the entry
    // reached, not for every entry passed on the way.
    if (!isEnabled())
        return;
    target = std::clamp(target, min_, max_);
    if (target != value())
        setValue(target);
}

void TSpinEdit::wheelEvent(QWheelEvent* e) {
    if (e->angleDelta().y() > 0)
        stepUp();
    else if (e->angleDelta().y() < 0)
        stepDown();
    e->accept();
}

void TSpinEdit::keyPressEvent(QKeyEvent* e) {
    steppingByKey_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{steppingByKey_};
    switch (e->key()) {
    case Qt::Key_Up:
        stepUp();
        break;
    case Qt::Key_Down:
        stepDown();
        break;
    case Qt::Key_Home:
        stepTo(min_);
        break;
    case Qt::Key_End:
        stepTo(max_);
        break;
    case Qt::Key_PageUp:
        stepTo(value() + kPageStep);
        break;
    case Qt::Key_PageDown:
        stepTo(value() - kPageStep);
        break;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
}

void TSpinEdit::resizeEvent(QResizeEvent*) {
    const int w = width() - kButtonWidth;
    const int h = height();
    edit_->setGeometry(0, 0, w, h);
    up_->setGeometry(w, 0, kButtonWidth, h / 2);
    down_->setGeometry(w, h / 2, kButtonWidth, h - h / 2);
}

} // namespace karo::app
