// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

namespace tolvar::ui {

// A plain text field that pastes only what the clipboard gives as text.
//
// Qt 6.4's rich-text paste on xcb (QWidgetTextControl::insertFromMimeData) crashes when the X
// clipboard or selection has lost its owner, or loses it while being read: the program that
// copied ended and no clipboard manager kept the text. QLineEdit pastes through
// QClipboard::text() and does not crash, so this field does the same for the paste key, its
// context menu and the middle mouse button; a drop inserts the dropped text. Undo, the cursor
// and the selection stay Qt's own. A text larger than a result could ever be in any sensible
// note is not pasted at all.
class PlainTextField : public QPlainTextEdit {
  public:
    // The most a paste or drop inserts; more is refused whole, as a cut-off paste would hide.
    static constexpr qsizetype MAX_PASTE = 1 << 20;

    explicit PlainTextField(QWidget* parent = nullptr);

  protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace tolvar::ui
