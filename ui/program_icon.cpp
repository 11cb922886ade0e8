// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_icon.h"

#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QPixmap>
#include <QWidget>

#include "icons/tolvar-16.xpm"

namespace tolvar::ui {
namespace {

const QString APP_ID = QStringLiteral("org.tolvar.Tolvar");

// The design scaled only by whole pixels, so that no one ever scales the small image up smoothly.
QIcon DrawnIcon() {
    const QPixmap small(tolvar_16_xpm);
    QIcon icon(small);
    icon.addPixmap(small.scaled(small.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    return icon;
}

QIcon FullIcon() {
    QIcon drawn = DrawnIcon();
    for (const int size : {48, 64, 128}) {
        drawn.addFile(QStringLiteral(":/icons/tolvar-%1.png").arg(size), QSize(size, size));
    }
    return QIcon::fromTheme(APP_ID, drawn);
}

// Waits for the window's first paint. Qt paints a window only once it is exposed, and puts the
// picture on the screen in the same step, so a call queued from the first paint of anything in
// the window runs once the user already sees it. The window itself may paint nothing, its
// content covering it whole.
class FullIconAfterFirstPaint final : public QObject {
  public:
    explicit FullIconAfterFirstPaint(QWidget* window) : QObject(window), window_(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_) {
            QCoreApplication::instance()->removeEventFilter(this);
            QMetaObject::invokeMethod(this, &FullIconAfterFirstPaint::Give, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    void Give() {
        window_->setWindowIcon(FullIcon());
        deleteLater();
    }

    QWidget* window_;
};

}  // namespace

void SetProgramIcon(QWidget* window) {
    window->setWindowIcon(DrawnIcon());
    new FullIconAfterFirstPaint(window);
}

}  // namespace tolvar::ui
