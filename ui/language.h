// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

namespace tolvar::ui {

// The language of the program's own texts for the desktop's preferred languages, most preferred
// first (as QLocale::uiLanguages gives them, "de-DE" or "de_DE"): the first of them that the
// program has a translation for, or "en" when English comes first or none is known.
QString ChooseLanguage(const QStringList& preferred);

// Has the program speak the language chosen from the preferred ones: its own translation and
// Qt's for the standard buttons, in place of any language used before.
void UseLanguage(const QStringList& preferred);

// Has the program speak the desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), unless a
// language is in use already.
void UseDesktopLanguageOnce();

// Whether the language in use is written from right to left.
bool WrittenRightToLeft();

// A text of the questionnaire, kept in English as its key, in the language in use.
QString Translated(const char* context, std::string_view english);

}  // namespace tolvar::ui
