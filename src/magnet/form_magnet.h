#pragma once

// Window magnet: snaps a window to the edges of the screen's work area (and, when
// other windows carry a magnet too, to those windows), optionally drags glued
// windows along, and optionally lets the window be dragged by its client area.
//
// Usage in the main window's constructor:
//
//     TFormMagnet::attachToMainWindow(this);
//
// The magnet is a child of the window and is destroyed with it. Any other window:
//
//     auto* magnet = new TFormMagnet(window); // Active, Power 20, edge reach 15
//     magnet->setFormDragable(true);
//
// Drags by the title bar belong to the window manager, which on X11 and Wayland
// does not let the program change a move under way. The magnet therefore waits
// until the window has stopped moving for MoveEndDelayMs and snaps it then.
// Client-area drags (FormDragable) are done by the magnet itself and snap live.

#include "magnet/magnet_rules.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

class QWidget;
class QMouseEvent;
class QMoveEvent;

namespace karo {

class TFormMagnet;

// Asked before another window is glued / snapped to; `allow` comes in as true.
using TOnGlue = std::function<void(QObject* sender, QWidget* anotherForm, bool& allowGlue)>;
using TOnMagnet = std::function<void(QObject* sender, QWidget* anotherForm, bool& allowMagnet)>;
using TNotifyEvent = std::function<void(QObject* sender)>;

// Gives the screen rectangle of the requested kind for a window whose frame
// rectangle (screen coordinates) is `windowRect`.
using TAreaProvider = std::function<QRect(TScreenArea area, const QRect& windowRect)>;

// One window glued to the magnet's window, with its offset at the start of the drag.
struct TGluedObject {
    QPointer<TFormMagnet> Magnet;
    int DX = 0;
    int DY = 0;
};

class TFormMagnet : public QObject {
    Q_OBJECT

  public:
    // Installs the magnet on `form` (its QObject parent) with the constructor's
    // defaults: Active, no glue, not draggable by the client area, mkOnMoving,
    // Power 20, work area with reach 15 on all four edges.
    explicit TFormMagnet(QWidget* form);
    ~TFormMagnet() override;

    // The main window's magnet: as above, but with an edge reach of 20 pixels, and
    // named "FormMagnet1".
    static TFormMagnet* attachToMainWindow(QWidget* mainWindow);

    // Quiet time after the last move event that ends a window-manager drag.
    static constexpr int MoveEndDelayMs = 150;

    QWidget* form() const { return form_; }

    bool isActive() const { return active_; }
    // Switching from false to true snaps the window where it stands.
    void setActive(bool active);

    bool glue() const { return glue_; }
    void setGlue(bool glue) { glue_ = glue; }

    bool formDragable() const { return formDragable_; }
    void setFormDragable(bool dragable) { formDragable_ = dragable; }

    TMagnetType magnetType() const { return magnetType_; }
    void setMagnetType(TMagnetType type) { magnetType_ = type; }

    quint8 power() const { return power_; }
    void setPower(quint8 power) { power_ = power; }

    TScreenMagnet& screenMagnet() { return screenMagnet_; }
    const TScreenMagnet& screenMagnet() const { return screenMagnet_; }

    void setOnGlue(TOnGlue handler) { onGlue_ = std::move(handler); }
    void setOnMagnet(TOnMagnet handler) { onMagnet_ = std::move(handler); }
    void setOnDragMove(TNotifyEvent handler) { onDragMove_ = std::move(handler); }

    // Replaces the screen lookup (QScreen::availableGeometry / geometry of the
    // screen under the window); tests use a fixed rectangle.
    void setAreaProvider(TAreaProvider provider);

    // Snaps the window where it stands now.
    void snapNow();

    // A drag is under way (client-area drag, or window-manager moves not yet settled).
    bool isMoving() const { return moving_; }
    // The windows glued to this one during the current drag.
    const std::vector<TGluedObject>& glueList() const { return glueList_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Peer {
        TFormMagnet* magnet;
        magnet::TMagnetRect rect;
    };

    magnet::TMagnetRect frameRect() const;
    magnet::TMagnetRect area(const magnet::TMagnetRect& windowRect) const;
    std::vector<Peer> peers() const;
    bool inGlueList(const TFormMagnet* other) const;
    void placeAt(QPoint screenTopLeft);
    magnet::TMagnetRect magnetize(const magnet::TMagnetRect& r, bool fromPointer, bool noSnap,
                                  QPoint pointer);
    void collectGlued(const magnet::TMagnetRect& self);
    void moveGlued(const magnet::TMagnetRect& r);
    void endMove(bool alwaysSnap);

    void windowMoved(QMoveEvent* event);
    void moveSettled();
    bool isEmptySpot(QPoint formPos) const;
    bool mousePress(QMouseEvent* event);
    void dragStep(QPoint pointer);

    QWidget* form_;
    bool active_ = true;
    bool glue_ = false;
    bool formDragable_ = false;
    TMagnetType magnetType_ = mkOnMoving;
    quint8 power_ = 20;
    TScreenMagnet screenMagnet_;
    TOnGlue onGlue_;
    TOnMagnet onMagnet_;
    TNotifyEvent onDragMove_;
    TAreaProvider areaProvider_;

    bool gluedByOther_ = false;
    bool moving_ = false;
    bool clientDrag_ = false;
    QPoint cursorOffset_;
    std::vector<TGluedObject> glueList_;
    // The position a magnet last gave the window; the move event that reports it
    // is not the user's move.
    std::optional<QPoint> placedAt_;
    QTimer moveEnd_;
};

} // namespace karo
