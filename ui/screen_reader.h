// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <array>

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

// The selector's reply is read as its value wherever the focus arrives on it.
void ExposeSelectorValue(QComboBox* selector);

// A widget that is hidden now and shown later, and must then be found by a screen reader that
// has been running all along (its review of the screen included).
void ExposeWhenShown(QWidget* widget);

// Sets the widget's accessible description. While the widget has the focus the change waits
// until the focus leaves: screen readers take a description changed under the focus for
// something to say, and Qt 6.4 does not send them the new text.
void SetDescriptionQuietly(QWidget* widget, const QString& description);

}  // namespace tolvar::ui
