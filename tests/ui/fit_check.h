// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "harness.h"
#include "language.h"

namespace tolvar::testing {

// The context of the window's own texts.
inline constexpr const char* WINDOW_CONTEXT = "tolvar::ui::frmForm001";

inline QString WithoutMnemonic(QString text) {
    return text.remove(QLatin1Char('&'));
}

// Why the text does not fit the control at its present size, or an empty string when it does.
// Measured with Qt's own size hints and metrics, independently of the window's layout code.
inline QString Misfit(QWidget* control, const QString& text) {
    const QFontMetrics metrics = control->fontMetrics();
    QStyle* style = control->style();
    const QString where = QStringLiteral("%1 \"%2\" in %3x%4: ")
                              .arg(control->objectName(), text)
                              .arg(control->width())
                              .arg(control->height());
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
        const QRect room = label->contentsRect();
        const QRect drawn =
            metrics.boundingRect(room, Qt::TextWordWrap | int(label->alignment()), text);
        if (label->heightForWidth(label->width()) > label->height() || !room.contains(drawn)) {
            return where +
                   QStringLiteral("needs %1 high").arg(label->heightForWidth(label->width()));
        }
    } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
        radio->setText(text);
        if (metrics.height() > radio->height()) {
            return where + QStringLiteral("needs %1 high").arg(metrics.height());
        }
        // Where the caption is wider than the button, it must wrap whole into the room the style
        // leaves beside the marker, every word within its width.
        if (radio->sizeHint().width() > radio->width()) {
            QStyleOptionButton option;
            option.initFrom(radio);
            option.text = text;
            // The caption's leading spaces indent every line.
            const QString words = text.trimmed();
            const int indent = metrics.horizontalAdvance(text.left(text.indexOf(words)));
            const QRect room = style->subElementRect(QStyle::SE_RadioButtonContents, &option, radio)
                                   .adjusted(indent, 0, 0, 0);
            const QRect wrapped = metrics.boundingRect(
                QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap | Qt::TextShowMnemonic, words);
            if (wrapped.width() > room.width() || room.top() + wrapped.height() > radio->height()) {
                return where + QStringLiteral("needs %1x%2 beside the marker")
                                   .arg(wrapped.width())
                                   .arg(room.top() + wrapped.height());
            }
        }
    } else if (auto* button = qobject_cast<QPushButton*>(control)) {
        button->setText(text);
        const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        if (metrics.horizontalAdvance(WithoutMnemonic(text)) + 2 * margin > button->width() ||
            metrics.height() + 2 * frame > button->height()) {
            return where + QStringLiteral("text does not fit");
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        const int frame = style->pixelMetric(QStyle::PM_ComboBoxFrameWidth, nullptr, combo);
        if (combo->sizeHint().width() > combo->width() ||
            metrics.height() + 2 * frame > combo->height()) {
            return where + QStringLiteral("needs %1 wide").arg(combo->sizeHint().width());
        }
    }
    return {};
}

// Every text each control shows at some time, tried in its final box; the first misfit.
inline QString FirstMisfit(const Harness& h) {
    std::vector<std::pair<QWidget*, QStringList>> checks;
    for (QWidget* control : h.window->findChildren<QWidget*>()) {
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            checks.push_back({control, {button->text()}});
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            checks.push_back({control, {label->text()}});
        }
    }
    // Texts shown later, in the language in use.
    QStringList questionTexts;
    for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
        questionTexts << ui::Translated("Motivator", QuestionText(motivator));
    }
    checks.push_back(
        {h.Button("cmdProceed"), {QCoreApplication::translate(WINDOW_CONTEXT, "&Start New")}});
    checks.push_back({h.Label("Label2", 0), questionTexts});
    checks.push_back({h.Label("Label2", 1), questionTexts});
    for (int k = 1; k <= 8; ++k) {
        checks.push_back({h.Label("Label3", k), {"0", "7", h.Label("Label3", 0)->text()}});
    }
    checks.push_back({h.Label("Label1", 5), {"1", "28"}});
    checks.push_back({h.Selector(), {QString()}});
    for (auto& [control, texts] : checks) {
        for (const QString& text : texts) {
            const QString misfit = Misfit(control, text);
            if (!misfit.isEmpty()) {
                return misfit;
            }
        }
    }
    return {};
}

}  // namespace tolvar::testing
