// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "twips.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <cmath>
#include <optional>

namespace tolvar::ui {
namespace {

// Qt's combo box draws its text one pixel in from each side of the edit field.
constexpr int COMBO_TEXT_INSET = 2;

// A text with its size on one line in its control's font, which no scale changes.
struct MeasuredText {
    const QWidget* widget;
    QSize twips;
    QString text;
    QSize oneLine;
};

bool FitsWithin(QSize need, QSize room) {
    return need.width() <= room.width() && need.height() <= room.height();
}

QRect ButtonContents(const QAbstractButton* button, QSize pixels, QStyle::SubElement element) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = QRect(QPoint(0, 0), pixels);
    return button->style()->subElementRect(element, &option, button);
}

QRect ComboEditField(const QComboBox* combo, QSize pixels) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.rect = QRect(QPoint(0, 0), pixels);
    option.editable = false;
    option.frame = combo->hasFrame();
    return combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                          QStyle::SC_ComboBoxEditField, combo);
}

// Where the widget's kind of control draws its text at the given size; none when the control
// itself (a radio button's indicator) does not fit.
std::optional<QSize> TextRoom(const QWidget* widget, QSize pixels) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return (QRect(QPoint(0, 0), pixels) - label->contentsMargins()).size();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        return ButtonContents(button, pixels, QStyle::SE_PushButtonContents).size();
    }
    if (const auto* radio = qobject_cast<const QRadioButton*>(widget)) {
        const int indicator =
            radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, radio);
        if (indicator > pixels.height()) {
            return std::nullopt;
        }
        // What the style puts beside the caption: the marker, the spacing and the margins its
        // focus frame needs, as the radio button's own size hint counts them.
        QStyleOptionButton option;
        option.initFrom(radio);
        option.text = QStringLiteral("x");
        constexpr int CAPTION = 1000;
        const int beside = radio->style()
                               ->sizeFromContents(QStyle::CT_RadioButton, &option,
                                                  QSize(CAPTION, pixels.height()), radio)
                               .width() -
                           CAPTION;
        return QSize(pixels.width() - beside, pixels.height());
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        return ComboEditField(combo, pixels).size() - QSize(2 * COMBO_TEXT_INSET, 0);
    }
    return pixels;
}

QSize OneLineSize(const QWidget* widget, const QString& text) {
    if (qobject_cast<const QRadioButton*>(widget) != nullptr) {
        // Measured as the radio button's size hint measures its caption.
        return widget->style()
            ->itemTextRect(widget->fontMetrics(), QRect(), Qt::TextShowMnemonic, false, text)
            .size();
    }
    const int flags = qobject_cast<const QAbstractButton*>(widget) != nullptr ? Qt::TextShowMnemonic
                                                                              : Qt::TextSingleLine;
    return widget->fontMetrics().size(flags, text);
}

bool Fits(const MeasuredText& measured, QSize pixels) {
    const std::optional<QSize> room = TextRoom(measured.widget, pixels);
    if (!room) {
        return false;
    }
    if (FitsWithin(measured.oneLine, *room)) {
        return true;
    }
    // Only a wrapping label may take a text wider than its box, over several lines.
    const auto* label = qobject_cast<const QLabel*>(measured.widget);
    if (label == nullptr || !label->wordWrap() || measured.oneLine.width() <= room->width()) {
        return false;
    }
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QRect wrapped = label->fontMetrics().boundingRect(QRect(0, 0, room->width(), 1 << 20),
                                                            flags, measured.text);
    return FitsWithin(wrapped.size(), *room);
}

}  // namespace

int TwipsToPixels(int twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

QRect TwipsToPixels(QRect box, int parentWidth, double twipsPerPixel,
                    Qt::LayoutDirection direction) {
    const int left =
        direction == Qt::RightToLeft ? parentWidth - box.left() - box.width() : box.left();
    return {TwipsToPixels(left, twipsPerPixel), TwipsToPixels(box.top(), twipsPerPixel),
            TwipsToPixels(box.width(), twipsPerPixel), TwipsToPixels(box.height(), twipsPerPixel)};
}

double ComputeTwipsPerPixel(const std::vector<FitItem>& items) {
    // Laying out a text is the costly part, and many controls share their font and texts.
    QHash<QString, QSize> oneLineSizes;
    std::vector<MeasuredText> texts;
    for (const FitItem& item : items) {
        const QString font = item.widget->font().key() +
                             (qobject_cast<const QRadioButton*>(item.widget)      ? u'o'
                              : qobject_cast<const QAbstractButton*>(item.widget) ? u'&'
                                                                                  : u' ');
        for (const QString& text : item.texts) {
            auto known = oneLineSizes.constFind(font + text);
            if (known == oneLineSizes.cend()) {
                known = oneLineSizes.insert(font + text, OneLineSize(item.widget, text));
            }
            texts.push_back({item.widget, item.twips, text, *known});
        }
    }
    const auto allFit = [&texts](double twipsPerPixel) {
        for (const MeasuredText& measured : texts) {
            const QSize pixels(TwipsToPixels(measured.twips.width(), twipsPerPixel),
                               TwipsToPixels(measured.twips.height(), twipsPerPixel));
            if (!Fits(measured, pixels)) {
                return false;
            }
        }
        return true;
    };
    // Fewer twips per pixel only ever make the boxes larger, so the grid can be searched by
    // halving: step n stands for MAX - n * STEP, and the last step is taken when nothing fits.
    const auto atStep = [](int step) { return MAX_TWIPS_PER_PIXEL - step * TWIPS_PER_PIXEL_STEP; };
    int fits = static_cast<int>((MAX_TWIPS_PER_PIXEL - MIN_TWIPS_PER_PIXEL) / TWIPS_PER_PIXEL_STEP);
    int fails = -1;
    while (fits - fails > 1) {
        const int middle = fails + (fits - fails) / 2;
        (allFit(atStep(middle)) ? fits : fails) = middle;
    }
    return atStep(fits);
}

}  // namespace tolvar::ui
