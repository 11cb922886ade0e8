#include "twips.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <cmath>

namespace tolvar::ui {
namespace {

// Qt's combo box draws its text one pixel in from each side of the edit field.
constexpr int COMBO_TEXT_INSET = 2;

bool FitsWithin(QSize need, QSize room) {
    return need.width() <= room.width() && need.height() <= room.height();
}

QSize LabelTextSize(const QLabel* label, int width, const QString& text) {
    const int flags = Qt::AlignLeft | Qt::AlignTop | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return label->fontMetrics().boundingRect(QRect(0, 0, width, 1 << 20), flags, text).size();
}

QRect PushButtonContents(const QPushButton* button, QSize pixels) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = QRect(QPoint(0, 0), pixels);
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
}

QRect RadioButtonContents(const QRadioButton* radio, QSize pixels) {
    QStyleOptionButton option;
    option.initFrom(radio);
    option.rect = QRect(QPoint(0, 0), pixels);
    return radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
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

}  // namespace

int TwipsToPixels(int twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

bool TextFits(const QWidget* widget, QSize pixels, const QString& text) {
    const QFontMetrics metrics = widget->fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        const QRect room = QRect(QPoint(0, 0), pixels) - label->contentsMargins();
        return FitsWithin(LabelTextSize(label, room.width(), text), room.size());
    }
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        const QSize need = metrics.size(Qt::TextShowMnemonic, text);
        return FitsWithin(need, PushButtonContents(button, pixels).size());
    }
    if (const auto* radio = qobject_cast<const QRadioButton*>(widget)) {
        const QSize need = metrics.size(Qt::TextShowMnemonic, text);
        const int indicator =
            radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, radio);
        return indicator <= pixels.height() &&
               FitsWithin(need, RadioButtonContents(radio, pixels).size());
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        const QSize need = metrics.size(Qt::TextSingleLine, text) + QSize(2 * COMBO_TEXT_INSET, 0);
        return FitsWithin(need, ComboEditField(combo, pixels).size());
    }
    return true;
}

double ComputeTwipsPerPixel(const std::vector<FitItem>& items) {
    const auto allFit = [&items](double twipsPerPixel) {
        for (const FitItem& item : items) {
            const QSize pixels(TwipsToPixels(item.twips.width(), twipsPerPixel),
                               TwipsToPixels(item.twips.height(), twipsPerPixel));
            for (const QString& text : item.texts) {
                if (!TextFits(item.widget, pixels, text)) {
                    return false;
                }
            }
        }
        return true;
    };
    double twipsPerPixel = MAX_TWIPS_PER_PIXEL;
    while (twipsPerPixel > MIN_TWIPS_PER_PIXEL && !allFit(twipsPerPixel)) {
        twipsPerPixel -= TWIPS_PER_PIXEL_STEP;
    }
    return twipsPerPixel;
}

}  // namespace tolvar::ui
