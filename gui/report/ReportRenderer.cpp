#include "gui/report/ReportRenderer.h"

#include "gui/report/ReportPainter.h"

#include <QFile>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace kelo::gui {

bool renderReport(QPagedPaintDevice& device, const report::Report& report, int fromPage, int toPage,
                  const ReportProgress& progress) {
    const int first = std::max(fromPage, 1);
    const int last = std::min(toPage, report.pageCount());
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    // The painter's origin is the printable area's top-left corner; W and H are its size.
    const report::PageGeometry geometry{device.width(), device.height()};
    const int total = std::max(0, last - first + 1);
    for (int page = first; page <= last; ++page) {
        if (page > first) {
            device.newPage();
        }
        paintReportPage(painter, report::layoutReportPage(report, page, geometry), geometry);
        if (progress && !progress(page - first + 1, total)) {
            painter.end();
            return false;
        }
    }
    return painter.end();
}

bool writeReportPdf(const QString& path, const report::Report& report, const QPageSize& pageSize,
                    QString* error, const ReportProgress& progress) {
    // QPdfWriter reports no open error of its own; try the file first so the user learns why.
    {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly)) {
            if (error != nullptr) {
                *error = QStringLiteral("Cannot write %1: %2").arg(path, probe.errorString());
            }
            return false;
        }
    }
    QPdfWriter writer(path);
    writer.setResolution(kReportPdfResolution);
    writer.setPageLayout(
        QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    writer.setTitle(QString::fromStdString(report.documentTitle));
    writer.setCreator(QStringLiteral("Kelo Editor"));
    if (report.pageCount() == 0) {
        // A PDF needs a page; an empty selection gives one blank page rather than a broken file.
        QPainter blank(&writer);
        return blank.end();
    }
    const bool written = renderReport(writer, report, 1, report.pageCount(), progress);
    if (!written && error != nullptr) {
        *error = QStringLiteral("The report was not completed: %1").arg(path);
    }
    return written;
}

} // namespace kelo::gui
