#include "app/exchange_files.h"

#include "app/frame_controller.h"
#include "app/import_outcome.h"
#include "app/string_table.h"
#include "card_fakes.h"
#include "exchange_fakes.h"
#include "full_disk.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"
#include "platform/sjis_text.h"
#include "tests/support/temp_dir.h"
#include "views/address/address_edit_rules.h"
#include "views/address/address_view_core.h"
#include "views/bookmark/bookmark_view_core.h"
#include "views/mail/mail_view_core.h"
#include "views/schedule/schedule_view_core.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using app::TextId;

constexpr uint32_t P505iCode = 0x44500101;

std::string contentOf(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> filesIn(const std::string &folder)
{
    std::vector<std::string> names;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class ExchangeFilesTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_GT(plugins.discover(MODEL_PLUGIN_DIR), 1);
        ASSERT_TRUE(plugins.selectByModelName("DoCoMo P505i"));
        limits.refill(plugins);
        book.setModelTables(&limits, &plugins);
        book.refresh();
        schedule.setPlugins(&plugins);
    }

    app::ExchangeFiles files(app::WriteBytes write = {})
    {
        return app::ExchangeFiles(
            {plugins, limits, messages, reports, chooser, busy, clock, std::move(write)});
    }

    // Imports path into view through the import command; true when entries were added.
    bool importFile(views::ViewCore &view, const std::string &path)
    {
        chooser.answers = {path};
        return files().importInto(view, app::importGroupsOf(view));
    }

    std::string write(const std::string &name, const std::string &content) const
    {
        std::ofstream(dir.file(name), std::ios::binary) << content;
        return dir.file(name);
    }

    testing_support::TempDir dir;
    host::PluginHost plugins;
    host::KindLimitCache limits;
    ScriptedMessages messages;
    RecordingReports reports;
    ScriptedExchangeChooser chooser;
    CountingBusyPointer busy;
    FixedWallClock clock;
    views::AddressViewCore book;
    views::ScheduleViewCore schedule;
};

// ---- export ----

TEST_F(ExchangeFilesTest, AddressBookComesBackFromItsExport)
{
    ASSERT_TRUE(importFile(book, EXCHANGE_TEST_DATA "sample_address.vcf"));
    ASSERT_GT(book.entryCount(), 1);
    book.setPcFile(dir.path() + "/", "book.apc");

    chooser.asked.clear();
    chooser.answers = {dir.file("friends")};
    ASSERT_TRUE(files().exportView(book));
    EXPECT_EQ(chooser.asked, std::vector<std::string>{"export *.vcf " + dir.file("book.vcf")})
        << "the dialog suggests the view's file under the format's extension";
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"friends.vcf"})
        << "a name typed without extension gets the format's";
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              app::formatText(TextId::Exported, book.entryCount(), "friends.vcf"));
    EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Information);
    EXPECT_EQ(busy.depth, 0);

    views::AddressViewCore reread;
    reread.setModelTables(&limits, &plugins);
    reread.refresh();
    reports.shown.clear();
    ASSERT_TRUE(importFile(reread, dir.file("friends.vcf")));
    ASSERT_EQ(reports.shown.size(), 1u);
    EXPECT_EQ(reports.shown[0].summary, app::formatText(TextId::ImportAdded, "friends.vcf",
                                                        book.entryCount(), book.entryCount()));
    EXPECT_EQ(exchange::reportText(reports.shown[0].report), "")
        << "nothing was changed on the way";
    EXPECT_EQ(reread.buildPcImage(P505iCode), book.buildPcImage(P505iCode));
}

TEST_F(ExchangeFilesTest, ScheduleExportIsStampedByTheClockAndComesBack)
{
    ASSERT_TRUE(importFile(schedule, EXCHANGE_TEST_DATA "sample_schedule.ics"));
    chooser.asked.clear();
    chooser.answers = {dir.file("plan.ics")};
    ASSERT_TRUE(files().exportView(schedule));
    EXPECT_EQ(chooser.asked,
              std::vector<std::string>{
                  "export *.ics " + platform::sjisToUtf8(app::text(TextId::KindSchedule)) + ".ics"})
        << "a view without a file suggests the kind's name";
    const std::string exported = contentOf(dir.file("plan.ics"));
    EXPECT_NE(exported.find("DTSTAMP:20231114T221320Z\r\n"), std::string::npos) << exported;

    views::ScheduleViewCore reread;
    reread.setPlugins(&plugins);
    ASSERT_TRUE(importFile(reread, dir.file("plan.ics")));
    EXPECT_EQ(reread.buildPcImage(P505iCode), schedule.buildPcImage(P505iCode));
}

