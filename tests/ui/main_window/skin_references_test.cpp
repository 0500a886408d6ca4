// SPDX-License-Identifier: GPL-3.0-or-later
// The files a skin names: found in the sheet, resolved and checked before the
// skin is applied.
#include "platform/skin_references.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>

#include "support/fifo_watch.h"
#include "support/temp_folder.h"

namespace quillix::test {
namespace {

TEST(SkinReferences, AreFoundInAnySpellingButNotInComments) {
    struct Row {
        std::string sheet;
        std::vector<std::string> targets;
        std::string why;  // set when the sheet is refused
    };
    const Row rows[] = {
        {"QWidget { color: red; }", {}, ""},
        {"a { image: url(a.png); } b { border-image: URL( 'b c.png' ) 4; }",
         {"a.png", "b c.png"},
         ""},
        {"a { image: Url(\"q)uote.png\"); }", {"q)uote.png"}, ""},
        {"/* url(hidden.png) */ a { image: url(shown.png ); }", {"shown.png"}, ""},
        {"a { image: url(open.png; }", {}, "a url( is not closed"},
        {"a { image: url('open.png); }", {}, "a url( is not closed"},
        {"/* never closed", {}, "a comment is not closed"},
        {"a { image: \\75 rl(x.png); }", {}, "it uses a CSS escape (\\)"},
    };
    for (const Row& row : rows) {
        std::string why;
        const auto references = FindSkinReferences(row.sheet, &why);
        EXPECT_EQ(why, row.why) << row.sheet;
        if (!references) continue;
        std::vector<std::string> targets;
        for (const TSkinReference& reference : *references) {
            targets.push_back(reference.Target);
            std::string opening = row.sheet.substr(reference.Start, 4);
            for (char& c : opening)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            EXPECT_EQ(opening, "url(") << row.sheet;
            EXPECT_EQ(row.sheet[reference.Start + reference.Length - 1], ')') << row.sheet;
        }
        EXPECT_EQ(targets, row.targets) << row.sheet;
    }
}

TEST(SkinReferences, OnlyRegularFilesInsideTheSkinsFoldersAreNamed) {
    TempFolder base;
    base.Write("Skins/bg.png", "p");
    base.Write("Skins/Parts/edge.png", "p");
    base.Write("Installed/shared.png", "p");
    base.Write("secret.txt", "s");
    base.MakeDir("Skins/folder.png");
    std::filesystem::create_symlink(base.File("secret.txt"), base.File("Skins/link.png"));
    const TFifoWatch fifo(base.File("Skins/pipe.png"));
    ASSERT_TRUE(fifo.Made());
    const std::string skins = base.File("Skins");
    const std::vector<std::string> allowed = {skins, base.File("Installed")};
    struct Row {
        std::string target;
        std::string resolved;  // empty: refused
        std::string why;
    };
    const Row rows[] = {
        {"bg.png", base.File("Skins/bg.png"), ""},
        {"Parts/../Parts/edge.png", base.File("Skins/Parts/edge.png"), ""},
        {base.File("Installed/shared.png"), base.File("Installed/shared.png"), ""},
        {":/icons/quillix.svg", ":/icons/quillix.svg", ""},
        {"../secret.txt", "", "\"../secret.txt\" is outside the skins folders"},
        {"link.png", "", "\"link.png\" is outside the skins folders"},
        {"pipe.png", "", "\"pipe.png\" is not a regular file"},
        {"folder.png", "", "\"folder.png\" is not a regular file"},
        {"missing.png", "", "\"missing.png\" does not exist"},
        {"/dev/zero", "", "\"/dev/zero\" is outside the skins folders"},
        {"", "", "it names an empty file"},
    };
    for (const Row& row : rows) {
        std::string why;
        const std::optional<std::string> file =
            ResolveSkinReference(row.target, skins, allowed, &why);
        EXPECT_EQ(file.value_or(""), row.resolved) << row.target;
        EXPECT_EQ(why, row.why) << row.target;
    }
    std::string why;
    EXPECT_EQ(ResolvedSkinSheet("a { image: url(bg.png); } /* url(x) */", skins, allowed, &why),
              "a { image: url(\"" + base.File("Skins/bg.png") + "\"); } /* url(x) */");
    EXPECT_EQ(
        ResolvedSkinSheet("a { image: url(bg.png); b: url(pipe.png); }", skins, allowed, &why),
        std::nullopt);
    EXPECT_EQ(why, "\"pipe.png\" is not a regular file");
}

}  // namespace
}  // namespace quillix::test
