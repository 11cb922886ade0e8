// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>

#include "forms.h"

namespace tolvar::ui {

namespace {

// The printable area in the device's pixels, with the painter's origin at its top left corner
// (a paged device puts the origin at the margins unless it prints the full page).
QRectF PrintableArea(const QPageLayout& layout, int resolution) {
    return {QPointF(0, 0), QSizeF(layout.paintRectPixels(resolution).size())};
}

// The margins a PDF gets: those a printer leaves are its own.
const QMarginsF PDF_MARGINS_MM(20, 20, 20, 20);
constexpr int PDF_RESOLUTION = 300;

}  // namespace

QString PrintPage(QWidget* owner, forms::Runtime& runtime, const QString& documentName,
                  const PagePainter& page, bool* failed) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setCreator(forms::APP_TITLE);
    if (!runtime.ChoosePrinter(owner, printer)) {
        return {};
    }
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    const QString destination =
        toFile ? QDir::toNativeSeparators(printer.outputFileName()) : printer.printerName();
    QPainter painter;
    bool printed = painter.begin(&printer);
    if (printed) {
        page(painter, PrintableArea(printer.pageLayout(), printer.resolution()));
        printed = painter.end() && printer.printerState() != QPrinter::Error;
    }
    if (failed != nullptr) {
        *failed = !printed;
    }
    if (!printed) {
        //: Told after printing, when the chosen printer or file could not be opened or stopped
        //: with an error; %1 is the printer's name or the file's path.
        return QCoreApplication::translate("Printing", "Could not print to %1.").arg(destination);
    }
    if (toFile) {
        //: Told after the print dialog wrote the page to a file instead of a printer; %1 is the
        //: file's path.
        return QCoreApplication::translate("Printing", "Printed to the file %1.").arg(destination);
    }
    //: Told after the page went to the printer; %1 is the printer's name.
    return QCoreApplication::translate("Printing", "Sent to the printer %1.").arg(destination);
}

QString ExportPagePdf(QWidget* owner, forms::Runtime& runtime, const QString& documentName,
                      const QString& suggestedName, const PagePainter& page, bool* failed) {
    // The documents folder where the desktop has one, else the home folder.
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(documents).exists()) {
        documents = QDir::homePath();
    }
    QString path = runtime.SaveFileName(owner,
                                        //: Title of the file dialog that saves the result as a
                                        //: PDF document.
                                        QCoreApplication::translate("Printing", "Save as PDF"),
                                        QDir(documents).filePath(suggestedName),
                                        //: Filter of the file dialog that saves the result; keep
                                        //: "(*.pdf)" exactly.
                                        QCoreApplication::translate("Printing", "PDF (*.pdf)"));
    if (path.isEmpty()) {
        return {};
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".pdf");
    }
    const QString shown = QDir::toNativeSeparators(path);
    QString reason;
    const bool written = WritePdf(path, documentName, page, &reason);
    if (failed != nullptr) {
        *failed = !written;
    }
    if (!written) {
        //: Told when the PDF could not be written; %1 is the file's path, %2 the system's
        //: reason (already translated by the system).
        return QCoreApplication::translate("Printing", "Could not save %1: %2.").arg(shown, reason);
    }
    //: Told after the PDF was written; %1 is the file's path.
    return QCoreApplication::translate("Printing", "Saved as %1.").arg(shown);
}

bool WritePdf(const QString& path, const QString& documentName, const PagePainter& page,
              QString* reason) {
    // Drawn in memory first, so a file that cannot be written never holds half a document and an
    // existing one stays as it was.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(PDF_RESOLUTION);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         PDF_MARGINS_MM, QPageLayout::Millimeter));
        writer.setTitle(documentName);
        writer.setCreator(forms::APP_TITLE);
        QPainter painter(&writer);
        page(painter, PrintableArea(writer.pageLayout(), writer.resolution()));
    }
    buffer.close();

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(buffer.data()) != buffer.size() ||
        !file.commit()) {
        if (reason != nullptr) {
            *reason = file.errorString();
        }
        return false;
    }
    return true;
}

}  // namespace tolvar::ui
