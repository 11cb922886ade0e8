// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <array>
#include <memory>
#include <string>

namespace tolvar::ui {
namespace {

// Where Qt has no translation of its own (Hindi), the program's own gives the standard buttons
// of its message boxes their names; Qt's, where installed, goes first.
[[maybe_unused]] constexpr std::array STANDARD_BUTTONS = {
    //: A message box button, as Qt names it.
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    //: A message box button, as Qt names it. The messages refer to it as "Cancel button".
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    //: The button that closes the comparison's dialog, as Qt names it.
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),
};

// Qt lays out every window from right to left where the language's translation of this text
// says "RTL"; every other language says "LTR".
//: Not shown: "RTL" for a language written from right to left (Arabic), else "LTR".
[[maybe_unused]] const char* const LAYOUT_DIRECTION =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

struct Translators {
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
    bool chosen = false;
};

Translators& InUse() {
    static Translators translators;
    return translators;
}

QString OwnTranslation(const QString& language) {
    return QStringLiteral(":/i18n/tolvar_%1.qm").arg(language);
}

std::unique_ptr<QTranslator> Load(const QString& file, const QString& directory = {}) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, directory)) {
        return nullptr;
    }
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

}  // namespace

QString ChooseLanguage(const QStringList& preferred) {
    for (const QString& tag : preferred) {
        const QStringList parts =
            QString(tag).replace(QLatin1Char('-'), QLatin1Char('_')).split(QLatin1Char('_'));
        const QString language = parts.constFirst().section(QLatin1Char('.'), 0, 0).toLower();
        if (language == QLatin1String("en")) {
            break;
        }
        // Chinese is written in simplified characters unless the tag names the traditional
        // script or a place that writes it.
        const bool traditional =
            parts.contains(QLatin1String("Hant")) || parts.contains(QLatin1String("TW")) ||
            parts.contains(QLatin1String("HK")) || parts.contains(QLatin1String("MO"));
        const QString variant =
            language == QLatin1String("zh") && !traditional ? QStringLiteral("zh_CN") : QString();
        for (const QString& name : {variant, language}) {
            if (!name.isEmpty() && QFile::exists(OwnTranslation(name))) {
                return name;
            }
        }
    }
    return QStringLiteral("en");
}

void UseLanguage(const QStringList& preferred) {
    Translators& translators = InUse();
    for (auto* translator : {translators.qt.get(), translators.own.get()}) {
        if (translator != nullptr) {
            QCoreApplication::removeTranslator(translator);
        }
    }
    translators = {};
    translators.chosen = true;
    const QString language = ChooseLanguage(preferred);
    // English needs its own file only for its plural forms.
    translators.own = Load(OwnTranslation(language));
    if (language != QLatin1String("en")) {
        translators.qt = Load(QStringLiteral("qtbase_") + language,
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
}

void UseDesktopLanguageOnce() {
    if (!InUse().chosen) {
        UseLanguage(QLocale::system().uiLanguages());
    }
}

bool WrittenRightToLeft() {
    return QCoreApplication::translate("QGuiApplication", LAYOUT_DIRECTION) == QLatin1String("RTL");
}

QString Translated(const char* context, std::string_view english) {
    return QCoreApplication::translate(context, std::string(english).c_str());
}

}  // namespace tolvar::ui
