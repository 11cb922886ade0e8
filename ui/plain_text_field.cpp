// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plain_text_field.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <optional>

namespace tolvar::ui {
namespace {

// Which of the desktop's clipboards the data came from, if any: the clipboard's own data is
// never read through QMimeData here.
std::optional<QClipboard::Mode> ClipboardOf(const QMimeData* source) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    for (const QClipboard::Mode mode : {QClipboard::Clipboard, QClipboard::Selection}) {
        if ((mode == QClipboard::Clipboard || clipboard->supportsSelection()) &&
            source == clipboard->mimeData(mode)) {
            return mode;
        }
    }
    return std::nullopt;
}

}  // namespace

PlainTextField::PlainTextField(QWidget* parent) : QPlainTextEdit(parent) {}

bool PlainTextField::canInsertFromMimeData(const QMimeData* source) const {
    if (source == nullptr || isReadOnly()) {
        return false;
    }
    if (const auto mode = ClipboardOf(source)) {
        return !QGuiApplication::clipboard()->text(*mode).isEmpty();
    }
    return source->hasText();
}

void PlainTextField::insertFromMimeData(const QMimeData* source) {
    if (source == nullptr || isReadOnly()) {
        return;
    }
    const auto mode = ClipboardOf(source);
    const QString text = mode ? QGuiApplication::clipboard()->text(*mode)
                              : (source->hasText() ? source->text() : QString());
    if (text.isEmpty()) {
        return;
    }
    if (text.size() > MAX_PASTE) {
        QApplication::beep();
        return;
    }
    insertPlainText(text);
    ensureCursorVisible();
}

}  // namespace tolvar::ui
