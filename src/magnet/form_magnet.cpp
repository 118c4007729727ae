#include "magnet/form_magnet.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace karo {

using magnet::TMagnetRect;

namespace {

// Every magnet of the process, in creation order; the magnets find each other here.
std::vector<TFormMagnet*>& allMagnets() {
    static std::vector<TFormMagnet*> magnets;
    return magnets;
}

// The widget whose client rectangle holds an embedded window; none for a top-level one.
QWidget* holder(const QWidget* form) {
    return form->isWindow() ? nullptr : form->parentWidget();
}

} // namespace

TFormMagnet::TFormMagnet(QWidget* form) : QObject(form), form_(form) {
    Q_ASSERT(form);
    moveEnd_.setSingleShot(true);
    moveEnd_.setInterval(MoveEndDelayMs);
    connect(&moveEnd_, &QTimer::timeout, this, &TFormMagnet::moveSettled);
    setAreaProvider({});
    allMagnets().push_back(this);
    form->installEventFilter(this);
}

TFormMagnet::~TFormMagnet() {
    auto& magnets = allMagnets();
    magnets.erase(std::remove(magnets.begin(), magnets.end(), this), magnets.end());
}

TFormMagnet* TFormMagnet::attachToMainWindow(QWidget* mainWindow) {
    auto* magnet = new TFormMagnet(mainWindow);
    magnet->setObjectName(QStringLiteral("FormMagnet1"));
    magnet->screenMagnet().DesktopPower = 20;
    return magnet;
}

void TFormMagnet::setActive(bool active) {
    if (active == active_) {
        return;
    }
    active_ = active;
    if (active) {
        snapNow();
    }
}

void TFormMagnet::setAreaProvider(TAreaProvider provider) {
    if (provider) {
        areaProvider_ = std::move(provider);
        return;
    }
    areaProvider_ = [this](TScreenArea area, const QRect& windowRect) {
        QScreen* screen = QGuiApplication::screenAt(windowRect.center());
        if (!screen) {
            screen = form_->screen();
        }
        if (!screen) {
            return windowRect; // nothing to snap to
        }
        return area == saWorkArea ? screen->availableGeometry() : screen->geometry();
    };
}

TMagnetRect TFormMagnet::frameRect() const {
    QRect r = form_->frameGeometry();
    if (QWidget* parent = holder(form_)) {
        r.moveTopLeft(parent->mapToGlobal(r.topLeft()));
    }
    return TMagnetRect::fromQRect(r);
}

TMagnetRect TFormMagnet::area(const TMagnetRect& windowRect) const {
    std::optional<TMagnetRect> parentClient;
    if (QWidget* parent = holder(form_)) {
        parentClient =
            TMagnetRect::fromQRect(QRect(parent->mapToGlobal(QPoint(0, 0)), parent->size()));
    }
    const QRect window = windowRect.toQRect();
    return magnet::attractingArea(parentClient, screenMagnet_.Area,
                                  TMagnetRect::fromQRect(areaProvider_(saWorkArea, window)),
                                  TMagnetRect::fromQRect(areaProvider_(saFullScreen, window)));
}

std::vector<TFormMagnet::Peer> TFormMagnet::peers() const {
    std::vector<Peer> result;
    for (TFormMagnet* other : allMagnets()) {
        if (other == this || other->form_ == form_ || !other->active_ ||
            !other->form_->isVisible() || holder(other->form_) != holder(form_)) {
            continue;
        }
        result.push_back({other, other->frameRect()});
    }
    return result;
}

bool TFormMagnet::inGlueList(const TFormMagnet* other) const {
    return std::any_of(glueList_.begin(), glueList_.end(),
                       [other](const TGluedObject& g) { return g.Magnet == other; });
}

void TFormMagnet::placeAt(QPoint screenTopLeft) {
    placedAt_ = screenTopLeft;
    QPoint target = screenTopLeft;
    if (QWidget* parent = holder(form_)) {
        target = parent->mapFromGlobal(screenTopLeft);
    }
    if (form_->pos() != target) {
        form_->move(target); // for a top-level window this places its frame
    }
}

TMagnetRect TFormMagnet::magnetize(const TMagnetRect& r, bool fromPointer, bool noSnap,
                                   QPoint pointer) {
    std::vector<Peer> attracting = peers();
    std::erase_if(attracting, [this](const Peer& p) { return inGlueList(p.magnet); });

    magnet::MagnetizeInput in;
    in.fromPointer = fromPointer;
    in.noSnap = noSnap;
    in.pointer = pointer;
    in.cursorOffset = cursorOffset_;
    in.area = area(
        fromPointer ? magnet::rectFromPointer(pointer, cursorOffset_, QSize(r.width(), r.height()))
                    : r);
    in.screen = screenMagnet_;
    in.power = power_;
    in.glue = glue_;
    for (const Peer& p : attracting) {
        in.others.push_back(p.rect);
    }
    if (onMagnet_) {
        in.allowMagnet = [this, &attracting](std::size_t i) {
            bool allow = true;
            onMagnet_(this, attracting[i].magnet->form_, allow);
            return allow;
        };
    }
    const TMagnetRect result = magnet::magnetize(r, in).rect;
    if (glue_) {
        moveGlued(result);
    }
    return result;
}

