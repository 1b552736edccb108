#pragma once
// Puts the result report on one page of a printer or a PDF writer, as real
// text (selectable and searchable in a PDF), with the same scale as the
// result step.

class QPagedPaintDevice;

namespace cindrel {

struct ResultReport;

/// Paints the report onto the device's first page, shrunk to fit when the
/// paper is small. False when the device could not be painted on.
bool paintResultReport(QPagedPaintDevice &device, const ResultReport &report);

} // namespace cindrel
