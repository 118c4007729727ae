#include "FormMagnet.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

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

TFormMagnet::TFormMagnet(QWidget* form) : QObject(form), m_form(form) {
    Q_ASSERT(form);
    m_moveEnd.setSingleShot(true);
    m_moveEnd.setInterval(MoveEndDelayMs);
    connect(&m_moveEnd, &QTimer::timeout, this, &TFormMagnet::moveSettled);
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
    if (active == m_active) {
        return;
    }
    m_active = active;
    if (active) {
        snapNow();
    }
}

void TFormMagnet::setAreaProvider(TAreaProvider provider) {
    if (provider) {
        m_areaProvider = std::move(provider);
        return;
    }
    m_areaProvider = [this](TScreenArea area, const QRect& windowRect) {
        QScreen* screen = QGuiApplication::screenAt(windowRect.center());
        if (!screen) {
            screen = m_form->screen();
        }
        if (!screen) {
            return windowRect; // nothing to snap to
        }
        return area == saWorkArea ? screen->availableGeometry() : screen->geometry();
    };
}

TMagnetRect TFormMagnet::frameRect() const {
    QRect r = m_form->frameGeometry();
    if (QWidget* parent = holder(m_form)) {
        r.moveTopLeft(parent->mapToGlobal(r.topLeft()));
    }
    return TMagnetRect::fromQRect(r);
}

TMagnetRect TFormMagnet::area(const TMagnetRect& windowRect) const {
    std::optional<TMagnetRect> parentClient;
    if (QWidget* parent = holder(m_form)) {
        parentClient =
            TMagnetRect::fromQRect(QRect(parent->mapToGlobal(QPoint(0, 0)), parent->size()));
    }
    const QRect window = windowRect.toQRect();
    return magnet::attractingArea(parentClient, m_screenMagnet.Area,
                                  TMagnetRect::fromQRect(m_areaProvider(saWorkArea, window)),
                                  TMagnetRect::fromQRect(m_areaProvider(saFullScreen, window)));
}

std::vector<TFormMagnet::Peer> TFormMagnet::peers() const {
    std::vector<Peer> result;
    for (TFormMagnet* other : allMagnets()) {
        if (other == this || other->m_form == m_form || !other->m_active ||
            !other->m_form->isVisible() || holder(other->m_form) != holder(m_form)) {
            continue;
        }
        result.push_back({other, other->frameRect()});
    }
    return result;
}

bool TFormMagnet::inGlueList(const TFormMagnet* other) const {
    return std::any_of(m_glueList.begin(), m_glueList.end(),
                       [other](const TGluedObject& g) { return g.Magnet == other; });
}

