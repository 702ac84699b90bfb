#include "core/app/DocumentTemplate.h"

namespace kelo {

const std::array<DocumentTemplate, 6>& documentTemplates() {
    static constexpr std::array<DocumentTemplate, 6> kTemplates{{
        {134, Family::Tz48, false, "CTz48Doc", "CTzFrm", "CTz48View",
         "\nKlE\nVARNOLINE 3.4+\nKelo Editor Files (*.kle)\n.kle\nTz48_S.Document\nKelo Editor file"},
        {129, Family::Tz48, true, "CTz48Doc", "CTz48ChildFrame", "CTz48View",
         "\nTz48\n\nKelo Editor Files (*.kle)\n.kle\nTz48_S.Document\nKelo Editor file"},
        {137, Family::Tz48P, false, "CTz48PDoc", "CTzFrm", "CTz48PView",
         "\nKlE\nQRT PRO\nKelo Editor Files (*.kle)\n.kle\nTz48P_S.Document\nKelo Editor file"},
        {136, Family::Tz48P, true, "CTz48PDoc", "CTz48PChildFrame", "CTz48PView",
         "\nTz48P\n\nKelo Editor Files (*.kle)\n.kle\nTz48P_S.Document\nKelo Editor file"},
        {415, Family::TzAmp, false, "CTzAmpDoc", "CTzFrm", "CTzAmpView",
         "\nKlE\nKVN amp\nKelo Editor Files (*.kle)\n.kle\nTzAmp_S.Document\nKelo Editor file"},
        {412, Family::TzAmp, true, "CTzAmpDoc", "CTzAmpChildFrame", "CTzAmpView",
         "\nTzAmp\n\nKelo Editor Files (*.kle)\n.kle\nTzAmp_S.Document\nKelo Editor file"},
    }};
    return kTemplates;
}

std::string_view templateField(const DocumentTemplate& documentTemplate, TemplateField field) {
    std::string_view rest = documentTemplate.templateString;
    for (int index = 0; index < static_cast<int>(field); ++index) {
        const std::size_t newline = rest.find('\n');
        if (newline == std::string_view::npos) {
            return {};
        }
        rest.remove_prefix(newline + 1);
    }
    return rest.substr(0, rest.find('\n'));
}

const DocumentTemplate* FindTemplate(std::string_view text, TemplateField field) {
    for (const DocumentTemplate& candidate : documentTemplates()) {
        const std::string_view value = templateField(candidate, field);
        if (!value.empty() && value == text) {
            return &candidate;
        }
    }
    return nullptr;
}

std::string_view fileTypeId(Family family) {
    switch (family) {
    case Family::Tz48:
        return "Tz48_S.Document";
    case Family::Tz48P:
        return "Tz48P_S.Document";
    case Family::TzAmp:
        return "TzAmp_S.Document";
    }
    return "";
}

} // namespace kelo