TEST_F(ExchangeFilesTest, EachKindWritesItsFormatUnderTheNameChosen)
{
    struct Case
    {
        std::unique_ptr<views::ViewCore> view;
        const char *pcName; // empty: the view has no file
        const char *suggested;
        const char *typed;
        const char *written;
        const char *starts;
    };
    Case cases[] = {
        {std::make_unique<views::BookmarkViewCore>(), "marks.bpc", "marks.html", "marks",
         "marks.html", "<!DOCTYPE NETSCAPE-Bookmark-file-1>"},
        {std::make_unique<views::MailViewCore>(), "old.mail.mpc", "old.mail.mbox", "inbox.txt",
         "inbox.txt", ""},
        {std::make_unique<views::AddressViewCore>(), "", nullptr, "people.", "people.", ""},
    };
    for (Case &c : cases) {
        const exchange::ExchangeFormat *format = exchange::exportFormatOf(c.view->viewKind());
        ASSERT_NE(format, nullptr);
        if (*c.pcName)
            c.view->setPcFile(dir.path() + "/", c.pcName);
        chooser.asked.clear();
        chooser.answers = {dir.file(c.typed)};
        EXPECT_TRUE(files().exportView(*c.view)) << c.typed;
        const std::string suggested
            = c.suggested
                  ? dir.file(c.suggested)
                  : platform::sjisToUtf8(app::viewKindName(c.view->viewKind())) + format->extension;
        EXPECT_EQ(chooser.asked, std::vector<std::string>{std::string("export ") + format->pattern
                                                          + " " + suggested});
        ASSERT_TRUE(fs::exists(dir.file(c.written))) << c.written;
        EXPECT_TRUE(contentOf(dir.file(c.written)).starts_with(c.starts)) << c.written;
        EXPECT_FALSE(c.view->isModified()) << "an export changes nothing of the view";
        EXPECT_EQ(c.view->pcName(), c.pcName);
    }

    chooser.answers = {std::nullopt};
    messages.shown.clear();
    EXPECT_FALSE(files().exportView(book)) << "cancelled";
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ExchangeFilesTest, AFailedWriteLeavesNoFileBehindAndSaysWhy)
{
    ASSERT_TRUE(importFile(book, EXCHANGE_TEST_DATA "sample_address.vcf"));
    const std::string previous = write("book.vcf", "previous");
    for (const std::string &path : {dir.file("new.vcf"), previous}) {
        messages.shown.clear();
        chooser.answers = {path};
        EXPECT_FALSE(files(failingAfter(10)).exportView(book)) << path;
        ASSERT_EQ(messages.shown.size(), 1u) << "the failure alone is told";
        EXPECT_EQ(messages.shown[0].text, app::formatText(TextId::PcCreateFailed, path.c_str(),
                                                          static_cast<unsigned>(ENOSPC)));
        EXPECT_EQ(messages.shown[0].caption, app::text(TextId::CaptionError));
        EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"book.vcf"})
            << "no half file, no temporary file";
        EXPECT_EQ(contentOf(previous), "previous") << "the file replaced stays as it was";
    }
}

// ---- import ----

