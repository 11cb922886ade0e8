// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_fit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>
#include <utility>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#endif

namespace tolvar::ui {
namespace {

// How long after the map the window manager may still tell the frame it draws; the window is
// centred once more when it does.
constexpr int FRAME_WAIT_MS = 5000;
constexpr int FRAME_POLL_MS = 20;

bool IsWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

#if QT_CONFIG(xcb)
template <typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const XcbReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

XcbReply<xcb_get_property_reply_t> Property(xcb_connection_t* connection, xcb_window_t window,
                                            xcb_atom_t property, xcb_atom_t type,
                                            std::uint32_t length) {
    const auto cookie = xcb_get_property(connection, 0, window, property, type, 0, length);
    return {xcb_get_property_reply(connection, cookie, nullptr), &std::free};
}

// The frame's extents in device pixels turned into logical pixels that cover them whole: Qt
// rounds them to the nearest, which at a fractional scale makes a 1 px border 0 and lets the
// framed window stand a pixel off the screen.
std::optional<QMargins> FrameExtents(const QWidget* window, xcb_connection_t* connection,
                                     xcb_atom_t extents) {
    const auto reply = Property(connection, static_cast<xcb_window_t>(window->winId()), extents,
                                XCB_ATOM_CARDINAL, 4);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16) {
        return std::nullopt;
    }
    std::array<std::uint32_t, 4> value{};  // left, right, top, bottom, in device pixels
    std::memcpy(value.data(), xcb_get_property_value(reply.get()), sizeof value);
    const auto logical = [ratio = window->devicePixelRatioF()](std::uint32_t pixels) {
        return static_cast<int>(std::ceil(pixels / ratio - 1e-9));
    };
    return QMargins(logical(value[0]), logical(value[2]), logical(value[1]), logical(value[3]));
}

// Asks the window manager, before the window is mapped, for the frame it will draw around it
// (_NET_REQUEST_FRAME_EXTENTS), and waits briefly for the answer; none when it offers no such
// request or does not answer.
QMargins AnnouncedFrameExtents(QWidget* window) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr) {
        return {};
    }
    xcb_connection_t* connection = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
    const auto supported =
        Property(connection, root, Atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
    if (!supported || supported->format != 32) {
        return {};
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get()));
    const auto count = static_cast<std::size_t>(xcb_get_property_value_length(supported.get())) /
                       sizeof(xcb_atom_t);
    if (std::find(atoms, atoms + count, request) == atoms + count) {
        return {};
    }
    const auto id = static_cast<xcb_window_t>(window->winId());
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    // The window manager answers within a few milliseconds; a tenth of a second is plenty.
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (const auto frame = FrameExtents(window, connection, extents)) {
            return *frame;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return {};
}

// The frame the window manager says it draws around the window now (_NET_FRAME_EXTENTS), in
// logical pixels; none off X11 or before it has said.
std::optional<QMargins> CurrentFrameExtents(const QWidget* window) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return std::nullopt;  // not on X11; Qt's offscreen platform answers without a connection
    }
    return FrameExtents(window, x11->connection(), Atom(x11->connection(), "_NET_FRAME_EXTENTS"));
}
#endif

// Scrolls to the control that Tab moved the focus to only through the window's own rule for
// every way the focus moves; Qt's scroll area would centre a control larger than the view.
class ContentArea : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;

  protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

}  // namespace

std::pair<bool, bool> ScrollBarsNeeded(QSize content, QSize room, int scrollBarExtent) {
    bool across = content.width() > room.width();
    bool down = content.height() > room.height();
    // One scroll bar takes room from the other direction and may make it need one too.
    if (across && !down) {
        down = content.height() + scrollBarExtent > room.height();
    }
    if (down && !across) {
        across = content.width() + scrollBarExtent > room.width();
    }
    return {across, down};
}

QSize ScrollingWindowSize(QSize content, QSize room, int scrollBarExtent) {
    const auto [across, down] = ScrollBarsNeeded(content, room, scrollBarExtent);
    return {std::min(content.width() + (down ? scrollBarExtent : 0), room.width()),
            std::min(content.height() + (across ? scrollBarExtent : 0), room.height())};
}

QPoint CentredFramePosition(QRect area, QSize frame) {
    QRect placed(QPoint(0, 0), frame);
    placed.moveCenter(area.center());
    return FramePositionInside(area, placed);
}

QPoint FramePositionInside(QRect area, QRect frame) {
    const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    return {x, y};
}

ScrollingContent::ScrollingContent(QWidget* window)
    : QObject(window), window_(window), content_(new QWidget(window)) {
    content_->setObjectName(QStringLiteral("content"));
    // The focus the window gets as it first comes up leaves the view where reading starts, at
    // the top-left; from then on the view follows the focus.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now == nullptr || !content_->isAncestorOf(now)) {
            return;
        }
        if (std::exchange(firstFocus_, false) || area_ == nullptr) {
            return;
        }
        ShowInView(now);
    });
}

// Qt centres a control larger than the view; its start, where a radio button has its marker and
// a caption its first words, is what the user needs to see.
void ScrollingContent::ShowInView(QWidget* control) {
    area_->ensureWidgetVisible(control);
    const QRect box(control->mapTo(content_, QPoint(0, 0)), control->size());
    const QSize view = area_->viewport()->size();
    if (box.width() > view.width()) {
        area_->horizontalScrollBar()->setValue(
            control->isRightToLeft() ? box.right() + 1 - view.width() : box.left());
    }
    if (box.height() > view.height()) {
        area_->verticalScrollBar()->setValue(box.top());
    }
}

QWidget* ScrollingContent::Content() const {
    return content_;
}

void ScrollingContent::SetMenuBar(QWidget* menuBar) {
    menuBar_ = menuBar;
}