void TFormMagnet::placeAt(QPoint screenTopLeft) {
    m_placedAt = screenTopLeft;
    QPoint target = screenTopLeft;
    if (QWidget* parent = holder(m_form)) {
        target = parent->mapFromGlobal(screenTopLeft);
    }
    if (m_form->pos() != target) {
        m_form->move(target); // for a top-level window this places its frame
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
    in.cursorOffset = m_cursorOffset;
    in.area = area(
        fromPointer ? magnet::rectFromPointer(pointer, m_cursorOffset, QSize(r.width(), r.height()))
                    : r);
    in.screen = m_screenMagnet;
    in.power = m_power;
    in.glue = m_glue;
    for (const Peer& p : attracting) {
        in.others.push_back(p.rect);
    }
    if (m_onMagnet) {
        in.allowMagnet = [this, &attracting](std::size_t i) {
            bool allow = true;
            m_onMagnet(this, attracting[i].magnet->m_form, allow);
            return allow;
        };
    }
    const TMagnetRect result = magnet::magnetize(r, in).rect;
    if (m_glue) {
        moveGlued(result);
    }
    return result;
}

void TFormMagnet::snapNow() {
    const TMagnetRect r = magnetize(frameRect(), false, false, {});
    placeAt(r.topLeft());
}

void TFormMagnet::collectGlued(const TMagnetRect& self) {
    m_glueList.clear();
    const std::vector<Peer> candidates = peers();
    std::vector<TMagnetRect> rects;
    for (const Peer& p : candidates) {
        rects.push_back(p.rect);
    }
    magnet::AllowFn allowGlue;
    if (m_onGlue) {
        allowGlue = [this, &candidates](std::size_t i) {
            bool allow = true;
            m_onGlue(this, candidates[i].magnet->m_form, allow);
            return allow;
        };
    }
    for (const magnet::GlueOffset& g : magnet::collectGlued(self, rects, allowGlue)) {
        m_glueList.push_back({candidates[g.index].magnet, g.dx, g.dy});
    }
}

void TFormMagnet::moveGlued(const TMagnetRect& r) {
    for (const TGluedObject& g : m_glueList) {
        TFormMagnet* other = g.Magnet;
        if (!other || !other->m_active) {
            continue;
        }
        other->m_gluedByOther = true;
        other->placeAt(magnet::gluedTopLeft(r, {0, g.DX, g.DY}));
        other->m_gluedByOther = false;
    }
}

void TFormMagnet::endMove(bool alwaysSnap) {
    m_moveEnd.stop();
    m_moving = false;
    m_glueList.clear();
    if (m_active && !m_gluedByOther && (alwaysSnap || m_magnetType == mkAfterMoving)) {
        if (m_glue) {
            collectGlued(frameRect());
        }
        snapNow();
        // The list belongs to this drag; a later snap must not pull windows that
        // the user has parted since.
        m_glueList.clear();
    }
}

bool TFormMagnet::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_form) {
        return false;
    }
    switch (event->type()) {
    case QEvent::Move:
        windowMoved(static_cast<QMoveEvent*>(event));
        break;
    case QEvent::MouseButtonPress:
        return mousePress(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        if (m_clientDrag) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->buttons() & Qt::LeftButton) {
                dragStep(mouse->globalPosition().toPoint());
            } else { // the release went elsewhere
                m_clientDrag = false;
                endMove(false);
            }
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (m_clientDrag && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_clientDrag = false;
            endMove(false);
            return true;
        }
        break;
    case QEvent::Hide:
        m_moveEnd.stop();
        m_moving = false;
        m_clientDrag = false;
        m_glueList.clear();
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
    if (m_gluedByOther || m_clientDrag || !m_form->isVisible()) {
        return;
    }
    const TMagnetRect now = frameRect();
    if (m_placedAt && *m_placedAt == now.topLeft()) {
        return;
    }
    m_placedAt.reset();
    if (!m_active) {
        return;
    }
    if (!m_moving) {
        m_moving = true;
        if (m_glue) {
            const QPoint step = event->pos() - event->oldPos();
            TMagnetRect before = now;
            before.moveTo(now.left - step.x(), now.top - step.y());
            collectGlued(before);
        }
    }
    if (m_glue) {
        moveGlued(now);
    }
    if (m_onDragMove) {
        m_onDragMove(this);
    }
    m_moveEnd.start();
}

void TFormMagnet::moveSettled() {
    // The window manager could not be told where to put the window during the
    // drag, so it snaps now whatever the magnet type.
    endMove(true);
}

// Only the window's own background: any visible, enabled widget under the point
// (a label as well as an edit field or a panel) keeps its clicks.
bool TFormMagnet::isEmptySpot(QPoint formPos) const {
    if (!m_form->rect().contains(formPos)) {
        return false;
    }
    const QWidget* child = m_form->childAt(formPos);
    return child == nullptr || !child->isEnabled();
}

bool TFormMagnet::mousePress(QMouseEvent* event) {
    // Qt::LeftButton is the primary button: the X server and the compositors
    // already swap the buttons for left-handed users.
    if (!m_formDragable || m_clientDrag || event->button() != Qt::LeftButton ||
        !isEmptySpot(event->position().toPoint())) {
        return false;
    }
    m_moveEnd.stop();
    m_moving = false;
    m_clientDrag = true;
    m_cursorOffset = event->globalPosition().toPoint() - frameRect().topLeft();
    return true;
}

void TFormMagnet::dragStep(QPoint pointer) {
    const TMagnetRect current = frameRect();
    TMagnetRect r;
    const bool snapping = m_active && !m_gluedByOther;
    if (snapping) {
        if (!m_moving) {
            if (m_glue) {
                collectGlued(current);
            }
            m_moving = true;
        }
        r = magnetize(current, true, m_magnetType == mkAfterMoving, pointer);
    } else {
        r = magnet::rectFromPointer(pointer, m_cursorOffset,
                                    QSize(current.width(), current.height()));
    }
    placeAt(r.topLeft());
    if (snapping && m_onDragMove) {
        m_onDragMove(this);
    }
}
