// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <string_view>

class QComboBox;
class QDateTime;
class QDialog;
class QPrinter;
class QRadioButton;
class QWidget;

namespace tolvar::forms {

inline const QString APP_TITLE = QStringLiteral("Tolvar");

// Message box styles: buttons plus icon.
inline constexpr int MB_OK = 0;
inline constexpr int MB_OK_EXCLAMATION = 48;
inline constexpr int MB_OK_CANCEL_EXCLAMATION = 49;
inline constexpr int MB_OK_INFORMATION = 64;

// What a message box returns.
inline constexpr int ID_OK = 1;
inline constexpr int ID_CANCEL = 2;

// Message texts break their lines with CR LF.
inline const QString CR_LF = QStringLiteral("\r\n");

struct MessageBoxRequest {
    QString text;
    int style = MB_OK;
    QString title;  // empty: the application title
};

// What the window asks of the desktop besides its own controls: modal messages and the end of
// the program. Tests hand the window their own Runtime to read and answer each message.
class Runtime {
  public:
    virtual ~Runtime() = default;

    // Shows the message modally over the owner; ID_OK or ID_CANCEL. Closing an OK/Cancel box
    // without a button counts as Cancel.
    virtual int MsgBox(QWidget* owner, const MessageBoxRequest& request);

    // Ends the program: the event loop returns and nothing more is dispatched.
    virtual void End();

    // The local date and time now.
    virtual QDateTime Now();

    // Puts the text on the desktop's clipboard.
    virtual void SetClipboardText(const QString& text);

    // The text on the desktop's clipboard, empty when it holds none. Read only when the user
    // asks for it: it may hold anything, a password too.
    virtual QString ClipboardText();

    // Shows the dialog modally; its result (QDialog::Accepted or Rejected).
    virtual int Exec(QDialog& dialog);

    // The desktop's file dialogs: the path chosen to save to (empty when cancelled), starting at
    // the suggested path; the files chosen to open (none when cancelled).
    virtual QString SaveFileName(QWidget* owner, const QString& title, const QString& suggested,
                                 const QString& filter);
    virtual QStringList OpenFileNames(QWidget* owner, const QString& title,
                                      const QString& directory, const QString& filter);

    // The desktop's print dialog for the printer; false when the user cancelled.
    virtual bool ChoosePrinter(QWidget* owner, QPrinter& printer);
};

// A number as its plain decimal text, without a leading space.
QString NumberText(std::int16_t number);

QString ToText(std::string_view text);

// Adds an entry at the end of the list without selecting it, even when the list was empty. The
// entry shows its text in the user's language and keeps its English as the item's data.
void AddListEntry(QComboBox* list, const QString& entry, const QString& english);

// Selects the option button, clearing the others of its container, and makes it the one that
// Tab enters the group at.
void SelectOption(QRadioButton* option);

}  // namespace tolvar::forms
