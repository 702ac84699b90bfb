#pragma once

#include "core/report/Report.h"

#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPageSize;

namespace kelo::gui {

/// Called after each page with the number of pages drawn and the number to draw; returning false
/// stops the report after that page (the user cancelled).
using ReportProgress = std::function<bool(int done, int total)>;

/// Draws pages fromPage..toPage (1-based, clamped to the report) of a report on a paged device, one
/// device page each, laying every page out just before it is drawn.
/// @return false when the device could not be painted on (a file that cannot be written) or the
///         progress callback stopped the report.
bool renderReport(QPagedPaintDevice& device, const report::Report& report, int fromPage, int toPage,
                  const ReportProgress& progress = {});

/// The resolution of report PDF files [dots per inch].
inline constexpr int kReportPdfResolution = 600;

/// Writes every page of a report to a PDF file with selectable text.
/// @param error receives a message for the user when the file cannot be written
/// @return true when the whole file was written
bool writeReportPdf(const QString& path, const report::Report& report, const QPageSize& pageSize,
                    QString* error = nullptr, const ReportProgress& progress = {});

} // namespace kelo::gui
