// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QPainter;
class QRectF;
class QWidget;

namespace tolvar::forms {
class Runtime;
}

namespace tolvar::ui {

// One page, drawn by the same code whether it goes to a printer, a PDF or the screen. The
// painter's unit is the device's pixel; `page` is the printable area in those units.
using PagePainter = std::function<void(QPainter& painter, const QRectF& page)>;

// Asks for a printer with the desktop's print dialog and prints the page there. Returns a text
// to tell the user what was done, or why nothing was (empty when the user cancelled); `failed`,
// where given, says which.
QString PrintPage(QWidget* owner, forms::Runtime& runtime, const QString& documentName,
                  const PagePainter& page, bool* failed = nullptr);

// Asks for a file name (suggested: `suggestedName` in the user's documents folder) and writes
// the page there as a one-page PDF. Returns a text to tell the user where it went, or why it
// did not (empty when the user cancelled); `failed`, where given, says which.
QString ExportPagePdf(QWidget* owner, forms::Runtime& runtime, const QString& documentName,
                      const QString& suggestedName, const PagePainter& page,
                      bool* failed = nullptr);

// Writes the page as a one-page A4 PDF at the path; false, with the system's reason, where it
// cannot be written.
bool WritePdf(const QString& path, const QString& documentName, const PagePainter& page,
              QString* reason = nullptr);

}  // namespace tolvar::ui
