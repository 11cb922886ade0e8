// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "program_icon.h"

namespace {

bool HasSize(const QIcon& icon, int size) {
    return icon.availableSizes().contains(QSize(size, size));
}

// Notes whether the window had been painted, and was not being painted, when its icon grew.
class IconWatch : public QObject {
  public:
    bool painted = false;
    bool grewAfterPaint = false;
    bool grewDuringPaint = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint) {
            painted = true;
        } else if (event->type() == QEvent::WindowIconChange &&
                   HasSize(window->windowIcon(), 128)) {
            grewAfterPaint = painted;
            grewDuringPaint = window->testAttribute(Qt::WA_WState_InPaintEvent);
        }
        return false;
    }
};

}  // namespace

class ProgramIconTest : public QObject {
    Q_OBJECT

  private slots:
    // The title bar's sizes at once; the larger ones only once the window is on the screen, so
    // that reading them never delays its first appearance.
    void fullIconFollowsTheFirstPaint() {
        QWidget window;
        IconWatch watch;
        window.installEventFilter(&watch);
        tolvar::ui::SetProgramIcon(&window);
        QVERIFY(HasSize(window.windowIcon(), 16));
        QVERIFY(HasSize(window.windowIcon(), 32));
        for (int turn = 0; turn < 5; ++turn) {
            QCoreApplication::processEvents();
        }
        QVERIFY(!HasSize(window.windowIcon(), 48));

        window.show();
        for (const int size : {48, 64, 128}) {
            QTRY_VERIFY(HasSize(window.windowIcon(), size));
        }
        QVERIFY(watch.grewAfterPaint);
        QVERIFY(!watch.grewDuringPaint);
    }
};

QTEST_MAIN(ProgramIconTest)
#include "program_icon_test.moc"
