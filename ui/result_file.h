// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tolvar::ui {

// The most of a file read as a saved result: a result is well under a kilobyte, so a larger file
// is not one, and reading no further keeps a wrong choice (a film, a disk image) harmless.
inline constexpr qint64 MAX_RESULT_FILE = 1 << 20;

// A file's text, or why it has none, in the user's language.
struct FileText {
    std::optional<QString> text;
    QString problem;
};

// Bytes as text: UTF-8 with or without a byte order mark, or UTF-16 with one. Anything else
// (another encoding, binary data) has no text.
FileText DecodeText(const QByteArray& bytes);

// Reads a file as text, at most MAX_RESULT_FILE bytes of it; a larger file, one that cannot be
// read or one that is not text has no text.
FileText ReadTextFile(const QString& path);

// Writes the text as UTF-8, atomically: on any failure a file already there stays as it was.
// The reason for a failure is the system's, in its words.
bool WriteTextFile(const QString& path, const QString& text, QString* reason);

}  // namespace tolvar::ui
