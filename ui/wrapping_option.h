// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRadioButton>

namespace tolvar::ui {

// A radio button whose caption wraps onto more lines where the button is narrower than the
// caption on one line, with its marker beside the first line. It stays one control, so its access
// key, its keys and what a screen reader says of it are a radio button's; where the caption fits
// on one line it is drawn exactly as a radio button draws it.
class WrappingOption : public QRadioButton {
    Q_OBJECT

  public:
    using QRadioButton::QRadioButton;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

  private:
    bool Wraps() const;
    QRect CaptionRect(int width) const;
    QString Words() const;
    int CaptionFlags() const;
};

}  // namespace tolvar::ui
