// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>

class QComboBox;
class QWidget;

namespace tolvar::ui {

// Says a text through a screen reader at once, without showing anything: for what changes
// where the focus is not, such as the question shown after Next. Said once the window is
// active again, so that a message box closing does not talk over it.
class Announcer : public QObject {
    Q_OBJECT

  public:
    explicit Announcer(QWidget* window);

    void Announce(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Say(const QString& text);

    QWidget* window_;
    // Two in turn: a screen reader takes a second announcement by the same one for a duplicate.
    std::array<QWidget*, 2> speakers_{};
    std::size_t next_ = 0;
    QString pending_;
};

// The selector as a screen reader meets it: its entries as a list, the reply shown marked; the
// reply read as its value wherever the focus arrives on it; and as its description what describe()
// returns at the moment a screen reader asks. Asked each time, the description never lags behind
// what the window shows, and needs no change event (screen readers take a description changed
// under the focus for something to say, and Qt 6.4 does not send them the new text).
void ExposeSelector(QComboBox* selector, std::function<QString()> describe);

// A widget that is hidden now and shown later, and must then be found by a screen reader that
// has been running all along (its review of the screen included).
void ExposeWhenShown(QWidget* widget);

}  // namespace tolvar::ui
