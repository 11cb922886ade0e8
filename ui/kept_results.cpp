// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kept_results.h"

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <variant>

#include "forms.h"
#include "over_time_dialog.h"
#include "result_file.h"
#include "result_menu.h"
#include "result_page.h"
#include "result_series.h"
#include "result_text.h"
#include "screen_reader.h"

namespace tolvar::ui {
namespace {

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

CopiedResult AsCopied(const TodaysResult& today, const QDateTime& now) {
    CopiedResult result;
    result.copiedAt = now.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm")).toStdString();
    result.marked = today.marked;
    result.ratings = today.ratings;
    result.hasReplies = true;
    result.replies = today.replies;
    return result;
}

void Compare(QWidget* window, forms::Runtime& runtime, const TodaysResult& today,
             const QDateTime& now, std::vector<CopiedResult> earlier) {
    if (earlier.size() == 1) {
        ShowComparison(window, runtime, earlier.front(), today);
        return;
    }
    const ResultSeries series = MakeResultSeries(std::move(earlier), AsCopied(today, now));
    if (series.results.size() == 2) {
        ShowComparison(window, runtime, series.results.front(), today);
    } else if (series.results.size() > 2) {
        ShowResultsOverTime(window, runtime, series);
    } else {
        //: When every result given is a copy of today's own.
        runtime.MsgBox(window, {QCoreApplication::translate(
                                    "KeptResults",
                                    "Every result given is today's own: there is nothing earlier "
                                    "to compare with."),
                                forms::MB_OK_INFORMATION,
                                {}});
    }
}

}  // namespace

KeptResults::KeptResults(QWidget* window, forms::Runtime& runtime, Announcer& announcer,
                         std::function<std::optional<TodaysResult>()> today)
    : QObject(window),
      window_(window),
      runtime_(runtime),
      announcer_(announcer),
      today_(std::move(today)) {
    new ResultDrops(
        window, [this] { return today_().has_value(); },
        [this](const QStringList& paths, const QString& text) {
            const auto shown = today_();
            if (!shown) {
                return;
            }
            if (paths.isEmpty()) {
                CompareWithResultsIn(window_, runtime_, *shown, runtime_.Now(), text, nullptr);
            } else {
                CompareWithSavedResults(window_, runtime_, *shown, runtime_.Now(), paths);
            }
        });
}

QString KeptResults::Report(const TodaysResult& today) const {
    const QString copiedAt = runtime_.Now().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm"));
    return ResultReport(copiedAt, today.marked, today.ratings, today.replies);
}

QString KeptResults::Dated(const char* text) const {
    return QCoreApplication::translate("KeptResults", text)
        .arg(runtime_.Now().toString(QStringLiteral("yyyy-MM-dd")));
}

// What was done is said to a screen reader; what could not be done is shown in a box.
void KeptResults::Tell(const QString& outcome, bool failed) {
    if (failed) {
        runtime_.MsgBox(window_, {outcome, forms::MB_OK_EXCLAMATION, {}});
    } else {
        announcer_.Announce(outcome);
    }
}

// The commands are offered only while the ratings are shown; their keys before then say what
// they need, so that a key never does nothing without a word.
void KeptResults::TellResultNeeded(bool comparison) {
    const QString text =
        comparison
            //: The message when the user asks to compare before the ratings are shown.
            ? QCoreApplication::translate(
                  "tolvar::ui::frmForm001",
                  "A comparison follows an evaluation: reply to all 28 questions and "
                  "click Evaluate, then compare the ratings with an earlier result.")
            //: The message when the user asks to copy, save or print before the ratings are
            //: shown.
            : QCoreApplication::translate(
                  "tolvar::ui::frmForm001",
                  "There is no result yet: reply to all 28 questions and click "
                  "Evaluate, then copy, save or print it.");
    runtime_.MsgBox(window_, {text, forms::MB_OK_INFORMATION, {}});
}

ResultCommands KeptResults::Commands() {
    // Each command runs on the result the window shows; the menu offers none before there is one.
    const auto onToday = [this](std::function<void(const TodaysResult&)> run) {
        return [this, run = std::move(run)] {
            if (const auto today = today_()) {
                run(*today);
            }
        };
    };
    ResultCommands commands;
    commands.copy = onToday([this](const TodaysResult& today) {
        runtime_.SetClipboardText(Report(today));
        //: Said by a screen reader after the result was copied.
        Tell(QCoreApplication::translate("tolvar::ui::frmForm001", "Result copied."));
    });
    commands.save = onToday([this](const TodaysResult& today) {
        Tell(SaveResult(window_, runtime_, Report(today), runtime_.Now()));
    });
    //: The title of the printed or exported result; %1 is the date, as 2026-12-09.
    const char* const documentName = QT_TRANSLATE_NOOP("KeptResults", "Tolvar result %1");
    const auto page = [this](const TodaysResult& today) {
        return ResultPage(runtime_.Now().toString(QStringLiteral("yyyy-MM-dd")), today.marked,
                          today.ratings, today.replies);
    };
    commands.print = onToday([=, this](const TodaysResult& today) {
        bool failed = false;
        const QString outcome =
            PrintPage(window_, runtime_, Dated(documentName), page(today), &failed);
        Tell(outcome, failed);
    });
    commands.exportPdf = onToday([=, this](const TodaysResult& today) {
        //: The name Export as PDF suggests for the result's page; %1 is the date, as
        //: 2026-12-09.
        const char* const fileName = QT_TRANSLATE_NOOP("KeptResults", "Tolvar result %1.pdf");
        bool failed = false;
        const QString outcome = ExportPagePdf(window_, runtime_, Dated(documentName),
                                              Dated(fileName), page(today), &failed);
        Tell(outcome, failed);
    });
    commands.compareEarlier = onToday([this](const TodaysResult& today) {
        CompareWithEarlierResult(window_, runtime_, today, runtime_.Now());
    });
    commands.compareSaved = onToday([this](const TodaysResult& today) {
        CompareWithSavedResults(window_, runtime_, today, runtime_.Now());
    });
    commands.needsResult = [this](bool comparison) { TellResultNeeded(comparison); };
    return commands;
}

QString SaveResult(QWidget* window, forms::Runtime& runtime, const QString& report,
                   const QDateTime& now) {
    // The documents folder where the desktop has one, else the home folder.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    //: The name Save suggests for a result's file; %1 is the date, as 2026-12-09.
    const QString name = QCoreApplication::translate("KeptResults", "Tolvar result %1.txt")
                             .arg(now.toString(QStringLiteral("yyyy-MM-dd")));
    QString path = runtime.SaveFileName(
        window,
        //: The title of the dialog that saves the result.
        QCoreApplication::translate("KeptResults", "Save Result As"), QDir(folder).filePath(name),
        //: The kind of file Save writes, in its dialog.
        QCoreApplication::translate("KeptResults", "Text files (*.txt)"));
    if (path.isEmpty()) {
        return {};
    }
    if (QFileInfo(path).suffix().isEmpty() && !QFileInfo(path).isDir()) {
        path += QStringLiteral(".txt");
    }
    QString reason;
    if (!WriteTextFile(path, report, &reason)) {
        //: When a result could not be saved: %1 the file, %2 the system's reason.
        const QString text =
            QCoreApplication::translate("KeptResults", "The result was not saved to %1: %2")
                .arg(Shown(path), reason);
        runtime.MsgBox(window, {text, forms::MB_OK_EXCLAMATION, {}});
        return {};
    }
    //: Said by a screen reader once the result is saved; %1 is the file.
    return QCoreApplication::translate("KeptResults", "Result saved as %1.").arg(Shown(path));
}

void CompareWithSavedResults(QWidget* window, forms::Runtime& runtime, const TodaysResult& today,
                             const QDateTime& now, QStringList paths) {
    if (paths.isEmpty()) {
        paths = runtime.OpenFileNames(
            window,
            //: The title of the dialog that picks saved results to compare with.
            QCoreApplication::translate("KeptResults", "Compare with Saved Results"),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            //: The kinds of file the dialog offers: text files first, then any.
            QCoreApplication::translate("KeptResults", "Text files (*.txt);;All files (*)"));
    }
    const std::vector<ResultWording> wordings = ResultWordings();
    std::vector<CopiedResult> earlier;
    for (const QString& path : paths) {
        const FileText file = ReadTextFile(path);
        QString problem = file.problem;
        if (file.text) {
            const auto read = ReadCopiedResults(file.text->toStdString(), wordings);
            if (const auto* failure = std::get_if<ReadFailure>(&read)) {
                problem = ReadProblemText(*failure);
            } else {
                const auto& results = std::get<std::vector<CopiedResult>>(read);
                earlier.insert(earlier.end(), results.begin(), results.end());
            }
        }
        if (!problem.isEmpty()) {
            //: When a file given as a saved result is refused: %1 the file, %2 why.
            runtime.MsgBox(window,
                           {QCoreApplication::translate("KeptResults", "%1 was not compared: %2")
                                .arg(Shown(path), problem),
                            forms::MB_OK_EXCLAMATION,
                            {}});
            return;
        }
    }
    if (!earlier.empty()) {
        Compare(window, runtime, today, now, std::move(earlier));
    }
}

bool CompareWithResultsIn(QWidget* window, forms::Runtime& runtime, const TodaysResult& today,
                          const QDateTime& now, const QString& text, ReadFailure* failure) {
    const auto read = ReadCopiedResults(text.toStdString(), ResultWordings());
    if (const auto* problem = std::get_if<ReadFailure>(&read)) {
        if (failure != nullptr) {
            *failure = *problem;
        }
        return false;
    }
    Compare(window, runtime, today, now, std::get<std::vector<CopiedResult>>(read));
    return true;
}

ResultDrops::ResultDrops(QWidget* window, std::function<bool()> accepting, Dropped dropped)
    : QObject(window),
      window_(window),
      accepting_(std::move(accepting)),
      dropped_(std::move(dropped)) {
    window_->setAcceptDrops(true);
    window_->installEventFilter(this);
}

bool ResultDrops::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_ ||
        (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop)) {
        return QObject::eventFilter(watched, event);
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const QMimeData* data = drop->mimeData();
    QStringList paths;
    if (data->hasUrls()) {
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile()) {
                paths << url.toLocalFile();
            }
        }
    }
    const bool takes = accepting_() && (!paths.isEmpty() || data->hasText());
    if (!takes) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop) {
        // Compared once the drop has ended, so that the program the files came from is not
        // kept waiting while the comparison is open.
        const QString text = paths.isEmpty() ? data->text() : QString();
        QTimer::singleShot(0, this, [this, paths, text] { dropped_(paths, text); });
    }
    return true;
}

}  // namespace tolvar::ui
