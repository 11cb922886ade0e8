// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include <rapidcheck.h>
#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPalette>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <csignal>

#include "harness.h"
#include "language.h"
#include "printing.h"
#include "rating_bars.h"
#include "result_page.h"
#include "result_text.h"

using tolvar::Int16;

namespace {

QStringList Languages() {
    return QStringList{QStringLiteral("en")} +
           QString::fromLatin1(TOLVAR_LANGUAGES).split(u' ', Qt::SkipEmptyParts);
}

struct Result {
    tolvar::Replies replies;
    tolvar::Ratings ratings;
};

// Replies that follow one order of the motivators throughout: ratings 7 down to 0, each once.
Result InOrder(const std::array<Int16, 8>& order) {
    Result result;
    const auto place = [&order](Int16 motivator) {
        return std::find(order.begin(), order.end(), motivator) - order.begin();
    };
    for (Int16 question = 1; question <= 28; ++question) {
        const tolvar::Pair pair = *tolvar::PairOf(question);
        result.replies(question) = place(pair.sideA) < place(pair.sideB) ? pair.sideA : pair.sideB;
        ++result.ratings(result.replies(question));
    }
    return result;
}

const Result SAMPLE = InOrder({3, 7, 1, 5, 8, 2, 6, 4});

// What pdftotext gives back, comparable with what was drawn: its words. Arabic presentation
// forms and Latin ligatures (fi) become their letters, direction marks and isolates go, and so do
// punctuation and vowel marks, which pdftotext places by where they stand on the page (an Arabic
// comma after the space, a shadda before its letter).
QString Comparable(QString text) {
    text = text.normalized(QString::NormalizationForm_KC);
    text.remove(
        QRegularExpression(QStringLiteral("[\\x{200E}\\x{200F}\\x{202A}-\\x{202E}"
                                          "\\x{2066}-\\x{2069}\\p{Mn}]")));
    text.replace(QRegularExpression(QStringLiteral("[^\\p{L}\\p{N}]")), QStringLiteral(" "));
    return text.simplified();
}

bool HasTool(const char* tool) {
    return !QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty();
}

QString Run(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// pdffonts' rows as name and "emb" column; the dashes under the heading give the columns.
QList<QPair<QString, QString>> EmbeddedColumn(const QString& listing) {
    const QStringList lines = listing.split(u'\n', Qt::SkipEmptyParts);
    QList<QPair<QString, QString>> fonts;
    if (lines.size() < 2) {
        return fonts;
    }
    const qsizetype column = lines.at(0).indexOf(QLatin1String("emb"));
    for (const QString& line : lines.mid(2)) {
        fonts.append({line.section(u' ', 0, 0), line.mid(column, 3)});
    }
    return fonts;
}

// Where a page shows ink, in cells of 6 by 6 dots (about 3 mm at 50 dots per inch).
struct InkCells {
    explicit InkCells(const QImage& page) {
        const QImage grey = page.convertToFormat(QImage::Format_Grayscale8);
        columns = grey.width() / CELL;
        rows = grey.height() / CELL;
        inked.fill(false, columns * rows);
        for (int y = 0; y < rows * CELL; ++y) {
            const uchar* line = grey.constScanLine(y);
            for (int x = 0; x < columns * CELL; ++x) {
                if (line[x] < 160) {
                    inked[(y / CELL) * columns + x / CELL] = true;
                }
            }
        }
    }
    bool At(int column, int row) const {
        return column >= 0 && row >= 0 && column < columns && row < rows &&
               inked.at(row * columns + column);
    }
    // Ink here or in a cell beside it: two renderers shade the edge of a letter differently.
    bool Near(int column, int row) const {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (At(column + dx, row + dy)) {
                    return true;
                }
            }
        }
        return false;
    }
    static constexpr int CELL = 6;
    int columns = 0;
    int rows = 0;
    QVector<bool> inked;
};

