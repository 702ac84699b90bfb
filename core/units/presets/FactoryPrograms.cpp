#include "core/units/presets/FactoryPrograms.h"

#include "core/family/FamilyFacts.h"
#include "core/units/ArchiveReader.h"
#include "core/units/RegularFile.h"
#include "core/units/SystemFileSize.h"
#include "core/units/processor/ProcessorUnitBody.h"

#include <algorithm>
#include <string>
#include <system_error>

namespace kelo {
namespace {

constexpr std::size_t kDefaultConfigurationSize = 10;
constexpr std::size_t kMagicAndCountSize = 22 + 4;

UnitParams defaultProgram() {
    UnitParams program;
    for (InputChannel& input : program.inputs) {
        input.gain = 60;
    }
    OutputChannel& first = program.outputs[0];
    first.bands[0] = EqBand{4, 174, 19, 36, 0};
    first.bands[1] = EqBand{2, 155, 3, 26, 0};
    first.crossover = CrossoverSection{0, 120, 0, 9, 137};
    first.limiter = LimiterSection{2, 0, 0};
    for (std::size_t i = 1; i < program.outputs.size(); ++i) {
        OutputChannel& output = program.outputs[i];
        output.bands[0] = EqBand{2, 95, 6, 18, 0};
        output.crossover = CrossoverSection{9, 137, 0, 4, 54};
        output.limiter = LimiterSection{0, 0, 0};
        output.delayMm = 106;
    }
    program.used = 1;
    return program;
}

} // namespace

FactoryPrograms::FactoryPrograms(std::filesystem::path folder, MessageHook hook)
    : m_folder(std::move(folder)), m_hook(std::move(hook)) {}

FactoryPrograms& FactoryPrograms::shared() {
    static FactoryPrograms programs(programFolder());
    return programs;
}

void FactoryPrograms::setMessageHook(MessageHook hook) {
    std::lock_guard lock(m_hookMutex);
    m_hook = std::move(hook);
}

std::size_t FactoryPrograms::count(Family family) {
    return familyFacts(family).factoryProgramCount;
}

std::string_view FactoryPrograms::missingFileMessage(Family family) {
    return family == Family::Tz48P ? "File Tz48Plus.prs Not Found!, Program Loads a Default Configuration"
                                   : "File tz48plus.prs Not Found!, Program Loads a Default Configuration";
}

std::vector<UnitParams> FactoryPrograms::defaultConfiguration(std::size_t n) {
    static constexpr std::array<std::uint32_t, kDefaultConfigurationSize> kRouting{1, 0, 2, 3, 4,
                                                                                   5, 6, 7, 7, 1};
    static constexpr std::array<std::string_view, kDefaultConfigurationSize> kNames{
        "**PRESET 1**", "**PRESET 2**", "**PRESET 3**", "**PRESET 4**", "**PRESET 5**",
        "**PRESET 6**", "**PRESET 7**", "**PRESET 8**", "**PRESET 9**", "**PRESET 10*",
    };
    std::vector<UnitParams> programs(std::min(n, kDefaultConfigurationSize), defaultProgram());
    for (std::size_t k = 0; k < programs.size(); ++k) {
        programs[k].name = makeProgramName(kNames[k]);
        programs[k].routingMode = kRouting[k];
    }
    return programs;
}

bool FactoryPrograms::ReadPresetFile(const std::filesystem::path& path, std::size_t n,
                                     std::vector<UnitParams>& programs) {
    // Held to the bound of every system file: a device, a FIFO or a huge file is not read at all.
    const FileReadResult file = readRegularFile(path, kMaxSystemFileBytes);
    return file.ok() && readPresetBytes(file.bytes, n, programs);
}

bool FactoryPrograms::readPresetBytes(std::span<const std::uint8_t> bytes, std::size_t n,
                                      std::vector<UnitParams>& programs) {
    ArchiveReader archive(bytes);
    archive.skip(kMagicAndCountSize);
    ProcessorUnit unit;
    if (!readProcessorUnitBody(archive, unit)) {
        return false;
    }
    std::vector<UnitParams> read(unit.programs.begin(),
                                 unit.programs.begin() +
                                     static_cast<std::ptrdiff_t>(std::min(n, unit.programs.size())));
    for (UnitParams& program : read) {
        program.used = 0;
    }
    programs = std::move(read);
    return true;
}

FactoryPrograms::Table& FactoryPrograms::tableOf(Family family) {
    return family == Family::Tz48P ? m_tz48p : m_tz48;
}

void FactoryPrograms::load(Family family, Table& table) {
    if (ReadPresetFile(m_folder / kFileName, count(family), table.programs)) {
        return;
    }
    table.programs = defaultConfiguration(count(family));
    table.missing = true;
}

void FactoryPrograms::reportMissing(Family family, Table& table) {
    if (!table.missing || table.reported) {
        return;
    }
    MessageHook hook;
    {
        std::lock_guard lock(m_hookMutex);
        if (!m_hook || table.reported.exchange(true)) {
            return;
        }
        hook = m_hook;
    }
    hook(missingFileMessage(family));
}

const std::vector<UnitParams>& FactoryPrograms::table(Family family) {
    static const std::vector<UnitParams> kNone;
    if (family == Family::TzAmp) {
        return kNone;
    }
    Table& table = tableOf(family);
    std::call_once(table.loaded, [&] { load(family, table); });
    reportMissing(family, table);
    return table.programs;
}

UnitParams FactoryPrograms::program(Family family, std::size_t k) {
    const std::vector<UnitParams>& programs = table(family);
    if (programs.empty()) {
        return UnitParams{};
    }
    return programs[std::min(k, programs.size() - 1)];
}

std::filesystem::path programFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || exe.empty()) {
        return std::filesystem::current_path(error);
    }
    return exe.parent_path();
}

ProcessorUnit makeProcessorUnit(Family family, FactoryPrograms& programs) {
    ProcessorUnit unit;
    unit.name = family == Family::Tz48P ? u"Tz48 Plus" : u"Tz48";
    const UnitParams factory0 = programs.program(family, 0);
    unit.live.loadProgram(factory0);
    unit.programs.fill(factory0);
    unit.live.currentProgram() = 0;
    return unit;
}

} // namespace kelo
