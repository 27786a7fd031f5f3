// The web links of the view: the user's searches with the document's keyword, the maker's pages
// from the program's own key, the shortcut file each writes and the address the desktop gets;
// an empty address does nothing and only web and mail addresses are opened.
#include "ViewMouseFixture.h"

#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/RegKey.h"
#include "platform/Sjis.h"
#include "support/TempDir.h"

namespace tembra {
namespace {

class WebLinkTest : public test::ViewMouseFixture {
protected:
    WebLinkTest() { View(); }

    std::filesystem::path Shortcut() const {
        return Paths::WritableDataDir() / "TempExecBrows.url";
    }

    test::ScopedPaths paths;
};

TEST_F(WebLinkTest, EncodingKeepsLettersAndDigitsAndEscapesWholeCharacters) {
    const struct {
        const char* utf8;
        const char* encoded;
    } cases[] = {
        {"", ""},
        {"Ab09", "Ab09"},
        {"A B", "A+B"},
        {"&?=%/", "%26%3F%3D%25%2F"},
        {"あ", "%82%A0"},
        // The trail byte of 工 is the letter H: it is escaped with its lead byte.
        {"工", "%8D%48"},
        {"工区A", "%8D%48%8B%E6A"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(CTembraView::EncodeURL(Sjis::FromUtf8(c.utf8)), c.encoded);
    }
}

TEST_F(WebLinkTest, AUserLinkWritesTheShortcutAndOpensItsAddress) {
    const struct {
        const char* what;
        const char* url;
        int execFlag;
        bool written;
        const char* opened; // nullptr: nothing opened
        bool refused;
    } cases[] = {
        {"with the keyword", "http://example.com/s", 0, true,
         "http://example.com/s?Keyword=A+B%26%82%A0", false},
        {"the address alone", "http://example.com/s", 1, true, "http://example.com/s", false},
        {"an empty address", "", 0, false, nullptr, false},
        {"a file address", "file:///x", 1, true, nullptr, true},
    };
    doc.SetWebKeyword(Sjis::FromUtf8("A B&あ"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(Shortcut());
        ui.ClearRecords();
        WriteProfileString("ExecURL\\0003", "URL", c.url);
        WriteProfileInt("ExecURL\\0003", "ExecFlag", c.execFlag);
        EXPECT_TRUE(View().OnCommand(33054 + 3));
        if (c.written) {
            const std::string address = c.opened != nullptr ? c.opened : c.url;
            EXPECT_EQ(test::TempDir::Read(Shortcut()), "[InternetShortcut]\nURL=" + address + "\n");
        } else {
            EXPECT_FALSE(std::filesystem::exists(Shortcut()));
        }
        EXPECT_EQ(ui.OpenedUrls(), c.opened != nullptr ? std::vector<std::string>{c.opened}
                                                       : std::vector<std::string>{});
        ASSERT_EQ(ui.MessageTexts().size(), c.refused ? 1u : 0u);
        if (c.refused) {
            EXPECT_NE(ui.MessageTexts()[0].find(c.url), std::string::npos);
        }
    }
}

TEST_F(WebLinkTest, TheMakersLinksComeFromTheProgramsOwnKey) {
    const struct {
        UINT command;
        const char* section;
    } cases[] = {
        {33115, "ExecURLNRD\\0001"},
        {33113, "ExecURLNRD\\0002"},
        {33111, "ExecURLNRD\\0003"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section);
        ui.ClearRecords();
        const std::string url = std::string("https://maker.example/") + c.section[13];
        ASSERT_TRUE(WriteRegString(c.section, "URL", url.c_str()));
        EXPECT_TRUE(View().OnCommand(c.command));
        EXPECT_EQ(ui.OpenedUrls(), std::vector<std::string>{url});
        EXPECT_EQ(test::TempDir::Read(Shortcut()), "[InternetShortcut]\nURL=" + url + "\n");
    }
}

} // namespace
} // namespace tembra
