#include "cli/Commands.h"

#include "core/app/SystemFile.h"
#include "core/report/Report.h"
#include "core/report/ReportDate.h"
#include "gui/report/ReportRenderer.h"

#include <QGuiApplication>
#include <QPageSize>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace kelo::cli {

namespace {

struct ReportOptions {
    std::string file;
    std::string output;
    std::vector<int> ids; ///< bus identifiers as shown, 1..32
    std::string pageSize = "A4";
};

/// The positions of the units with the requested identifiers, in the order asked (each unit once);
/// every unit when none is asked. Reports the first identifier the system does not hold.
bool selectUnits(const UnitSystem& system, const ReportOptions& options, std::vector<std::size_t>& selection,
                 CliContext& context) {
    if (options.ids.empty()) {
        selection = report::allUnits(system);
        return true;
    }
    for (const int id : options.ids) {
        const auto& units = system.units();
        const auto found = std::find_if(units.begin(), units.end(), [id](const auto& unit) {
            return std::int64_t{unit->busId()} + 1 == id;
        });
        if (found == units.end()) {
            context.err << options.file << ": no unit with identifier ID " << id << " in this system\n";
            return false;
        }
        const auto position = static_cast<std::size_t>(found - units.begin());
        if (std::find(selection.begin(), selection.end(), position) == selection.end()) {
            selection.push_back(position);
        }
    }
    return true;
}

/// The Qt Gui application the PDF writer needs, on the offscreen platform unless the caller chose
/// another; the one already running when there is one.
std::unique_ptr<QGuiApplication> guiApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return nullptr;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "kelo";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

void runReport(const ReportOptions& options, CliContext& context) {
    const SystemFileReadResult result = loadSystemFile(options.file);
    if (!result.ok()) {
        context.err << options.file << ": " << result.status.message << '\n';
        context.exitCode = 1;
        return;
    }
    const UnitSystem& system = *result.system;
    std::vector<std::size_t> selection;
    if (!selectUnits(system, options, selection, context)) {
        context.exitCode = 1;
        return;
    }
    if (selection.empty()) {
        context.err << options.file << ": the system holds no units, so there is nothing to report\n";
        context.exitCode = 1;
        return;
    }
    const std::filesystem::path input(options.file);
    const std::string output = options.output.empty()
                                   ? std::filesystem::path(input).replace_extension(".pdf").string()
                                   : options.output;

    const auto application = guiApplication();
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        context.err << "kelo report needs a Qt Gui application to draw its pages\n";
        context.exitCode = 1;
        return;
    }
    const report::Report report = report::buildReport(system, selection, input.filename().string(),
                                                      report::reportDateText(report::localTimeNow()));
    const QPageSize pageSize(options.pageSize == "Letter" ? QPageSize::Letter : QPageSize::A4);
    QString error;
    if (!gui::writeReportPdf(QString::fromStdString(output), report, pageSize, &error)) {
        context.err << error.toStdString() << '\n';
        context.exitCode = 1;
        return;
    }
    context.out << "wrote " << report.pageCount() << " pages to " << output << '\n';
}

} // namespace

void registerReportCommand(CLI::App& app, CliContext& context) {
    auto* command =
        app.add_subcommand("report", "Write the printed configuration report of a system file as a PDF");
    auto options = std::make_shared<ReportOptions>();
    command->add_option("FILE", options->file, "System file (.kle)")->required();
    command->add_option("-o,--output", options->output, "PDF file to write (default: FILE with .pdf)");
    command->add_option("--id", options->ids, "Report only the unit with this identifier (1..32); repeatable")
        ->check(CLI::Range(1, 32));
    command->add_option("--page-size", options->pageSize, "Paper size")
        ->check(CLI::IsMember({"A4", "Letter"}))
        ->capture_default_str();
    command->footer("Two pages per unit: the settings as tables, then the response graph of the outputs. "
                    "Needs no display.");
    command->callback([&context, options] { runReport(*options, context); });
}

} // namespace kelo::cli
