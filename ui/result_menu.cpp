// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_menu.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace tolvar::ui {

ResultMenu::ResultMenu(QWidget* window, ResultCommands commands)
    : QObject(window),
      window_(window),
      commands_(std::move(commands)),
      menuBar_(new QMenuBar(window)) {
    menuBar_->setObjectName(QStringLiteral("menuBar"));
    //: The menu in the window's menu bar that holds what can be done with a result. Keep an
    //: access key that no button of the window uses.
    QMenu* menu = menuBar_->addMenu(tr("&Result"));
    menu->setObjectName(QStringLiteral("resultMenu"));
    //: An entry of the Result menu (and the window's context menu) that copies the result as
    //: text. Keep an access key, different from the menu's other entries.
    menu->addAction(
        AddEntry("copyResult", tr("&Copy Result"), QKeySequence::Copy, commands_.copy, false));
    //: An entry of the Result menu that saves the result as a text file. Keep an access key.
    menu->addAction(AddEntry("saveResult", tr("&Save Result As..."), QKeySequence::Save,
                             commands_.save, false));
    window_->addAction(menu->addSeparator());
    //: An entry of the Result menu that prints the result. Keep an access key.
    menu->addAction(
        AddEntry("printResult", tr("&Print..."), QKeySequence::Print, commands_.print, false));
    //: An entry of the Result menu that saves the result as a PDF file. Keep an access key.
    menu->addAction(AddEntry("exportResultPdf", tr("Export as P&DF..."), QKeySequence(),
                             commands_.exportPdf, false));
    window_->addAction(menu->addSeparator());
    //: An entry of the Result menu that compares the result shown with an earlier copied one.
    //: Keep an access key.
    menu->addAction(AddEntry("compareResult", tr("Co&mpare with Earlier Result..."),
                             QKeySequence::Paste, commands_.compareEarlier, true));
    //: An entry of the Result menu that compares the result shown with results saved in
    //: files. Keep an access key.
    menu->addAction(AddEntry("compareSavedResults", tr("Compare with Sa&ved Results..."),
                             QKeySequence::Open, commands_.compareSaved, true));
    window_->setContextMenuPolicy(Qt::ActionsContextMenu);
    // Shift+F10 asks for the context menu of the control with the focus, as the Menu key does.
    auto* contextMenuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), window_);
    connect(contextMenuKey, &QShortcut::activated, this, &ResultMenu::OpenContextMenuWithKeyboard);
    OfferResult(false);
}

QAction* ResultMenu::AddEntry(const char* name, const QString& text, const QKeySequence& key,
                              std::function<void()> run, bool comparison) {
    auto* action = new QAction(text, window_);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    window_->addAction(action);
    connect(action, &QAction::triggered, this, [this, run = std::move(run)] { boxes_.Open(run); });
    QShortcut* needs = nullptr;
    if (!key.isEmpty()) {
        needs = new QShortcut(key, window_);
        needs->setContext(Qt::WindowShortcut);
        connect(needs, &QShortcut::activated, this, [this, comparison] {
            boxes_.Open([this, comparison] { commands_.needsResult(comparison); });
        });
    }
    entries_.push_back({action, needs});
    return action;
}

void ResultMenu::OfferResult(bool shown) {
    for (const Entry& entry : entries_) {
        entry.action->setEnabled(shown);
        // Two enabled shortcuts for one key would be ambiguous and neither would run.
        if (entry.key != nullptr) {
            entry.key->setEnabled(!shown);
        }
    }
}

void ResultMenu::OpenContextMenuWithKeyboard() {
    QWidget* target = window_->focusWidget() != nullptr ? window_->focusWidget() : window_;
    const QPoint middle = target->rect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, middle, target->mapToGlobal(middle));
    QApplication::sendEvent(target, &request);
}

}  // namespace tolvar::ui
