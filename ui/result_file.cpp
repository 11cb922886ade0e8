// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>

namespace tolvar::ui {
namespace {

// Text has no control characters besides tabs, line and page breaks.
bool LooksLikeText(const QString& text) {
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        const char16_t code = c.unicode();
        return (code < 0x20 && code != u'\t' && code != u'\n' && code != u'\r' && code != u'\f') ||
               code == 0x7F;
    });
}

}  // namespace

FileText DecodeText(const QByteArray& bytes) {
    QStringConverter::Encoding encoding = QStringConverter::Utf8;
    if (const auto marked = QStringConverter::encodingForData(bytes)) {
        encoding = *marked;
    }
    if (encoding != QStringConverter::Utf8 && encoding != QStringConverter::Utf16LE &&
        encoding != QStringConverter::Utf16BE) {
        //: Why a file was not read: it is text in an encoding Tolvar does not read.
        return {std::nullopt,
                QCoreApplication::translate("ResultFile", "It is not written in UTF-8 or UTF-16.")};
    }
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return {std::nullopt,
                QCoreApplication::translate("ResultFile", "It is not written in UTF-8 or UTF-16.")};
    }
    if (!LooksLikeText(text)) {
        //: Why a file was not read: it holds something other than text.
        return {std::nullopt, QCoreApplication::translate("ResultFile", "It is not a text file.")};
    }
    return {std::move(text), {}};
}

FileText ReadTextFile(const QString& path) {
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        //: Why a file was not read: the name chosen is a folder.
        return {std::nullopt, QCoreApplication::translate("ResultFile", "It is a folder.")};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, file.errorString()};
    }
    const QByteArray bytes = file.read(MAX_RESULT_FILE + 1);
    if (bytes.size() > MAX_RESULT_FILE) {
        //: Why a file was not read: %1 is the most Tolvar reads, as "1 MiB".
        return {std::nullopt,
                QCoreApplication::translate("ResultFile",
                                            "It is larger than %1, far larger than a saved result.")
                    .arg(QLocale().formattedDataSize(MAX_RESULT_FILE))};
    }
    if (file.error() != QFileDevice::NoError) {
        return {std::nullopt, file.errorString()};
    }
    return DecodeText(bytes);
}

bool WriteTextFile(const QString& path, const QString& text, QString* reason) {
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written && reason != nullptr) {
        *reason = file.errorString();
    }
    return written;
}

}  // namespace tolvar::ui
