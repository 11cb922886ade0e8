// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_reader.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace tolvar::ui {
namespace {

// What a widget is to a screen reader, where Qt's own answer does not serve.
const char* const ACCESSIBLE_KIND = "tolvarAccessibleKind";
enum class Kind { StatusBar = 1, Notification, Selector };

// What the selector's description is asked from; a child of the selector, so it lives as long.
class SelectorDescription : public QObject {
  public:
    SelectorDescription(QComboBox* selector, std::function<QString()> describer)
        : QObject(selector), describe(std::move(describer)) {}

    static const SelectorDescription* Of(const QObject* selector) {
        for (const QObject* child : selector->children()) {
            if (const auto* found = dynamic_cast<const SelectorDescription*>(child)) {
                return found;
            }
        }
        return nullptr;
    }

    const std::function<QString()> describe;
};

// Marks the reply shown as the selected entry of the selector's list, as opening the list would.
// Quietly while the list is closed: nobody is to hear about a list that nobody sees.
void MarkReplyInList(QComboBox* selector) {
    QItemSelectionModel* selection = selector->view()->selectionModel();
    QSignalBlocker quiet(selection);
    if (selector->view()->isVisible()) {
        quiet.unblock();
    }
    selection->select(selector->model()->index(selector->currentIndex(), selector->modelColumn(),
                                               selector->rootModelIndex()),
                      QItemSelectionModel::ClearAndSelect);
}

// Qt's own combo box object cannot be extended, so the selector's own object repeats what Qt's
// offers (the list of entries as its one child, expanded or collapsed, the press and show-menu
// actions) and adds two things. Its description is computed when asked. And its reply is its
// text: Qt 6.4's combo box tells a screen reader the reply only through signals that Orca 43
// drops for combo boxes, while Orca reads a combo box's text as its value.
class SelectorAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit SelectorAccessible(QComboBox* selector)
        : QAccessibleWidget(selector, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override {
        const QString reply = Selector()->currentText();
        if (type == QAccessible::Value || (type == QAccessible::Name && !reply.isEmpty() &&
                                           widget()->accessibleName().isEmpty())) {
            return reply;
        }
        if (type == QAccessible::Description) {
            if (const auto* description = SelectorDescription::Of(widget())) {
                return description->describe();
            }
        }
        return QAccessibleWidget::text(type);
    }

    // The selector is never editable, so its one child is the list, shown or not.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        if (index != 0) {
            return nullptr;
        }
        // The list is made when first asked for, by its first screen reader or when it opens.
        MarkReplyInList(Selector());
        return QAccessible::queryAccessibleInterface(Selector()->view());
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == Selector()->view() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const bool open = Selector()->view()->isVisible();
        state.expandable = true;
        state.hasPopup = true;
        state.expanded = open;
        state.collapsed = !open;
        return state;
    }

    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << QAccessibleActionInterface::showMenuAction()
                                                << QAccessibleActionInterface::pressAction();
    }
    void doAction(const QString& action) override {
        if (action == QAccessibleActionInterface::showMenuAction() ||
            action == QAccessibleActionInterface::pressAction()) {
            Selector()->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

    // The text is the reply shown; nothing in it can be selected or edited.
    QString text(int start, int end) const override {
        return Selector()->currentText().mid(start, end - start);
    }
    int characterCount() const override { return int(Selector()->currentText().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

  private:
    QComboBox* Selector() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* MakeAccessible(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    switch (Kind(widget->property(ACCESSIBLE_KIND).toInt())) {
        case Kind::StatusBar:
            return new QAccessibleWidget(widget, QAccessible::StatusBar);
        case Kind::Notification:
            return new QAccessibleWidget(widget, QAccessible::Notification);
        case Kind::Selector:
            if (auto* selector = qobject_cast<QComboBox*>(widget)) {
                return new SelectorAccessible(selector);
            }
            break;
    }
    return nullptr;
}

// Drops the widget's accessible object, telling screen readers that it went and a new one came:
// they then learn everything about it afresh, as of a widget just created.
void Renew(QWidget* widget) {
    QAccessibleInterface* old = QAccessible::queryAccessibleInterface(widget);
    if (old == nullptr) {
        return;
    }
    QAccessibleEvent gone(widget, QAccessible::ObjectDestroyed);
    QAccessible::updateAccessibility(&gone);
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
    QAccessibleEvent created(widget, QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&created);
}

// Gives the widget its own kind of accessible object, also when Qt has made one already.
void SetKind(QWidget* widget, Kind kind) {
    static const bool installed = [] {
        QAccessible::installFactory(&MakeAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    widget->setProperty(ACCESSIBLE_KIND, int(kind));
    if (!QAccessible::isActive()) {
        return;  // no accessible object has been made yet; the factory makes the first
    }
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
    const bool ours =
        made != nullptr && (kind == Kind::StatusBar      ? made->role() == QAccessible::StatusBar
                            : kind == Kind::Notification ? made->role() == QAccessible::Notification
                                                         : made->textInterface() != nullptr);
    if (made != nullptr && !ours) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

// Renews the widget's accessible object each time the widget is shown.
class RenewWhenShown : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && QAccessible::isActive()) {
            Renew(static_cast<QWidget*>(watched));
        }
        return false;
    }
};

}  // namespace

Announcer::Announcer(QWidget* window) : QObject(window), window_(window) {
    // Never shown, and of no size: nothing to see, nothing in a review of the screen. As a status
    // bar it keeps Orca from calling each announcement a notification.
    auto* statusBar = new QWidget(window);
    statusBar->setObjectName(QStringLiteral("announcements"));
    statusBar->setGeometry(0, 0, 0, 0);
    statusBar->hide();
    SetKind(statusBar, Kind::StatusBar);
    for (QWidget*& speaker : speakers_) {
        speaker = new QWidget(statusBar);
        speaker->setGeometry(0, 0, 0, 0);
        SetKind(speaker, Kind::Notification);
    }
    window->installEventFilter(this);
}

void Announcer::Announce(const QString& text) {
    if (window_->isActiveWindow()) {
        pending_.clear();
        Say(text);
    } else {
        pending_ = text;
    }
}

bool Announcer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::ActivationChange &&
        window_->isActiveWindow() && !pending_.isEmpty()) {
        // After the screen reader has heard of the window and its focus.
        QTimer::singleShot(0, this, [this] {
            const QString text = std::exchange(pending_, QString());
            if (!text.isEmpty()) {
                Say(text);
            }
        });
    }
    return false;
}

void Announcer::Say(const QString& text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(window_, text);
    QAccessible::updateAccessibility(&announcement);
#else
    // Orca speaks an object of the notification role when it starts showing.
    QWidget* speaker = speakers_[next_];
    next_ = (next_ + 1) % speakers_.size();
    speaker->setAccessibleName(text);
    QAccessibleEvent shown(speaker, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

void ExposeSelector(QComboBox* selector, std::function<QString()> describe) {
    new SelectorDescription(selector, std::move(describe));
    // Making the list costs every start, so it is made only when first asked for; once it is
    // there, it follows the reply.
    QObject::connect(selector, &QComboBox::currentIndexChanged, selector, [selector] {
        if (selector->findChild<QAbstractItemView*>() != nullptr) {
            MarkReplyInList(selector);
        }
    });
    SetKind(selector, Kind::Selector);
}

void ExposeWhenShown(QWidget* widget) {
    widget->installEventFilter(new RenewWhenShown(widget));
}

}  // namespace tolvar::ui