TEST_F(ExchangeFilesTest, ALongCorpusCardIsCutToTheModelAndTheReportSaysSo)
{
    book.setPcFile(dir.path() + "/", "book.apc");
    book.setModified(false);
    const std::string longest = EXCHANGE_CORPUS "/symbian-versit/Longest.vcf";
    if (!fs::exists(longest))
        GTEST_SKIP() << "no sample corpus at " << EXCHANGE_CORPUS;
    EXPECT_TRUE(importFile(book, longest));
    EXPECT_EQ(chooser.asked, std::vector<std::string>{"import *.vcf " + dir.path() + "/"})
        << "the dialog starts in the view's folder";
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_EQ(reports.shown.size(), 1u);
    EXPECT_EQ(reports.shown[0].summary, app::formatText(TextId::ImportAdded, "Longest.vcf", 1, 1));
    const std::string report = exchange::reportText(reports.shown[0].report);
    EXPECT_TRUE(report.starts_with("VCARD 1")) << report;
    EXPECT_NE(report.find("切り詰めました"), std::string::npos) << report;

    ASSERT_EQ(book.entryCount(), 1);
    const AddressRecord *entry = book.store().record(0);
    ASSERT_NE(entry, nullptr);
    EXPECT_LE(std::strlen(entry->name),
              static_cast<size_t>(views::readAddressLimits(limits).nameLength));
    EXPECT_TRUE(book.isModified()) << "left unsaved, as a card load leaves it";
    EXPECT_EQ(book.pcFolder() + book.pcName(), dir.file("book.apc"));

    reports.shown.clear();
    EXPECT_FALSE(importFile(book, longest)) << "the same card again adds nothing";
    ASSERT_EQ(reports.shown.size(), 1u);
    EXPECT_EQ(reports.shown[0].summary, app::formatText(TextId::ImportAdded, "Longest.vcf", 1, 0)
                                            + "\n" + app::formatText(TextId::ImportNotAllAdded, 1));
    EXPECT_EQ(book.entryCount(), 1);
}

TEST_F(ExchangeFilesTest, AFileTheImportCannotTakeIsToldAndChangesNothing)
{
    const std::string card
        = write("card.ics", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:A\r\nEND:VCARD\r\n");
    const std::string old = dir.file("old.ics");
    fs::copy_file(CARD_TEST_DATA "sh505i/schedule/Sample.VCS", old);
    const std::string empty = write("empty.vcf", "no cards here\n");
    const std::string missing = dir.file("missing.vcf");
    struct Case
    {
        views::ViewCore &view;
        std::string path;
        std::string message;
    };
    const Case cases[] = {
        {schedule, card, app::formatText(TextId::ImportNotCalendar, "card.ics")},
        {schedule, old, app::formatText(TextId::ImportUnsupportedVersion, "old.ics")},
        {book, empty, app::formatText(TextId::ImportNothingRead, "empty.vcf")},
        {book, missing,
         app::formatText(TextId::PcOpenFailed, missing.c_str(), static_cast<unsigned>(ENOENT))},
        {book, dir.path(),
         app::formatText(TextId::PcOpenFailed, dir.path().c_str(), static_cast<unsigned>(EISDIR))},
    };
    for (const Case &c : cases) {
        messages.shown.clear();
        EXPECT_FALSE(importFile(c.view, c.path)) << c.path;
        ASSERT_EQ(messages.shown.size(), 1u) << c.path;
        EXPECT_EQ(messages.shown[0].text, c.message) << c.path;
        EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Warning);
        EXPECT_EQ(c.view.entryCount(), 0) << c.path;
        EXPECT_FALSE(c.view.isModified()) << c.path;
    }
    EXPECT_TRUE(reports.shown.empty());
    EXPECT_EQ(busy.depth, 0);

    views::BookmarkViewCore bookmarks;
    views::MailViewCore mail;
    chooser.asked.clear();
    EXPECT_FALSE(files().importInto(bookmarks, nullptr));
    EXPECT_FALSE(files().importInto(mail, nullptr));
    EXPECT_TRUE(chooser.asked.empty()) << "kinds that import nothing ask for no file";
}

TEST_F(ExchangeFilesTest, NothingReadWithSkippedEntriesShowsTheReport)
{
    const std::string nameless
        = write("nameless.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nNOTE:x\r\nEND:VCARD\r\n");
    EXPECT_FALSE(importFile(book, nameless));
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_EQ(reports.shown.size(), 1u);
    EXPECT_EQ(reports.shown[0].summary, app::formatText(TextId::ImportNothingRead, "nameless.vcf"));
    EXPECT_FALSE(reports.shown[0].report.empty()) << "it says why the entry was skipped";
    EXPECT_EQ(book.entryCount(), 0);
}

} // namespace
