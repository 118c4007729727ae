#include "magnet/form_magnet.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace karo;

namespace {

// A 1280 x 1024 screen with a 40 px task bar along its bottom.
QRect fixedArea(TScreenArea area, const QRect&) {
    return area == saWorkArea ? QRect(0, 0, 1280, 984) : QRect(0, 0, 1280, 1024);
}

struct Window {
    std::unique_ptr<QWidget> widget = std::make_unique<QWidget>();
    TFormMagnet* magnet = nullptr;

    Window(QPoint pos, QSize size, bool mainWindow = true) {
        widget->resize(size);
        widget->move(pos);
        magnet = mainWindow ? TFormMagnet::attachToMainWindow(widget.get())
                            : new TFormMagnet(widget.get());
        magnet->setAreaProvider(fixedArea);
        widget->show();
        settle();
    }

    // The frame is what snaps; its size includes the window manager's decorations.
    QPoint pos() const { return widget->pos(); }
    int frameWidth() const { return widget->frameGeometry().width(); }
    int frameHeight() const { return widget->frameGeometry().height(); }

    // Lets the show and any pending move end run their course.
    void settle() const {
        QTest::qWait(TFormMagnet::MoveEndDelayMs + 100);
        EXPECT_FALSE(magnet->isMoving());
    }

