// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms.h"

#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

namespace tolvar::forms {

int Runtime::MsgBox(QWidget* owner, const MessageBoxRequest& request) {
    QMessageBox box(owner);
    box.setWindowTitle(request.title.isEmpty() ? APP_TITLE : request.title);
    box.setTextFormat(Qt::PlainText);
    box.setText(QString(request.text).replace(CR_LF, QStringLiteral("\n")));
    switch (request.style) {
        case MB_OK_CANCEL_EXCLAMATION:
            box.setIcon(QMessageBox::Warning);
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        case MB_OK_EXCLAMATION:
            box.setIcon(QMessageBox::Warning);
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MB_OK_INFORMATION:
            box.setIcon(QMessageBox::Information);
            box.setStandardButtons(QMessageBox::Ok);
            break;
        default:
            box.setIcon(QMessageBox::NoIcon);
            box.setStandardButtons(QMessageBox::Ok);
            break;
    }
    box.exec();
    const QAbstractButton* cancel = box.button(QMessageBox::Cancel);
    if (cancel != nullptr && box.clickedButton() != box.button(QMessageBox::Ok)) {
        return ID_CANCEL;
    }
    return ID_OK;
}

void Runtime::End() {
    QCoreApplication::quit();
}

QDateTime Runtime::Now() {
    return QDateTime::currentDateTime();
}

void Runtime::SetClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

QString Runtime::ClipboardText() {
    return QGuiApplication::clipboard()->text();
}

int Runtime::Exec(QDialog& dialog) {
    return dialog.exec();
}

QString Runtime::SaveFileName(QWidget* owner, const QString& title, const QString& suggested,
                              const QString& filter) {
    return QFileDialog::getSaveFileName(owner, title, suggested, filter);
}

QStringList Runtime::OpenFileNames(QWidget* owner, const QString& title, const QString& directory,
                                   const QString& filter) {
    return QFileDialog::getOpenFileNames(owner, title, directory, filter);
}

bool Runtime::ChoosePrinter(QWidget* owner, QPrinter& printer) {
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

QString NumberText(std::int16_t number) {
    return QString::number(number);
}

QString ToText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void AddListEntry(QComboBox* list, const QString& entry, const QString& english) {
    const int selected = list->currentIndex();
    list->addItem(entry, english);
    list->setCurrentIndex(selected);
}

void SelectOption(QRadioButton* option) {
    option->setChecked(true);
    // Qt hands the group's Tab stop to an option only when it takes the focus; an option selected
    // by the program must become the Tab stop too, or Tab would enter at an unselected one.
    const auto siblings =
        option->parentWidget()->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
    for (QRadioButton* sibling : siblings) {
        const Qt::FocusPolicy policy = sibling->focusPolicy();
        sibling->setFocusPolicy(sibling == option ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                  : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

}  // namespace tolvar::forms