// The page drawn by Qt into an image the size of the rendered PDF, as WritePdf lays it out (A4,
// 20 mm margins), at the PDF's 300 dots per inch and then reduced.
QImage DrawnPage(const tolvar::ui::PagePainter& page, QSize size) {
    constexpr int dpi = 300;
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                             QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    const QRect full = layout.fullRectPixels(dpi);
    const QRect printable = layout.paintRectPixels(dpi);
    QImage image(full.size(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.translate(printable.topLeft());
        page(painter, QRectF(QPointF(0, 0), QSizeF(printable.size())));
    }
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The horizontal extent of ink of each line on the page, from the top down: a line is a band of
// rows with ink between rows without. Pale ink counts: at 50 dots per inch a thin stroke (the
// Chinese 一) is light grey.
QList<QPair<int, int>> InkedLines(const QImage& page) {
    const QImage grey = page.convertToFormat(QImage::Format_Grayscale8);
    QList<QPair<int, int>> lines;
    bool inLine = false;
    int blankRows = 0;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        int left = grey.width();
        int right = -1;
        for (int x = 0; x < grey.width(); ++x) {
            if (row[x] < 224) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        if (right < 0) {
            blankRows = inLine ? blankRows + 1 : blankRows;
            continue;
        }
        // An accent or a vowel sign a blank row above its letters belongs to their line.
        if (!inLine || blankRows > 1) {
            lines.append({left, right});
        }
        lines.last() = {std::min(lines.last().first, left), std::max(lines.last().second, right)};
        inLine = true;
        blankRows = 0;
    }
    return lines;
}

// A bar's pixels are the palette's pure blue; the track, the names and the numbers are not.
bool IsBar(QRgb pixel) {
    return qBlue(pixel) > 200 && qRed(pixel) < 70 && qGreen(pixel) < 70;
}

// Each bar's extent from left to right, from the top down.
QList<QPair<int, int>> Bars(const QImage& image) {
    QList<QPair<int, int>> bars;
    bool inBar = false;
    for (int y = 0; y < image.height(); ++y) {
        int left = image.width();
        int right = -1;
        for (int x = 0; x < image.width(); ++x) {
            if (IsBar(image.pixel(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        if (right < 0) {
            inBar = false;
            continue;
        }
        if (!inBar) {
            bars.append({left, right});
        }
        bars.last() = {std::min(bars.last().first, left), std::max(bars.last().second, right)};
        inBar = true;
    }
    return bars;
}

QImage PaintedBars(const tolvar::Ratings& ratings, Qt::LayoutDirection direction,
                   qreal* height = nullptr) {
    QImage image(720, 420, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPalette palette;
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(0, 0, 255));
    QPainter painter(&image);
    painter.setLayoutDirection(direction);
    const qreal drawn = tolvar::ui::PaintRatingBars(
        painter, QRectF(0, 0, image.width(), image.height()), ratings, palette);
    if (height != nullptr) {
        *height = drawn;
    }
    return image;
}

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { tolvar::ui::UseLanguage({QStringLiteral("en")}); }
    void cleanup() { tolvar::ui::UseLanguage({QStringLiteral("en")}); }

    void pdfInEveryLanguage_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : Languages()) {
            QTest::newRow(qPrintable(language)) << language;
        }
    }

    // The result's PDF is one A4 page with every font in it, every motivator's name as the
    // language words it and every rating in order, drawn as Qt draws it, in the language's
    // direction.
    void pdfInEveryLanguage() {
        for (const char* tool : {"pdfinfo", "pdftotext", "pdffonts", "pdftoppm"}) {
            if (!HasTool(tool)) {
                QSKIP(qPrintable(QStringLiteral("%1 is missing: install poppler-utils to read "
                                                "back the PDF")
                                     .arg(QLatin1String(tool))));
            }
        }
        QFETCH(QString, language);
        tolvar::ui::UseLanguage({language});
        const bool rightToLeft = language == QLatin1String("ar");
        QCOMPARE(QGuiApplication::layoutDirection(),
                 rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("result.pdf"));
        const auto page = tolvar::ui::ResultPage(QStringLiteral("2026-12-08 14:05"), 5,
                                                 SAMPLE.ratings, SAMPLE.replies);
        QString reason;
        QVERIFY2(tolvar::ui::WritePdf(path, QStringLiteral("Tolvar result"), page, &reason),
                 qPrintable(reason));

        const QString info = Run(QStringLiteral("pdfinfo"), {path});
        QVERIFY(info.contains(QRegularExpression(QStringLiteral("^Pages: +1$"),
                                                 QRegularExpression::MultilineOption)));
        QVERIFY(info.contains(QRegularExpression(QStringLiteral("^Page size: .*\\(A4\\)$"),
                                                 QRegularExpression::MultilineOption)));
        QVERIFY(info.contains(QRegularExpression(QStringLiteral("^Title: +Tolvar result$"),
                                                 QRegularExpression::MultilineOption)));
        QVERIFY(info.contains(QRegularExpression(QStringLiteral("^Creator: +Tolvar$"),
                                                 QRegularExpression::MultilineOption)));

        const auto fonts = EmbeddedColumn(Run(QStringLiteral("pdffonts"), {path}));
        QVERIFY(!fonts.isEmpty());
        for (const auto& [font, embedded] : fonts) {
            QVERIFY2(embedded == QLatin1String("yes"), qPrintable(font + " is not embedded"));
        }

        const QString text = Comparable(Run(QStringLiteral("pdftotext"), {path, "-"}));
        // Qt 6.4's PDF gives Devanagari conjuncts no text, so Hindi names are checked by what
        // the page shows, below, and not by the text they give back.
        if (language != QLatin1String("hi")) {
            for (Int16 motivator = 1; motivator <= 8; ++motivator) {
                const QString name = Comparable(tolvar::ui::MotivatorName(motivator));
                QVERIFY2(text.contains(name), qPrintable(name + " is missing from: " + text));
            }
        }
        QStringList numbers;
        for (const QString& word : text.split(u' ')) {
            if (QRegularExpression(QStringLiteral("^\\d+$")).match(word).hasMatch()) {
                numbers << word;
            }
        }
        QStringList ranked;
        for (const Int16 motivator : tolvar::RankedMotivators(SAMPLE.ratings)) {
            ranked << QString::number(SAMPLE.ratings(motivator));
        }
        QVERIFY2(numbers.join(u' ').contains(ranked.join(u' ')), qPrintable(numbers.join(u' ')));
        QVERIFY(
            text.contains(Comparable(tolvar::ui::FromUtf8(tolvar::ReplyLetters(SAMPLE.replies)))));

        const QString prefix = folder.filePath(QStringLiteral("page"));
        Run(QStringLiteral("pdftoppm"), {"-r", "50", "-png", "-singlefile", path, prefix});
        const QImage rendered(prefix + QStringLiteral(".png"));
        QVERIFY(!rendered.isNull());
        const InkCells shown(rendered);
        const InkCells drawn(DrawnPage(page, rendered.size()));
        int inked = 0;
        int differing = 0;
        for (int row = 0; row < shown.rows; ++row) {
            for (int column = 0; column < shown.columns; ++column) {
                const bool pdf = shown.At(column, row);
                const bool qt = drawn.At(column, row);
                inked += pdf || qt ? 1 : 0;
                differing +=
                    (pdf && !drawn.Near(column, row)) || (qt && !shown.Near(column, row)) ? 1 : 0;
            }
        }
        QVERIFY(inked > 100);
        QVERIFY2(differing * 20 <= inked,
                 qPrintable(QStringLiteral("%1 of %2 inked cells differ from Qt's drawing")
                                .arg(differing)
                                .arg(inked)));

        // Every line, the last of a wrapped paragraph too, starts at the same edge: the right
        // from right to left.
        const auto lines = InkedLines(rendered);
        QVERIFY(lines.size() > 10);
        int edge = rightToLeft ? 0 : rendered.width();
        for (const auto& [left, right] : lines) {
            edge = rightToLeft ? std::max(edge, right) : std::min(edge, left);
        }
        QVERIFY(rightToLeft ? edge > rendered.width() * 3 / 4 : edge < rendered.width() / 4);
        for (const auto& [left, right] : lines) {
            QVERIFY2(std::abs((rightToLeft ? right : left) - edge) <= 4,
                     qPrintable(QStringLiteral("a line from %1 to %2 leaves the edge at %3")
                                    .arg(left)
                                    .arg(right)
                                    .arg(edge)));
        }
    }

    void writeFailureKeepsWhatWasThere_data() {
        QTest::addColumn<QString>("failure");
        QTest::newRow("a folder of that name") << QStringLiteral("folder");
        QTest::newRow("a read-only folder") << QStringLiteral("read-only");
        QTest::newRow("an existing file, the disk refusing") << QStringLiteral("refused");
    }

    // A PDF that cannot be written says why and leaves the folder as it was: no part-written
    // file, no file left beside it, an existing file byte for byte as before.
    void writeFailureKeepsWhatWasThere() {
        QFETCH(QString, failure);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QDir into(folder.path());
        QString path = into.filePath(QStringLiteral("result.pdf"));
        const QByteArray earlier = QByteArrayLiteral("%PDF-1.4 an earlier result\n");
        if (failure == QLatin1String("folder")) {
            QVERIFY(into.mkdir(QStringLiteral("result.pdf")));
        } else {
            QFile existing(path);
            QVERIFY(existing.open(QIODevice::WriteOnly));
            existing.write(earlier);
        }
        if (failure == QLatin1String("read-only")) {
            QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner |
                                                             QFile::ReadUser | QFile::ExeUser));
            QFile probe(into.filePath(QStringLiteral("probe")));
            if (probe.open(QIODevice::WriteOnly)) {
                probe.remove();
                QFile::setPermissions(folder.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP("The test runs with rights that write into a read-only folder (root)");
            }
        }
        const QStringList before = into.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        // The disk refuses a file larger than the limit, as a full disk would; the signal that
        // would end the program is ignored, as the program's own is not raised there.
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit kept = limit;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        if (failure == QLatin1String("refused")) {
            limit.rlim_cur = 4096;
            QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
        }

        QString reason;
        const bool written =
            tolvar::ui::WritePdf(path, QStringLiteral("Tolvar result"),
                                 tolvar::ui::ResultPage(QStringLiteral("2026-12-08 14:05"), 5,
                                                        SAMPLE.ratings, SAMPLE.replies),
                                 &reason);
        setrlimit(RLIMIT_FSIZE, &kept);
        std::signal(SIGXFSZ, oldHandler);
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QVERIFY(!written);
        QVERIFY(!reason.isEmpty());
        QCOMPARE(into.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        if (failure != QLatin1String("folder")) {
            QFile existing(path);
            QVERIFY(existing.open(QIODevice::ReadOnly));
            QCOMPARE(existing.readAll(), earlier);
        }
    }

    // Saving as PDF suggests the name in the documents folder, adds ".pdf" where the user typed
    // no suffix, and says where the file went or why it did not; a cancelled dialog says nothing.
    void exportAsksWhereAndSays() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        tolvar::testing::FakeRuntime runtime;
        const auto page = tolvar::ui::ResultPage(QStringLiteral("2026-12-08 14:05"), 5,
                                                 SAMPLE.ratings, SAMPLE.replies);
        const auto save = [&](const QString& answer) {
            runtime.saveTo = answer;
            return tolvar::ui::ExportPagePdf(nullptr, runtime, QStringLiteral("Tolvar result"),
                                             QStringLiteral("tolvar-2026-12-08.pdf"), page);
        };
        QCOMPARE(save(QString()), QString());
        QCOMPARE(runtime.suggestedPaths.size(), 1);
        QCOMPARE(runtime.suggestedPaths.constLast(),
                 QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                     .filePath(QStringLiteral("tolvar-2026-12-08.pdf")));
        QVERIFY(QDir(folder.path()).isEmpty());

        const QString typed = folder.filePath(QStringLiteral("my result"));
        QCOMPARE(save(typed), QStringLiteral("Saved as %1.")
                                  .arg(QDir::toNativeSeparators(typed + QStringLiteral(".pdf"))));
        QVERIFY(QFile::exists(typed + QStringLiteral(".pdf")));

        const QString withSuffix = folder.filePath(QStringLiteral("result.v2"));
        QCOMPARE(save(withSuffix),
                 QStringLiteral("Saved as %1.").arg(QDir::toNativeSeparators(withSuffix)));

        const QString blocked = folder.filePath(QStringLiteral("taken.pdf"));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("taken.pdf")));
        const QString told = save(blocked);
        QVERIFY2(
            told.startsWith(
                QStringLiteral("Could not save %1: ").arg(QDir::toNativeSeparators(blocked))) &&
                told.size() > QStringLiteral("Could not save %1: .").arg(blocked).size(),
            qPrintable(told));
    }

    // Printing asks for a printer and draws the one page there; cancelled, nothing is printed.
    void printGoesWhereChosen() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        tolvar::testing::FakeRuntime runtime;
        int drawn = 0;
        QRectF area;
        const auto page = [&](QPainter& painter, const QRectF& printable) {
            ++drawn;
            area = printable;
            painter.drawText(printable, QStringLiteral("Tolvar"));
        };
        QCOMPARE(tolvar::ui::PrintPage(nullptr, runtime, QStringLiteral("Tolvar result"), page),
                 QString());
        QCOMPARE(drawn, 0);

        const QString path = folder.filePath(QStringLiteral("printed.pdf"));
        QString documentName;
        runtime.choosePrinter = [&](QPrinter& printer) {
            documentName = printer.docName();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return true;
        };
        QCOMPARE(tolvar::ui::PrintPage(nullptr, runtime, QStringLiteral("Tolvar result"), page),
                 QStringLiteral("Printed to the file %1.").arg(QDir::toNativeSeparators(path)));
        QCOMPARE(documentName, QStringLiteral("Tolvar result"));
        QCOMPARE(drawn, 1);
        QCOMPARE(area.topLeft(), QPointF(0, 0));
        QVERIFY(area.width() > 1000 && area.height() > area.width());
        QVERIFY(QFileInfo(path).size() > 0);
    }

    // Whatever the ratings, the bars stand from the highest down, each as long as its rating on
    // the scale 0 to 7, and from right to left they are the same bars mirrored: growing from the
    // right.
    void barsShowRatingsInEitherDirection() {
        const bool passed = rc::check([] {
            tolvar::Ratings ratings;
            for (Int16 question = 1; question <= 28; ++question) {
                const tolvar::Pair pair = *tolvar::PairOf(question);
                ++ratings(*rc::gen::arbitrary<bool>() ? pair.sideA : pair.sideB);
            }
            const QImage leftToRight = PaintedBars(ratings, Qt::LeftToRight);
            const QImage rightToLeft = PaintedBars(ratings, Qt::RightToLeft);
            QList<int> shown;
            for (const Int16 motivator : tolvar::RankedMotivators(ratings)) {
                if (ratings(motivator) > 0) {
                    shown << ratings(motivator);
                }
            }
            const auto bars = Bars(leftToRight);
            const auto mirrored = Bars(rightToLeft);
            RC_ASSERT(bars.size() == shown.size());
            RC_ASSERT(mirrored.size() == shown.size());
            const int width = leftToRight.width();
            const int start = bars.first().first;
            const qreal seventh = (bars.first().second - start + 1) / qreal(shown.first());
            for (qsizetype bar = 0; bar < bars.size(); ++bar) {
                RC_ASSERT(std::abs(bars.at(bar).first - start) <= 1);
                RC_ASSERT(std::abs(bars.at(bar).second - start + 1 - seventh * shown.at(bar)) <= 2);
                RC_ASSERT(std::abs(width - 1 - mirrored.at(bar).second - bars.at(bar).first) <= 1);
                RC_ASSERT(std::abs(width - 1 - mirrored.at(bar).first - bars.at(bar).second) <= 1);
            }
            RC_ASSERT(mirrored.first().second > width / 2);
            RC_ASSERT(bars.first().first > width / 3);
        });
        QVERIFY(passed);
    }

    // On paper too short for it (a small page, wide margins) the whole result is drawn, smaller,
    // and nothing falls outside the printable area.
    void shortPaperGetsAllOfIt() {
        QImage image(800, 1000, QImage::Format_RGB32);
        image.fill(Qt::white);
        const QRect printable(40, 30, 700, 260);
        {
            QPainter painter(&image);
            tolvar::ui::ResultPage(QStringLiteral("2026-12-08 14:05"), 5, SAMPLE.ratings,
                                   SAMPLE.replies)(painter, printable);
        }
        const auto lines = InkedLines(image);
        QVERIFY(lines.size() > 10);
        QRect inked;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 224) {
                    inked |= QRect(x, y, 1, 1);
                }
            }
        }
        QVERIFY2(printable.contains(inked), qPrintable(QStringLiteral("ink from %1,%2 to %3,%4")
                                                           .arg(inked.left())
                                                           .arg(inked.top())
                                                           .arg(inked.right())
                                                           .arg(inked.bottom())));
        QVERIFY(inked.bottom() > printable.top() + printable.height() / 2);
    }

    // A name too long for its column wraps: its row grows and what is drawn is the height given.
    void namesWrapInNarrowColumns() {
        QImage image(200, 200, QImage::Format_RGB32);
        QPainter painter(&image);
        const qreal wide = tolvar::ui::RatingBarsHeight(painter, 2000, SAMPLE.ratings);
        const qreal narrow = tolvar::ui::RatingBarsHeight(painter, 200, SAMPLE.ratings);
        QVERIFY(narrow > wide * 1.5);
        qreal drawn = 0;
        PaintedBars(SAMPLE.ratings, Qt::LeftToRight, &drawn);
        QCOMPARE(drawn, tolvar::ui::RatingBarsHeight(painter, 720, SAMPLE.ratings));
    }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
