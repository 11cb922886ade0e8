// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a pseudo-translation of a .ts file that lupdate made from the program's sources: every
// text 40 % longer, its letters accented, its ends marked with ⟦ and ⟧. A text that escapes
// translation then shows up as plain English; one that does not fit shows up too long.
//   pseudo_translate IN.ts OUT.ts
#include <QFile>
#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cmath>
#include <cstdio>

namespace {

const QString ACCENTED_LOWER = QStringLiteral("áƀçđéƒĝĥíĵķĺɱñóþʠŕšţúṽŵẋýž");
const QString ACCENTED_UPPER = QStringLiteral("ÁƁÇĐÉƑĜĤÍĴĶĹṀÑÓÞǪŔŠŢÚṼŴẊÝŽ");

// Letters become accented ones; placeholders (%1, %n, %L1) and access key marks stay as they are.
QString Accented(const QString& text) {
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'%' && i + 1 < text.size()) {
            qsizetype end = i + 1;
            if (text.at(end) == u'L') {
                ++end;
            }
            if (end < text.size() && (text.at(end).isDigit() || text.at(end) == u'n')) {
                result += text.mid(i, end + 1 - i);
                i = end;
                continue;
            }
        }
        if (c >= u'a' && c <= u'z') {
            result += ACCENTED_LOWER.at(c.unicode() - u'a');
        } else if (c >= u'A' && c <= u'Z') {
            result += ACCENTED_UPPER.at(c.unicode() - u'A');
        } else {
            result += c;
        }
    }
    return result;
}

// The text with its leading spaces kept, lengthened by 40 % in words of accented letters.
QString Pseudo(const QString& source) {
    qsizetype spaces = 0;
    while (spaces < source.size() && source.at(spaces) == u' ') {
        ++spaces;
    }
    const QString text = source.mid(spaces);
    auto extra = static_cast<qsizetype>(std::ceil(0.4 * double(text.size()))) - 2;
    QString padding;
    while (extra > 0) {
        const qsizetype word = std::min<qsizetype>(extra, 6);
        padding += u' ' + QString(word, QChar(0x1E8D));  // ẍ
        extra -= word + 1;
    }
    return source.left(spaces) + QChar(0x27E6) + Accented(text) + padding + QChar(0x27E7);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: pseudo_translate IN.ts OUT.ts\n", stderr);
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
        std::fputs("pseudo_translate: cannot open the files\n", stderr);
        return 1;
    }
    QXmlStreamReader reader(&in);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    writer.writeStartElement(QStringLiteral("TS"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    writer.writeAttribute(QStringLiteral("language"), QStringLiteral("en"));
    bool numerus = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement()) {
            if (reader.name() == u"context" || reader.name() == u"message") {
                writer.writeEndElement();
            }
        } else if (!reader.isStartElement() || reader.name() == u"TS") {
            continue;
        } else if (reader.name() == u"context") {
            writer.writeStartElement(QStringLiteral("context"));
        } else if (reader.name() == u"name") {
            writer.writeTextElement(QStringLiteral("name"), reader.readElementText());
        } else if (reader.name() == u"message") {
            numerus = reader.attributes().value(QStringLiteral("numerus")) == u"yes";
            writer.writeStartElement(QStringLiteral("message"));
            if (numerus) {
                writer.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
            }
        } else if (reader.name() == u"source") {
            const QString source = reader.readElementText();
            writer.writeTextElement(QStringLiteral("source"), source);
            writer.writeStartElement(QStringLiteral("translation"));
            if (numerus) {
                writer.writeTextElement(QStringLiteral("numerusform"), Pseudo(source));
                writer.writeTextElement(QStringLiteral("numerusform"), Pseudo(source));
            } else {
                writer.writeCharacters(Pseudo(source));
            }
            writer.writeEndElement();
        } else {
            reader.skipCurrentElement();
        }
    }
    writer.writeEndDocument();
    if (reader.hasError()) {
        std::fprintf(stderr, "pseudo_translate: %s\n", qPrintable(reader.errorString()));
        return 1;
    }
    return 0;
}