void TFormMagnet::snapNow() {
    const TMagnetRect r = magnetize(frameRect(), false, false, {});
    placeAt(r.topLeft());
}

void TFormMagnet::collectGlued(const TMagnetRect& self) {
    glueList_.clear();
    const std::vector<Peer> candidates = peers();
    std::vector<TMagnetRect> rects;
    for (const Peer& p : candidates) {
        rects.push_back(p.rect);
    }
    magnet::AllowFn allowGlue;
    if (onGlue_) {
        allowGlue = [this, &candidates](std::size_t i) {
            bool allow = true;
            onGlue_(this, candidates[i].magnet->form_, allow);
            return allow;
        };
    }
    for (const magnet::GlueOffset& g : magnet::collectGlued(self, rects, allowGlue)) {
        glueList_.push_back({candidates[g.index].magnet, g.dx, g.dy});
    }
}

void TFormMagnet::moveGlued(const TMagnetRect& r) {
    for (const TGluedObject& g : glueList_) {
        TFormMagnet* other = g.Magnet;
        if (!other || !other->active_) {
            continue;
        }
        other->gluedByOther_ = true;
        other->placeAt(magnet::gluedTopLeft(r, {0, g.DX, g.DY}));
        other->gluedByOther_ = false;
    }
}

void TFormMagnet::endMove(bool alwaysSnap) {
    moveEnd_.stop();
    moving_ = false;
    glueList_.clear();
    if (active_ && !gluedByOther_ && (alwaysSnap || magnetType_ == mkAfterMoving)) {
        if (glue_) {
            collectGlued(frameRect());
        }
        snapNow();
        // The list belongs to this drag; a later snap must not pull windows that
        // the user has parted since.
        glueList_.clear();
    }
}

bool TFormMagnet::eventFilter(QObject* watched, QEvent* event) {
    if (watched != form_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::Move:
        windowMoved(static_cast<QMoveEvent*>(event));
        break;
    case QEvent::MouseButtonPress:
        return mousePress(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        if (clientDrag_) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->buttons() & Qt::LeftButton) {
                dragStep(mouse->globalPosition().toPoint());
            } else { // the release went elsewhere
                clientDrag_ = false;
                endMove(false);
            }
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (clientDrag_ && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            clientDrag_ = false;
            endMove(false);
            return true;
        }
        break;
    case QEvent::Hide:
        moveEnd_.stop();
        moving_ = false;
        clientDrag_ = false;
        glueList_.clear();
        break;
    default:
        break;
    }
    return false;
}

// A move that the magnets did not make comes from the window manager (or from the
// program placing its window). The window manager gives no sign of a drag's end,
// so the end is a pause in the moves.
void TFormMagnet::windowMoved(QMoveEvent* event) {
    if (gluedByOther_ || clientDrag_ || !form_->isVisible()) {
        return;
    }
    const TMagnetRect now = frameRect();
    if (placedAt_ && *placedAt_ == now.topLeft()) {
        return;
    }
    placedAt_.reset();
    if (!active_) {
        return;
    }
    if (!moving_) {
        moving_ = true;
        if (glue_) {
            const QPoint step = event->pos() - event->oldPos();
            TMagnetRect before = now;
            before.moveTo(now.left - step.x(), now.top - step.y());
            collectGlued(before);
        }
    }
    if (glue_) {
        moveGlued(now);
    }
    if (onDragMove_) {
        onDragMove_(this);
    }
    moveEnd_.start();
}

void TFormMagnet::moveSettled() {
    // The window manager could not be told where to put the window during the
    // drag, so it snaps now whatever the magnet type.
    endMove(true);
}

// Only the window's own background: any visible, enabled widget under the point
// (a label as well as an edit field or a panel) keeps its clicks.
bool TFormMagnet::isEmptySpot(QPoint formPos) const {
    if (!form_->rect().contains(formPos)) {
        return false;
    }
    const QWidget* child = form_->childAt(formPos);
    return child == nullptr || !child->isEnabled();
}

bool TFormMagnet::mousePress(QMouseEvent* event) {
    // Qt::LeftButton is the primary button: the X server and the compositors
    // already swap the buttons for left-handed users.
    if (!formDragable_ || clientDrag_ || event->button() != Qt::LeftButton ||
        !isEmptySpot(event->position().toPoint())) {
        return false;
    }
    moveEnd_.stop();
    moving_ = false;
    clientDrag_ = true;
    cursorOffset_ = event->globalPosition().toPoint() - frameRect().topLeft();
    return true;
}

void TFormMagnet::dragStep(QPoint pointer) {
    const TMagnetRect current = frameRect();
    TMagnetRect r;
    const bool snapping = active_ && !gluedByOther_;
    if (snapping) {
        if (!moving_) {
            if (glue_) {
                collectGlued(current);
            }
            moving_ = true;
        }
        r = magnetize(current, true, magnetType_ == mkAfterMoving, pointer);
    } else {
        r = magnet::rectFromPointer(pointer, cursorOffset_,
                                    QSize(current.width(), current.height()));
    }
    placeAt(r.topLeft());
    if (snapping && onDragMove_) {
        onDragMove_(this);
    }
}

} // namespace karo