// The content stands on the window itself, below the menu bar, until the window first has to
// scroll it; only then does it move into a scroll area, which it keeps.
void ScrollingContent::Resize(QSize content, QSize room) {
    content_->setFixedSize(content);
    const int bar = menuBar_ != nullptr ? menuBar_->sizeHint().height() : 0;
    const QSize size =
        room.isEmpty() ? content : ScrollingWindowSize(content, ViewRoom(room), ScrollBarExtent());
    if (size != content && area_ == nullptr) {
        area_ = new ContentArea(window_);
        area_->setObjectName(QStringLiteral("scrollingContent"));
        area_->setFrameShape(QFrame::NoFrame);
        area_->setFocusPolicy(Qt::NoFocus);
        area_->setWidgetResizable(false);
        area_->setWidget(content_);
        if (window_->isVisible()) {
            area_->show();
        }
    }
    window_->setFixedSize(size.grownBy({0, bar, 0, 0}));
    if (menuBar_ != nullptr) {
        menuBar_->setGeometry(0, 0, size.width(), bar);
    }
    if (area_ != nullptr) {
        area_->setGeometry(QRect(QPoint(0, bar), size));
    } else {
        content_->move(0, bar);
    }
}

QSize ScrollingContent::ViewRoom(QSize room) const {
    const int bar = menuBar_ != nullptr ? menuBar_->sizeHint().height() : 0;
    return room.shrunkBy({0, bar, 0, 0});
}

int ScrollingContent::ScrollBarExtent() const {
    return window_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window_);
}

ScreenPlacement::ScreenPlacement(QWidget* window, std::function<void()> relayout)
    : QObject(window), window_(window), relayout_(std::move(relayout)) {}

QMargins ScreenPlacement::Frame() const {
    const QWindow* handle = window_->windowHandle();
    if (handle == nullptr) {
        return {};
    }
#if QT_CONFIG(xcb)
    if (!handle->frameMargins().isNull()) {
        if (const auto extents = CurrentFrameExtents(window_)) {
            return *extents;
        }
    }
#endif
    const QMargins frame = handle->frameMargins();
    return frame.isNull() ? announcedFrame_ : frame;
}

QSize ScreenPlacement::ClientRoom() const {
    const QScreen* screen = window_->screen();
    if (screen == nullptr) {
        return {};
    }
    return screen->availableGeometry().size().shrunkBy(Frame());
}

void ScreenPlacement::PlaceAtFirstShow() {
    if (placed_) {
        return;
    }
    placed_ = true;
#if QT_CONFIG(xcb)
    if (window_->windowHandle()->frameMargins().isNull()) {
        announcedFrame_ = AnnouncedFrameExtents(window_);
    }
#endif
    if (Outgrows()) {
        relayout_();
    }
    if (!IsWayland()) {
        Centre();
        if (Frame().isNull()) {
            CentreOnceFrameIsKnown();
        }
    }
    connect(window_->windowHandle(), &QWindow::screenChanged, this, [this](QScreen* screen) {
        Follow(screen);
        relayout_();
    });
    Follow(window_->screen());
}

// The window as laid out is larger than the room its screen leaves, now that the frame is known.
bool ScreenPlacement::Outgrows() const {
    const QSize room = ClientRoom();
    return window_->width() > room.width() || window_->height() > room.height();
}

void ScreenPlacement::Centre() {
    MoveFrameTo(CentredFramePosition(window_->screen()->availableGeometry(),
                                     window_->size().grownBy(Frame())));
}

// A window manager that is busy (a cold font cache, a login starting everything at once) may
// tell the frame only after the window is mapped; the window then moves once, so that its title
// bar is not left above the screen.
void ScreenPlacement::CentreOnceFrameIsKnown() {
    auto* poll = new QTimer(this);
    poll->setInterval(FRAME_POLL_MS);
    QElapsedTimer waited;
    waited.start();
    connect(poll, &QTimer::timeout, this, [this, poll, waited] {
        const QWindow* handle = window_->windowHandle();
        if (handle != nullptr && !handle->frameMargins().isNull()) {
            if (Outgrows()) {
                relayout_();
            }
            Centre();
        } else if (!waited.hasExpired(FRAME_WAIT_MS)) {
            return;
        }
        poll->deleteLater();
    });
    poll->start();
}

// Qt places a shown window by its client area until the frame is known, so the frame's position
// is turned into the client area's by the frame this knows.
void ScreenPlacement::MoveFrameTo(QPoint topLeft) {
    const QMargins frame = Frame();
    const QPoint knownStrut = window_->geometry().topLeft() - window_->pos();
    window_->move(topLeft + QPoint(frame.left(), frame.top()) - knownStrut);
}

void ScreenPlacement::KeepInside() {
    if (!placed_ || IsWayland() || window_->screen() == nullptr) {
        return;
    }
    const QMargins frame = Frame();
    const QRect framed(window_->geometry().topLeft() - QPoint(frame.left(), frame.top()),
                       window_->size().grownBy(frame));
    const QPoint inside = FramePositionInside(window_->screen()->availableGeometry(), framed);
    if (inside != framed.topLeft()) {
        MoveFrameTo(inside);
    }
}

void ScreenPlacement::Follow(QScreen* screen) {
    for (const auto& connection : screenConnections_) {
        disconnect(connection);
    }
    screenConnections_.clear();
    if (screen != nullptr) {
        screenConnections_ = {
            connect(screen, &QScreen::availableGeometryChanged, this, relayout_),
            connect(screen, &QScreen::geometryChanged, this, relayout_),
            connect(screen, &QScreen::logicalDotsPerInchChanged, this, relayout_),
        };
    }
}

}  // namespace tolvar::ui
