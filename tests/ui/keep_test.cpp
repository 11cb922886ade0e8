// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include <rapidcheck.h>
#include <unistd.h>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStringEncoder>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "harness.h"
#include "kept_results.h"
#include "language.h"
#include "plain_text_field.h"
#include "result_file.h"
#include "result_series.h"
#include "result_text.h"

using tolvar::testing::Harness;

namespace {

QStringList Languages() {
    return QStringList{QStringLiteral("en")} +
           QString::fromLatin1(TOLVAR_LANGUAGES).split(u' ', Qt::SkipEmptyParts);
}

tolvar::Replies RepliesFrom(const std::vector<bool>& sideA) {
    tolvar::Replies replies;
    for (tolvar::Int16 question = 1; question <= 28; ++question) {
        const tolvar::Pair pair = *tolvar::PairOf(question);
        replies(question) =
            sideA.at(static_cast<std::size_t>(question - 1)) ? pair.sideA : pair.sideB;
    }
    return replies;
}

tolvar::Ratings RatingsOf(const tolvar::Replies& replies) {
    tolvar::Ratings ratings;
    for (tolvar::Int16 question = 1; question <= 28; ++question) {
        ++ratings(replies(question));
    }
    return ratings;
}

QString Report(const QString& copiedAt, tolvar::Int16 marked, const tolvar::Replies& replies) {
    return tolvar::ui::ResultReport(copiedAt, marked, RatingsOf(replies), replies);
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        return {};
    }
    return path;
}

// Everything in the window that keeping or comparing a result must leave as it was.
QStringList WindowState(const Harness& h) {
    QStringList state = h.Ratings();
    state << QString::number(h.RatingsShown()) << h.Button("cmdProceed")->text() << h.Question()
          << h.Selector()->currentText();
    const auto& exercise = h.window->ExerciseState();
    for (tolvar::Int16 question = 1; question <= 28; ++question) {
        state << QString::number(exercise.Reply(question));
    }
    return state;
}

QAction* Entry(const Harness& h, const char* name) {
    return h.window->findChild<QAction*>(QLatin1String(name));
}

}  // namespace

class KeepTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { tolvar::ui::UseLanguage({QStringLiteral("en")}); }
    void cleanup() { tolvar::ui::UseLanguage({QStringLiteral("en")}); }

    // Whatever the replies, the mark and the language, a saved result reads back from its file
    // as the result it was, alone in it.
    void saveThenOpenGivesTheSameResult() {
        const QStringList languages = Languages();
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const bool passed = rc::check([&] {
            const auto sideA =
                *rc::gen::container<std::vector<bool>>(28, rc::gen::arbitrary<bool>());
            const tolvar::Replies replies = RepliesFrom(sideA);
            const auto marked = *rc::gen::inRange<tolvar::Int16>(1, 9);
            const QString language =
                languages.at(*rc::gen::inRange<qsizetype>(0, languages.size()));
            tolvar::ui::UseLanguage({language});
            tolvar::testing::FakeRuntime runtime;
            runtime.saveTo = dir.filePath(QStringLiteral("saved"));
            const QDateTime now(QDate(2026, 12, 9), QTime(8, 47));
            const QString said = tolvar::ui::SaveResult(
                nullptr, runtime, Report(QStringLiteral("2026-12-09T08:47"), marked, replies), now);
            RC_ASSERT(runtime.shown.empty());
            RC_ASSERT(said.contains(runtime.saveTo + QStringLiteral(".txt")));
            const tolvar::ui::FileText file = tolvar::ui::ReadTextFile(runtime.saveTo + ".txt");
            RC_ASSERT(file.text.has_value());
            tolvar::ui::UseLanguage({QStringLiteral("en")});
            const auto read =
                tolvar::ReadCopiedResults(file.text->toStdString(), tolvar::ui::ResultWordings());
            RC_ASSERT(std::holds_alternative<std::vector<tolvar::CopiedResult>>(read));
            const auto& results = std::get<std::vector<tolvar::CopiedResult>>(read);
            RC_ASSERT(results.size() == 1U);
            RC_ASSERT(results.front().marked == marked);
            RC_ASSERT(results.front().copiedAt == std::string("2026-12-09T08:47"));
            for (tolvar::Int16 question = 1; question <= 28; ++question) {
                RC_ASSERT(results.front().replies(question) == replies(question));
            }
        });
        QVERIFY(passed);
    }

    // Save suggests a dated name in the documents folder, and the file it writes is compared
    // with today's result from the menu: every reply the same.
    void savedResultComparesFromTheMenu() {
        Harness h;
        QTemporaryDir dir;
        h.AnswerAll(0);
        h.Click("cmdEvaluate");
        h.fake->saveTo = dir.filePath(QStringLiteral("today.txt"));
        Entry(h, "saveResult")->trigger();
        QCOMPARE(h.fake->suggestedPaths.size(), 1);
        QVERIFY2(h.fake->suggestedPaths.front().endsWith(
                     QStringLiteral("/Tolvar result 2026-12-08.txt")),
                 qPrintable(h.fake->suggestedPaths.front()));
        QFile saved(h.fake->saveTo);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        h.Copy();
        QCOMPARE(QString::fromUtf8(saved.readAll()), h.Clipboard());

        h.fake->openFiles = {h.fake->saveTo};
        QString summary;
        const QString pdf = dir.filePath(QStringLiteral("comparison.pdf"));
        h.fake->onDialog = [&](QDialog& dialog) {
            summary = dialog.findChild<QLabel*>(QStringLiteral("comparisonSummary"))->text();
            // The comparison exports itself as a PDF, and says where it went.
            h.fake->saveTo = pdf;
            dialog.findChild<QPushButton*>(QStringLiteral("exportComparison"))->click();
            return int(QDialog::Rejected);
        };
        h.fake->shown.clear();
        QTest::keyClick(h.window.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(h.fake->dialogs, QStringList{QStringLiteral("comparison")});
        QVERIFY2(summary.contains(QStringLiteral("28 of your 28 replies are the same")),
                 qPrintable(summary));
        QFile exported(pdf);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QVERIFY(exported.read(5) == "%PDF-");
        QCOMPARE(h.fake->shown.size(), 1U);
        QCOMPARE(h.fake->shown.front().text,
                 QStringLiteral("Saved as %1.").arg(QDir::toNativeSeparators(pdf)));
    }

    // A file that is not a result is refused in a box that names it and says why; nothing is
    // compared and the window stays as it was.
    void refusedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray result =
            Report(QStringLiteral("2026-03-01T10:00"), 2, RepliesFrom(std::vector<bool>(28, true)))
                .toUtf8();
        QTest::newRow("larger than 1 MiB")
            << (result + QByteArray(tolvar::ui::MAX_RESULT_FILE, ' ')) << "larger than";
        QTest::newRow("binary bytes") << QByteArray(
                                             "\x7f"
                                             "ELF\x02\x01\x01\0\0\0",
                                             10)
                                      << "not a text file";
        QByteArray latin1 = QByteArray("Notes, f") + char(0xE9) + "vrier\n" + result;
        QTest::newRow("Latin-1 text") << latin1 << "not written in UTF-8";
        QByteArray missing = result;
        missing.replace(" 0  Security\n", "");
        QTest::newRow("a motivator missing") << missing << "has no rating for";
        QTest::newRow("no result") << QByteArray("shopping list\n") << "No Tolvar result";
    }
    void refusedFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        Harness h;
        QTemporaryDir dir;
        h.AnswerAll(1);
        h.Click("cmdEvaluate");
        const QString path = WriteFile(dir, QStringLiteral("kept.txt"), bytes);
        QVERIFY(!path.isEmpty());
        const QStringList before = WindowState(h);
        h.fake->shown.clear();
        h.fake->openFiles = {path};
        Entry(h, "compareSavedResults")->trigger();
        QVERIFY(h.fake->dialogs.isEmpty());
        QCOMPARE(h.fake->shown.size(), 1U);
        const QString message = h.fake->shown.front().text;
        QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
        QVERIFY2(message.contains(reason), qPrintable(message));
        QCOMPARE(WindowState(h), before);
    }

    // UTF-16 with a byte order mark, and UTF-8 with one, read as the same result.
    void readsEveryEncodingItShould() {
        const QString text = Report(QStringLiteral("2026-03-01T10:00"), 4,
                                    RepliesFrom(std::vector<bool>(28, false)));
        for (const auto encoding :
             {QStringConverter::Utf16LE, QStringConverter::Utf16BE, QStringConverter::Utf8}) {
            QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
            const QByteArray bytes = encoder.encode(text);
            const tolvar::ui::FileText decoded = tolvar::ui::DecodeText(bytes);
            QVERIFY2(decoded.text.has_value(), qPrintable(decoded.problem));
            QCOMPARE(*decoded.text, text);
        }
    }

    // Save where it cannot write: a message with the system's reason, and a file already there
    // stays as it was.
    void saveFailureLeavesEverythingAsItWas_data() {
        QTest::addColumn<QString>("place");
        QTest::newRow("a name that is a folder") << "folder";
        QTest::newRow("a read-only folder") << "read-only";
    }
    void saveFailureLeavesEverythingAsItWas() {
        QFETCH(QString, place);
        QTemporaryDir dir;
        QString target;
        QByteArray kept;
        if (place == QLatin1String("folder")) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("a folder.txt")));
            target = dir.filePath(QStringLiteral("a folder.txt"));
        } else {
            if (geteuid() == 0) {
                QSKIP("a read-only folder is writable for root, as the tests may run");
            }
            target = WriteFile(dir, QStringLiteral("earlier.txt"), "kept as it was");
            kept = "kept as it was";
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        }
        Harness h;
        h.AnswerAll(0);
        h.Click("cmdEvaluate");
        const QStringList before = WindowState(h);
        h.fake->shown.clear();
        h.fake->saveTo = target;
        Entry(h, "saveResult")->trigger();
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(h.fake->shown.size(), 1U);
        QCOMPARE(h.fake->shown.front().style, tolvar::forms::MB_OK_EXCLAMATION);
        QVERIFY2(h.fake->shown.front().text.contains(QDir::toNativeSeparators(target)),
                 qPrintable(h.fake->shown.front().text));
        if (!kept.isEmpty()) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), kept);
        }
        QCOMPARE(WindowState(h), before);
    }

    // Several results, given in any order and with a copy twice, are shown oldest first, each
    // once, today's last.
    void severalResultsOldestFirst() {
        Harness h;
        QTemporaryDir dir;
        h.AnswerAll(0);
        h.Click("cmdEvaluate");
        const QStringList dates = {QStringLiteral("2026-01-05T09:00"),
                                   QStringLiteral("2026-02-10T18:30"),
                                   QStringLiteral("2026-03-01T07:15")};
        QStringList files;
        for (int at : {2, 0, 1, 0}) {
            std::vector<bool> sideA(28, true);
            sideA.at(static_cast<std::size_t>(at)) = false;
            files << WriteFile(dir, QStringLiteral("r%1.txt").arg(files.size()),
                               Report(dates.at(at), 1, RepliesFrom(sideA)).toUtf8());
        }
        h.fake->openFiles = files;
        QStringList headings;
        h.fake->onDialog = [&headings](QDialog& dialog) {
            const auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("overTimeTable"));
            for (int column = 0; table != nullptr && column < table->columnCount(); ++column) {
                if (const QTableWidgetItem* item = table->horizontalHeaderItem(column)) {
                    headings << item->text();
                }
            }
            return int(QDialog::Rejected);
        };
        Entry(h, "compareSavedResults")->trigger();
        QCOMPARE(h.fake->dialogs, QStringList{QStringLiteral("overTime")});
        const QString joined = headings.join(u'|');
        qsizetype from = 0;
        for (const QString& date : dates) {
            const qsizetype at = joined.indexOf(date.left(10), from);
            QVERIFY2(at >= from, qPrintable(joined));
            QVERIFY2(joined.indexOf(date.left(10), at + 1) < 0, qPrintable(joined));
            from = at + 1;
        }
    }

    // The Result menu holds every command with the desktop's keys; before an evaluation the
    // entries are disabled and each key says what it needs; the context menu has them too.
    void menuOffersTheCommandsOnAResult() {
        Harness h;
        const auto* bar = h.window->findChild<QMenuBar*>(QStringLiteral("menuBar"));
        QVERIFY(bar != nullptr);
        const auto* menu = h.window->findChild<QMenu*>(QStringLiteral("resultMenu"));
        QCOMPARE(bar->actions().size(), 1);
        QCOMPARE(bar->actions().front()->text(), QStringLiteral("&Result"));
        QStringList entries;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                entries << action->text() + QLatin1Char('=') +
                               action->shortcut().toString(QKeySequence::PortableText);
                QVERIFY(!action->isEnabled());
            }
        }
        QCOMPARE(
            entries,
            (QStringList{"&Copy Result=Ctrl+C", "&Save Result As...=Ctrl+S", "&Print...=Ctrl+P",
                         "Export as P&DF...=", "Co&mpare with Earlier Result...=Ctrl+V",
                         "Compare with Sa&ved Results...=Ctrl+O"}));
        QCOMPARE(h.window->actions(), menu->actions());
        // The defined form stands below the menu bar, the window as much taller.
        const auto* content = h.Find<QWidget>(QStringLiteral("content"));
        QCOMPARE(content->mapTo(h.window.get(), QPoint(0, 0)).y(), bar->height());
        QCOMPARE(h.window->height(), content->height() + bar->height());

        for (const auto key : {Qt::Key_C, Qt::Key_S, Qt::Key_P, Qt::Key_V, Qt::Key_O}) {
            h.fake->shown.clear();
            QTest::keyClick(h.window.get(), key, Qt::ControlModifier);
            QCOMPARE(h.fake->shown.size(), 1U);
            QVERIFY(h.fake->shown.front().text.contains(QStringLiteral("Evaluate")));
        }
        QVERIFY(h.fake->dialogs.isEmpty());
        h.AnswerAll(0);
        h.Click("cmdEvaluate");
        for (const QAction* action : menu->actions()) {
            QVERIFY(action->isSeparator() || action->isEnabled());
        }
    }

    // A file dropped on the window is compared as though opened; before an evaluation a drop is
    // not taken.
    void droppedFileIsCompared() {
        Harness h;
        QTemporaryDir dir;
        const QString path = WriteFile(
            dir, QStringLiteral("kept.txt"),
            Report(QStringLiteral("2026-03-01T10:00"), 3, RepliesFrom(std::vector<bool>(28, true)))
                .toUtf8());
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        const QPoint at(20, 20);
        QDragEnterEvent early(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(h.window.get(), &early);
        QVERIFY(!early.isAccepted());
        h.AnswerAll(0);
        h.Click("cmdEvaluate");
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(h.window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(h.window.get(), &drop);
        QTRY_COMPARE(h.fake->dialogs, QStringList{QStringLiteral("comparison")});
    }

    // The field pastes the clipboard's text with undo, and nothing where the clipboard holds no
    // text or more than a result could be.
    void fieldPastesOnlyText() {
        tolvar::ui::PlainTextField field;
        field.show();
        QVERIFY(QTest::qWaitForWindowExposed(&field));
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(field.toPlainText(), QStringLiteral("pasted"));
        QTest::keyClick(&field, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(field.toPlainText(), QString());

        auto* image = new QMimeData;
        image->setImageData(QImage(4, 4, QImage::Format_RGB32));
        QGuiApplication::clipboard()->setMimeData(image);
        QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(field.toPlainText(), QString());

        QGuiApplication::clipboard()->setText(
            QString(tolvar::ui::PlainTextField::MAX_PASTE + 1, u'x'));
        QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(field.toPlainText(), QString());
    }
};

QTEST_MAIN(KeepTest)
#include "keep_test.moc"
