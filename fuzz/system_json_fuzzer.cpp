// The JSON `kelo import` takes: any text either is refused with JsonFormatError or gives a system that
// writes back to the same JSON, and whose system file reads back to that JSON again.
#include "cli/SystemJson.h"
#include "core/app/SystemFile.h"
#include "fuzz/FuzzLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelo;
    const nlohmann::json json = nlohmann::json::parse(data, data + size, nullptr, false);
    if (json.is_discarded()) {
        return 0;
    }
    std::optional<UnitSystem> system;
    try {
        system = cli::systemFromJson(json);
    } catch (const cli::JsonFormatError&) {
        return 0;
    }
    nlohmann::ordered_json written = cli::systemToJson(*system);
    fuzz::check(cli::systemToJson(cli::systemFromJson(nlohmann::json::parse(written.dump()))) == written);
    if (system->empty()) {
        return 0;
    }
    const SystemFileReadResult file = readSystemFile(writeSystemFile(*system));
    fuzz::check(file.ok());
    nlohmann::ordered_json reread = cli::systemToJson(*file.system);
    // The file keeps no last unit key of its own: reading sets it from the last unit.
    reread["last_unit_key"] = written["last_unit_key"];
    fuzz::check(reread == written);
    return 0;
}
