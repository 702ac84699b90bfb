#pragma once

#include "core/family/Family.h"

#include <array>
#include <string_view>

namespace kelo {

/// One registered document template: the system template and the unit-window template of each family.
/// The GUI creates its documents and windows from these; the core only keeps the table and the lookup.
struct DocumentTemplate {
    int resourceId;
    Family family;
    bool unitWindow;           ///< false: system template (listed in File New); true: unit-window template
    std::string_view document; ///< document class, e.g. "CTz48Doc"
    std::string_view frame;    ///< frame class
    std::string_view view;     ///< view class
    std::string_view templateString; ///< seven newline-separated fields
};

/// Fields of a template string.
enum class TemplateField {
    WindowTitle = 0,
    DocumentName = 1,
    FileNewName = 2,
    FilterName = 3,
    FilterExtension = 4,
    FileTypeId = 5,
    FileTypeName = 6,
};

/// The six templates in registration order (the order decides every lookup).
const std::array<DocumentTemplate, 6>& documentTemplates();

/// Field number `field` of the template's string; empty when the string has fewer fields.
std::string_view templateField(const DocumentTemplate& documentTemplate, TemplateField field);

/// The first registered template whose field is non-empty and equal to text; nullptr when none.
const DocumentTemplate* FindTemplate(std::string_view text, TemplateField field);

/// The file type id a family's magic leads to ("Tz48_S.Document", "Tz48P_S.Document", "TzAmp_S.Document").
std::string_view fileTypeId(Family family);

} // namespace kelo
