// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's 16- and 32-pixel icons are shipped as pictures (a cross build cannot run a
// program it made to draw them); they must stay the program's 16-pixel design, every pixel
// repeated. When the design changes, the test writes the pictures it expects beside itself.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include "tolvar-16.xpm"

namespace {

class ShippedIcon : public testing::TestWithParam<int> {};

TEST_P(ShippedIcon, RepeatsEveryPixelOfTheDesign) {
    const int size = GetParam();
    const QString name = QStringLiteral("%1x%1/org.tolvar.Tolvar.png").arg(size);
    const QImage shipped(QStringLiteral(TOLVAR_SHIPPED_ICONS "/") + name);
    ASSERT_FALSE(shipped.isNull()) << "cannot read " << name.toStdString();
    const QImage expected = QImage(tolvar_16_xpm)
                                .scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                .convertToFormat(QImage::Format_ARGB32);
    const bool same = shipped.convertToFormat(QImage::Format_ARGB32) == expected;
    if (!same) {
        const QString written = QStringLiteral("expected-%1.png").arg(size);
        expected.save(written, "PNG");
        FAIL() << name.toStdString() << " differs from the design; the expected picture is "
               << written.toStdString() << " in the test's working folder";
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ShippedIcon, testing::Values(16, 32));

}  // namespace
