#pragma once

#include "Lesson.h"

#include <QByteArray>

class QPagedPaintDevice;

namespace vlnokres {

// A lesson as a worksheet: A4 pages, one scene to a page, with the lesson's and the scene's
// titles, the question, a line for the pupil's name, the scene's finished picture in the print
// palette with the sum hidden (its time graph the place to sketch the predicted sum) and lines
// for notes; with the answers, the sums shown. False where the device cannot be painted on.
bool paintWorksheet(QPagedPaintDevice &device, const Lesson &lesson, bool answers);
// The same as a PDF file's bytes; none where it could not be made.
QByteArray worksheetPdf(const Lesson &lesson, bool answers);

} // namespace vlnokres
