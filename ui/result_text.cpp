// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>
#include <functional>

#include "language.h"

namespace tolvar::ui {
namespace {

const char* const CONTEXT = "ResultReport";
//: The copied result's first line; %1 is the date and time, as 2026-12-08T14:05.
const char* const HEADING = QT_TRANSLATE_NOOP("ResultReport", "Tolvar result, copied %1");
//: The copied result's second line; %1 is the motivator the user marked at the start.
const char* const MARKED = QT_TRANSLATE_NOOP("ResultReport", "Marked as the most motivating: %1");
//: The copied result's last line; %1 is the 28 replies in the letters A and B, in groups of
//: four ("ABBA ABAB ..."). The letters stay A and B in every language.
const char* const REPLIES = QT_TRANSLATE_NOOP("ResultReport", "Replies: %1");

// Motivators each language has since worded otherwise; never removed, so that every copy made
// before stays readable.
constexpr EarlierName EARLIER_NAMES[] = {
    {"ar", 3, "المكانة والسلطة والقيادة"},
    {"ar", 3, "المكانة والنفوذ والقيادة"},
    {"de", 1, "Für meine Familienangehörigen da sein und ihnen nahestehen"},
    {"de", 1, "Für meine Familie da sein und ihr nahestehen"},
    {"de", 2, "Mehr materielle Belohnungen und Vergünstigungen"},
    {"es", 2, "Más recompensas materiales y beneficios"},
    {"es", 6, "Oportunidades para actividades recreativas y para la innovación"},
    {"fr", 2, "Davantage de récompenses matérielles et d’avantages"},  // the present name again
    {"fr", 2, "Récompenses matérielles et avantages accrus"},
    {"fr", 3, "Statut, pouvoir et leadership"},
    {"fr", 5, "Pratiquer et promouvoir l’éthique et d’autres valeurs dans la société"},
    {"hi", 2, "अधिक भौतिक पुरस्कार और लाभ"},
    {"hi", 2, "अधिक कमाई और सुविधाएँ"},
    {"hi", 3, "प्रतिष्ठा, शक्ति और नेतृत्व"},
    {"hi", 3, "प्रतिष्ठा, अधिकार और नेतृत्व"},
    {"hi", 6, "मनोरंजन की गतिविधियों और नवाचार के अवसर"},
};

QString WithoutLeadingSpaces(const QString& text) {
    qsizetype spaces = 0;
    while (spaces < text.size() && text.at(spaces).isSpace()) {
        ++spaces;
    }
    return text.mid(spaces);
}

// A result's wording through a translation: the text in that language, or none.
using Translate = std::function<QString(const char* context, const char* source)>;

ResultWording WordingIn(const Translate& translate) {
    ResultWording wording;
    wording.heading = translate(CONTEXT, HEADING).toStdString();
    wording.marked = translate(CONTEXT, MARKED).toStdString();
    wording.replies = translate(CONTEXT, REPLIES).toStdString();
    for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
        for (const std::string_view source : {OptionCaption(motivator), QuestionText(motivator)}) {
            const QString name =
                WithoutLeadingSpaces(translate("Motivator", std::string(source).c_str()));
            if (!name.isEmpty()) {
                wording.names(motivator).push_back(name.toStdString());
            }
        }
    }
    return wording;
}

}  // namespace

QString MotivatorName(Int16 motivator) {
    return WithoutLeadingSpaces(Translated("Motivator", OptionCaption(motivator)));
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ConsistencySentence(int circularTriads) {
    //: The copied result's last line, and the tooltip of "Rating by you". %n circular triads: three
    //: motivators whose replies go round in a circle (A over B, B over C, C over A).
    return QCoreApplication::translate("ResultReport",
                                       "Consistency: %n circular triads (0 is fully consistent, %1 "
                                       "the most possible, and random replies make %2 on average).",
                                       nullptr, circularTriads)
        .arg(MOST_CIRCULAR_TRIADS)
        .arg(RANDOM_CIRCULAR_TRIADS);
}

// Where the language is written from right to left, each line starts with a right-to-left mark
// and the date and the replies are isolated as left-to-right runs, so that a right-to-left
// editor shows every line in order; the reader takes these marks for nothing.
QString ResultReport(const QString& copiedAt, Int16 markedMotivator, const Ratings& ratings,
                     const Replies& replies) {
    const bool rightToLeft = WrittenRightToLeft();
    const auto isolated = [rightToLeft](const QString& text) {
        return rightToLeft ? QChar(0x2066) + text + QChar(0x2069) : text;
    };
    QStringList lines = {
        QCoreApplication::translate(CONTEXT, HEADING).arg(isolated(copiedAt)),
        QCoreApplication::translate(CONTEXT, MARKED).arg(MotivatorName(markedMotivator)),
    };
    for (const Int16 motivator : RankedMotivators(ratings)) {
        lines << QStringLiteral("%1  %2").arg(ratings(motivator), 2).arg(MotivatorName(motivator));
    }
    lines << ConsistencySentence(CircularTriads(ratings))
          << QCoreApplication::translate(CONTEXT, REPLIES)
                 .arg(isolated(FromUtf8(ReplyLetters(replies))));
    const QString start = rightToLeft ? QString(QChar(0x200F)) : QString();
    QString report;
    for (const QString& line : lines) {
        report += start + line + QLatin1Char('\n');
    }
    return report;
}

std::span<const EarlierName> EarlierNames() {
    return EARLIER_NAMES;
}

std::vector<ResultWording> ResultWordings() {
    std::vector<ResultWording> wordings;
    wordings.push_back(WordingIn([](const char* context, const char* source) {
        return QCoreApplication::translate(context, source);
    }));
    wordings.push_back(
        WordingIn([](const char*, const char* source) { return QString::fromUtf8(source); }));
    const QDir shipped(QStringLiteral(":/i18n"));
    for (const QString& file : shipped.entryList({QStringLiteral("tolvar_*.qm")})) {
        QTranslator translator;
        if (translator.load(shipped.filePath(file))) {
            wordings.push_back(WordingIn([&translator](const char* context, const char* source) {
                return translator.translate(context, source);
            }));
        }
    }
    ResultWording earlier;
    for (const EarlierName& name : EARLIER_NAMES) {
        earlier.names(name.motivator).emplace_back(name.name);
    }
    wordings.push_back(std::move(earlier));
    return wordings;
}

}  // namespace tolvar::ui
