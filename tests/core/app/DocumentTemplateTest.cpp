#include "core/app/DocumentTemplate.h"
#include "core/app/PresetLabel.h"

#include <gtest/gtest.h>

namespace {

using kelo::Family;
using kelo::TemplateField;

TEST(DocumentTemplate, LookupsFindTheFirstMatchingTemplate) {
    const kelo::DocumentTemplate* system = kelo::FindTemplate("TzAmp_S.Document", TemplateField::FileTypeId);
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(system->resourceId, 415);
    EXPECT_FALSE(system->unitWindow);

    const kelo::DocumentTemplate* window = kelo::FindTemplate("Tz48P", TemplateField::DocumentName);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->resourceId, 136);
    EXPECT_EQ(kelo::FindTemplate("Tz48", TemplateField::DocumentName)->resourceId, 129);
    EXPECT_EQ(kelo::FindTemplate("KlE", TemplateField::DocumentName)->resourceId, 134);

    // Empty fields never match, so the window title (empty everywhere) finds nothing.
    EXPECT_EQ(kelo::FindTemplate("", TemplateField::WindowTitle), nullptr);
    EXPECT_EQ(kelo::FindTemplate("tz48_s.document", TemplateField::FileTypeId), nullptr);
}

TEST(DocumentTemplate, OnlySystemTemplatesHaveAFileNewName) {
    std::vector<std::string_view> names;
    for (const kelo::DocumentTemplate& entry : kelo::documentTemplates()) {
        if (!kelo::templateField(entry, TemplateField::FileNewName).empty()) {
            names.push_back(kelo::templateField(entry, TemplateField::FileNewName));
        }
        EXPECT_EQ(kelo::templateField(entry, TemplateField::FileTypeName), "Kelo Editor file");
    }
    EXPECT_EQ(names, (std::vector<std::string_view>{"VARNOLINE 3.4+", "QRT PRO", "KVN amp"}));
}

TEST(PresetLabel, FollowsEachFamilysNumbering) {
    const kelo::ProgramName name = kelo::makeProgramName("ABCDEFGHIJKL");
    EXPECT_EQ(kelo::presetLabel(Family::Tz48, 3, name), "04F.ABCDEFGHIJKL");
    EXPECT_EQ(kelo::presetLabel(Family::Tz48, 9, name), "10F.ABCDEFGHIJKL");
    EXPECT_EQ(kelo::programTag(Family::Tz48, 12), "03U");
    EXPECT_EQ(kelo::programTag(Family::Tz48, 73), "64U");
    EXPECT_EQ(kelo::programTag(Family::Tz48P, 0), "01F");
    EXPECT_EQ(kelo::programTag(Family::Tz48P, 1), "01U");
    EXPECT_EQ(kelo::programTag(Family::TzAmp, 32), "32U");
    EXPECT_EQ(kelo::programTag(Family::TzAmp, 0xFFFFFFFF), "4294967295U");
    EXPECT_EQ(kelo::presetLabel(Family::Tz48P, 0, kelo::makeProgramName(std::string("AB\0CD", 5))), "01F.AB");
}

} // namespace