    bool waitFor(QPoint expected) const {
        return QTest::qWaitFor([&] { return pos() == expected; }, 2000);
    }
};

void sendMouse(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
    const QPoint global = target->mapToGlobal(local);
    QMouseEvent event(type, local, global,
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Moves the pointer by `delta` in screen coordinates with the button held.
void dragBy(QWidget* window, QPoint pressedAt, QPoint delta) {
    const QPoint global = pressedAt + delta;
    QMouseEvent event(QEvent::MouseMove, window->mapFromGlobal(global), global, Qt::NoButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &event);
}

} // namespace

TEST(FormMagnetWindow, WindowManagerDragSnapsWhenTheMovesStop) {
    Window w({300, 300}, {400, 300});
    ASSERT_EQ(w.pos(), QPoint(300, 300));
    // The window manager moves the window step by step; nothing snaps under way.
    for (QPoint p : {QPoint(200, 400), QPoint(100, 420), QPoint(12, 430)}) {
        w.widget->move(p);
        QApplication::processEvents();
    }
    EXPECT_EQ(w.pos(), QPoint(12, 430));
    EXPECT_TRUE(w.magnet->isMoving());
    EXPECT_TRUE(w.waitFor({0, 430}));
    // The snap's own move does not start another round.
    QApplication::processEvents();
    EXPECT_FALSE(w.magnet->isMoving());
    w.settle();
    EXPECT_EQ(w.pos(), QPoint(0, 430));

    // Onto the task bar's top from 16 px above it; 20 px past it stays where it was put.
    const int onTaskbar = 984 - w.frameHeight();
    w.widget->move(500, onTaskbar - 16);
    EXPECT_TRUE(w.waitFor({500, onTaskbar}));
    w.widget->move(500, onTaskbar + 20);
    w.settle();
    EXPECT_EQ(w.pos(), QPoint(500, onTaskbar + 20));
}

TEST(FormMagnetWindow, SwitchingActiveOnSnapsAtOnce) {
    Window w({300, 300}, {400, 300});
    w.magnet->setActive(false);
    w.widget->move(10, 500);
    w.settle();
    EXPECT_EQ(w.pos(), QPoint(10, 500));
    w.magnet->setActive(true);
    EXPECT_EQ(w.pos(), QPoint(0, 500));
}

TEST(FormMagnetWindow, SnapsToAnotherMagnetWindow) {
    Window other({600, 300}, {300, 200}, false);
    Window w({100, 100}, {300, 200});
    const int beside = 600 - w.frameWidth();
    w.widget->move(beside - 15, 350); // right edge 15 px short of the other's left edge
    EXPECT_TRUE(w.waitFor({beside, 350}));
    EXPECT_EQ(other.pos(), QPoint(600, 300));
}

TEST(FormMagnetWindow, ClientAreaDragOnEmptySpotsOnly) {
    Window w({300, 300}, {400, 300});
    w.magnet->setFormDragable(true);
    auto* label = new QLabel(QStringLiteral("h, см"), w.widget.get());
    label->setGeometry(10, 10, 100, 20);
    label->show();

    // Pressed on the label: the press reaches the window, which must not drag.
    sendMouse(label, QEvent::MouseButtonPress, {50, 10}, Qt::LeftButton);
    const QPoint onLabel = label->mapToGlobal(QPoint(50, 10));
    dragBy(w.widget.get(), onLabel, {-100, 40});
    sendMouse(label, QEvent::MouseButtonRelease, {50, 10}, Qt::NoButton);
    EXPECT_EQ(w.pos(), QPoint(300, 300));
    EXPECT_FALSE(w.magnet->isMoving());

    // Pressed on an empty spot: the window follows the pointer and snaps live.
    const QPoint spot(200, 150);
    const QPoint pressedAt = w.widget->mapToGlobal(spot);
    sendMouse(w.widget.get(), QEvent::MouseButtonPress, spot, Qt::LeftButton);
    dragBy(w.widget.get(), pressedAt, {-100, 50});
    EXPECT_EQ(w.pos(), QPoint(200, 350));
    EXPECT_TRUE(w.magnet->isMoving());
    dragBy(w.widget.get(), pressedAt, {-285, 50}); // 15 px from the left edge
    EXPECT_EQ(w.pos(), QPoint(0, 350));
    dragBy(w.widget.get(), pressedAt, {-281, 50}); // 19 px: held
    EXPECT_EQ(w.pos(), QPoint(0, 350));
    dragBy(w.widget.get(), pressedAt, {-280, 50}); // 20 px: free
    EXPECT_EQ(w.pos(), QPoint(20, 350));
    sendMouse(w.widget.get(), QEvent::MouseButtonRelease, w.widget->mapFromGlobal(pressedAt),
              Qt::NoButton);
    EXPECT_FALSE(w.magnet->isMoving());
    w.settle();
    EXPECT_EQ(w.pos(), QPoint(20, 350));
}

TEST(FormMagnetWindow, GluedWindowKeepsItsOffsetDuringADrag) {
    Window w({300, 300}, {300, 200});
    // Its left edge on the dragged window's right edge.
    const int dx = w.frameWidth();
    Window glued({300 + dx, 350}, {200, 200}, false);
    w.magnet->setGlue(true);
    w.magnet->setFormDragable(true);

    const QPoint spot(100, 100);
    const QPoint pressedAt = w.widget->mapToGlobal(spot);
    sendMouse(w.widget.get(), QEvent::MouseButtonPress, spot, Qt::LeftButton);
    dragBy(w.widget.get(), pressedAt, {100, 60});
    EXPECT_EQ(w.pos(), QPoint(400, 360));
    EXPECT_EQ(glued.pos(), QPoint(400 + dx, 410));
    ASSERT_EQ(w.magnet->glueList().size(), 1u);
    EXPECT_EQ(w.magnet->glueList()[0].DX, dx);
    EXPECT_EQ(w.magnet->glueList()[0].DY, 50);
    // Onto the left edge: the glued window goes along.
    dragBy(w.widget.get(), pressedAt, {-290, -40});
    EXPECT_EQ(w.pos(), QPoint(0, 260));
    EXPECT_EQ(glued.pos(), QPoint(dx, 310));
    sendMouse(w.widget.get(), QEvent::MouseButtonRelease, w.widget->mapFromGlobal(pressedAt),
              Qt::NoButton);
    EXPECT_TRUE(w.magnet->glueList().empty());
    // Being carried along is not a drag of the glued window's own.
    QApplication::processEvents();
    EXPECT_FALSE(glued.magnet->isMoving());
    glued.settle();
    EXPECT_EQ(glued.pos(), QPoint(dx, 310));
}
