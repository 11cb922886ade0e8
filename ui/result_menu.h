// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "one_box_at_a_time.h"

class QAction;
class QMenuBar;
class QShortcut;
class QWidget;

namespace tolvar::ui {

// What the window does for each of the result's commands.
struct ResultCommands {
    std::function<void()> copy;
    std::function<void()> save;
    std::function<void()> print;
    std::function<void()> exportPdf;
    std::function<void()> compareEarlier;
    std::function<void()> compareSaved;
    // Tells the user that a command follows an evaluation: `comparison` for the comparisons.
    std::function<void(bool comparison)> needsResult;
};

// The result's commands where a desktop user looks for them: a Result menu in the window's menu
// bar, the same entries in the window's context menu (right button, Menu key or Shift+F10), and
// the desktop's standard keys. Before the ratings are shown the entries are there but disabled,
// and their keys say what they need. Every command that opens a box goes through one guard, so
// that boxes come one at a time.
class ResultMenu : public QObject {
    Q_OBJECT

  public:
    ResultMenu(QWidget* window, ResultCommands commands);

    QMenuBar* MenuBar() const { return menuBar_; }

    // Offers the commands on a result while the ratings are shown.
    void OfferResult(bool shown);

  private:
    struct Entry {
        QAction* action;
        QShortcut* key;  // the same key while the entry is disabled, to say what it needs
    };

    QAction* AddEntry(const char* name, const QString& text, const QKeySequence& key,
                      std::function<void()> run, bool comparison);
    void OpenContextMenuWithKeyboard();

    QWidget* window_;
    ResultCommands commands_;
    QMenuBar* menuBar_;
    std::vector<Entry> entries_;
    OneBoxAtATime boxes_;
};

}  // namespace tolvar::ui
