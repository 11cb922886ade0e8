// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks an English text that the window shows in the user's language. The questionnaire keeps the
// English as the key the window translates with; Qt's lupdate is told to read this mark as its
// own QT_TRANSLATE_NOOP, so that the text reaches the translators with its context.
#define TOLVAR_TRANSLATABLE(context, text) text
