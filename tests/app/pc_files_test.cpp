#include "app/pc_files.h"

#include "app/frame_controller.h"
#include "app/report_presenter.h"
#include "app/string_table.h"
#include "card_fakes.h"
#include "full_disk.h"
#include "host/plugin_host.h"
#include "records.h"
#include "tests/support/temp_dir.h"
#include "views/address/address_view_core.h"
#include "views/bookmark/bookmark_view_core.h"
#include "views/mail/mail_view_core.h"
#include "views/schedule/schedule_view_core.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <unistd.h>

namespace {

using app::PcLoadResult;
using app::PcSaveResult;
using app::TextId;
using platform::MessageAnswer;

constexpr uint32_t P505iCode = 0x44500101;

std::vector<unsigned char> contentOf(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string &path, const std::vector<unsigned char> &bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char *>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

uint32_t wordAt(const std::vector<unsigned char> &bytes, size_t offset)
{
    uint32_t word = 0;
    std::memcpy(&word, bytes.data() + offset, sizeof word);
    return word;
}

class PcFilesTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_GT(plugins.discover(MODEL_PLUGIN_DIR), 1);
        ASSERT_TRUE(plugins.selectByModelName("DoCoMo P505i"));
        ASSERT_EQ(plugins.getPluginCode(), P505iCode);
    }

    app::PcFiles files(app::WriteBytes write = {})
    {
        return app::PcFiles({plugins, messages, progress, busy, chooser, std::move(write)});
    }

    // An address book of two entries, unsaved.
    void fillAddresses(views::AddressViewCore &book)
    {
        book.setModelTables(nullptr, nullptr);
        book.store().setLimits({1000, false, false});
        for (const auto &[number, name] : {std::pair{1, "Aoki"}, std::pair{2, "Baba"}})
            ASSERT_EQ(book.mergeCardBlock(addressRecord(number, name).data()), 1);
        ASSERT_TRUE(book.isModified());
    }

    // The plug-in code of model, the current plug-in left as it is.
    static uint32_t codeOf(const std::string &model)
    {
        host::PluginHost other;
        other.discover(MODEL_PLUGIN_DIR);
        other.selectByModelName(model);
        return other.getPluginCode();
    }

    std::vector<std::string> shownTexts() const
    {
        std::vector<std::string> texts;
        for (const platform::Message &message : messages.shown)
            texts.push_back(message.text);
        return texts;
    }

    testing_support::TempDir dir;
    host::PluginHost plugins;
    ScriptedMessages messages;
    RecordingProgress progress;
    CountingBusyPointer busy;
    ScriptedFileChooser chooser;
};

TEST_F(PcFilesTest, EachKindSavesUnderItsExtensionAndOpensAgain)
{
    struct Case
    {
        std::unique_ptr<views::ViewCore> view;
        std::unique_ptr<views::ViewCore> reopened;
        const char *name;
        const char *type;
        size_t emptySize;
    };
    Case cases[] = {
        {std::make_unique<views::BookmarkViewCore>(), std::make_unique<views::BookmarkViewCore>(),
         "marks.bpc", "BPC", 32},
        {std::make_unique<views::AddressViewCore>(), std::make_unique<views::AddressViewCore>(),
         "book.apc", "APC", 32},
        {std::make_unique<views::MailViewCore>(), std::make_unique<views::MailViewCore>(),
         "mail.mpc", "MPC", 64},
        {std::make_unique<views::ScheduleViewCore>(), std::make_unique<views::ScheduleViewCore>(),
         "plan.cpc", "CPC", 32},
    };
    app::PcFiles pcFiles = files();
    for (Case &c : cases) {
        const std::string stem = std::filesystem::path(c.name).stem().string();
        chooser.answers = {dir.file(stem)};
        c.view->setModified(true);
        ASSERT_EQ(pcFiles.Save(*c.view, false), PcSaveResult::Saved) << c.name;
        const std::vector<unsigned char> saved = contentOf(dir.file(c.name));
        ASSERT_EQ(saved.size(), c.emptySize) << c.name << ": an empty view saves its headers";
        EXPECT_STREQ(reinterpret_cast<const char *>(saved.data()), c.type);
        EXPECT_EQ(wordAt(saved, 28), P505iCode);
        EXPECT_FALSE(c.view->isModified());
        EXPECT_EQ(c.view->pcFolder(), dir.path() + "/");
        EXPECT_EQ(c.view->pcName(), c.name);

        chooser.answers = {dir.file(stem)};
        EXPECT_TRUE(pcFiles.Open(*c.reopened)) << c.name << ": opened without its extension";
        EXPECT_EQ(c.reopened->pcName(), c.name);
    }
    EXPECT_TRUE(messages.shown.empty()) << "success says nothing";
}

TEST_F(PcFilesTest, EntriesRoundTripByteForByte)
{
    views::AddressViewCore book;
    fillAddresses(book);
    chooser.answers = {dir.file("book.apc")};
    app::PcFiles pcFiles = files();
    ASSERT_EQ(pcFiles.Save(book, false), PcSaveResult::Saved);
    const std::vector<unsigned char> saved = contentOf(dir.file("book.apc"));
    EXPECT_EQ(saved.size(), 32u + 2 * 1552);
    EXPECT_EQ(saved, book.buildPcImage(P505iCode));

    views::AddressViewCore reopened;
    reopened.store().setLimits({1000, false, false});
    EXPECT_EQ(pcFiles.LoadPcFile(reopened, dir.file("book.apc"), true), PcLoadResult::Loaded);
    EXPECT_EQ(reopened.entryCount(), 2);
    EXPECT_FALSE(reopened.isModified());
    EXPECT_EQ(reopened.buildPcImage(P505iCode), saved);
    EXPECT_EQ(pcFiles.loadedPluginCode(), P505iCode);
}

TEST_F(PcFilesTest, SaveWithKnownNamesWritesWithoutADialogAndCancelChangesNothing)
{
    views::AddressViewCore book;
    fillAddresses(book);
    book.setPcFile(dir.path() + "/", "book.apc");
    app::PcFiles pcFiles = files();
    ASSERT_EQ(pcFiles.Save(book, true), PcSaveResult::Saved);
    EXPECT_TRUE(chooser.asked.empty());
    EXPECT_TRUE(std::filesystem::exists(dir.file("book.apc")));
    EXPECT_EQ(progress.calls,
              (std::vector<std::string>{"open 61222 61223", "start 1", "pos 1", "finish"}));
    EXPECT_EQ(busy.begun, 1);
    EXPECT_EQ(busy.depth, 0);

    book.setModified(true);
    EXPECT_EQ(pcFiles.Save(book, false), PcSaveResult::Cancelled) << "save as, cancelled";
    EXPECT_EQ(chooser.asked, std::vector<std::string>{"save 2 " + dir.file("book.apc")})
        << "the dialog starts at the view's file";
    EXPECT_TRUE(book.isModified());
    EXPECT_EQ(book.pcName(), "book.apc");

    views::AddressViewCore unnamed;
    EXPECT_EQ(pcFiles.Save(unnamed, true), PcSaveResult::Cancelled) << "no file to write";
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PcFilesTest, AFailedSaveKeepsThePreviousFileAndSaysWhy)
{
    views::AddressViewCore book;
    fillAddresses(book);
    const std::vector<unsigned char> previous{'o', 'l', 'd'};
    writeFile(dir.file("book.apc"), previous);
    book.setPcFile(dir.path() + "/", "other.apc");
    chooser.answers = {dir.file("book.apc")};
    app::PcFiles pcFiles = files(failingAfter(100));
    EXPECT_EQ(pcFiles.Save(book, false), PcSaveResult::Failed);
    EXPECT_EQ(contentOf(dir.file("book.apc")), previous);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file is left";
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              app::formatText(TextId::PcCreateFailed, dir.file("book.apc").c_str(), ENOSPC));
    EXPECT_EQ(messages.shown[0].caption, app::text(TextId::CaptionError));
    EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Warning);
    EXPECT_TRUE(book.isModified());
    EXPECT_EQ(book.pcName(), "other.apc");
    EXPECT_EQ(busy.depth, 0);
}

TEST_F(PcFilesTest, OpenAsksFirstAboutUnsavedData)
{
    views::AddressViewCore book;
    fillAddresses(book);
    app::PcFiles pcFiles = files();
    messages.answers = {MessageAnswer::No};
    EXPECT_FALSE(pcFiles.Open(book));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, app::formatText(TextId::PcOpenUnsaved, app::viewKindName(2)));
    EXPECT_EQ(messages.shown[0].defaultAnswer, MessageAnswer::No);
    EXPECT_TRUE(chooser.asked.empty()) << "No ends the command";

    messages.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(pcFiles.Open(book)) << "the dialog is cancelled";
    EXPECT_EQ(chooser.asked, std::vector<std::string>{"open 2 "});
    EXPECT_EQ(book.entryCount(), 2);
}

TEST_F(PcFilesTest, RefusedFilesLeaveTheViewAsItWasWithTheReason)
{
    views::AddressViewCore source;
    fillAddresses(source);
    const std::vector<unsigned char> image = source.buildPcImage(P505iCode);

    std::vector<unsigned char> ofN505i = image;
    const uint32_t n505iCode = codeOf("DoCoMo N505i");
    std::memcpy(ofN505i.data() + 28, &n505iCode, 4);
    std::vector<unsigned char> ofNobody = image;
    const uint32_t unknown = 0x12345678;
    std::memcpy(ofNobody.data() + 28, &unknown, 4);
    std::vector<unsigned char> countTwo = image;
    countTwo[24] = 1; // two records in the area, count 1
    const std::vector<unsigned char> truncated(image.begin(), image.end() - 1);
    const std::vector<unsigned char> schedule = views::ScheduleViewCore().buildPcImage(P505iCode);

    struct Case
    {
        const char *name;
        std::vector<unsigned char> bytes;
        std::string message;
        std::string question = {}; // after the refusal of an installed model's file
    };
    const Case cases[] = {
        {"n505i.apc", ofN505i,
         app::formatText(TextId::DataOfOtherPlugin,
                         plugins.modelNameAt(plugins.indexOfPluginCode(n505iCode))->c_str()),
         app::formatText(TextId::ConvertQuestion, "DoCoMo P505i")},
        {"nobody.apc", ofNobody, app::text(TextId::DataOfUnknownPlugin)},
        {"count.apc", countTwo, app::text(TextId::PcFileDamaged)},
        {"short.apc", truncated, app::text(TextId::PcFileDamaged)},
        {"plan.cpc", schedule, app::text(TextId::PcFileDamaged)},
        {"empty.apc", {}, app::text(TextId::PcFileDamaged)},
    };
    app::PcFiles pcFiles = files();
    for (const Case &c : cases) {
        writeFile(dir.file(c.name), c.bytes);
        views::AddressViewCore book;
        fillAddresses(book);
        book.setPcFile("/before/", "before.apc");
        book.setModified(false);
        messages.shown.clear();
        chooser.answers = {dir.file(c.name)};
        EXPECT_FALSE(pcFiles.Open(book)) << c.name;
        std::vector<std::string> expected = {c.message};
        if (!c.question.empty())
            expected.push_back(c.question);
        EXPECT_EQ(shownTexts(), expected) << c.name << ": No to the question changes nothing";
        EXPECT_EQ(book.entryCount(), 2) << c.name;
        EXPECT_EQ(book.pcName(), "before.apc") << c.name;
    }
    EXPECT_EQ(plugins.getPluginCode(), P505iCode) << "the current model stays";
}

class RecordingReports : public app::ReportPresenter
{
public:
    void showReport(const std::string &summary, const exchange::ImportReport &report) override
    {
        summaries.push_back(summary);
        reports.push_back(report);
    }
    std::vector<std::string> summaries;
    std::vector<exchange::ImportReport> reports;
};

TEST_F(PcFilesTest, AFileOfAnotherInstalledModelIsConvertedWhenTheUserSaysSo)
{
    views::AddressViewCore source;
    fillAddresses(source);
    const std::vector<unsigned char> image = source.buildPcImage(codeOf("DoCoMo N505i"));
    const std::string path = dir.file("n505i.apc");
    writeFile(path, image);

    RecordingReports reports;
    app::PcFiles pcFiles({plugins, messages, progress, busy, chooser, {}, &reports});
    views::AddressViewCore book;
    book.setModelTables(nullptr, nullptr);
    book.store().setLimits({1000, false, false});
    messages.answers = {MessageAnswer::Ok, MessageAnswer::Yes};
    chooser.answers = {path};
    EXPECT_TRUE(pcFiles.Open(book));
    EXPECT_EQ(shownTexts(),
              (std::vector<std::string>{app::formatText(TextId::DataOfOtherPlugin, "DoCoMo N505i"),
                                        app::formatText(TextId::ConvertQuestion, "DoCoMo P505i")}));
    EXPECT_EQ(book.entryCount(), 2);
    EXPECT_TRUE(book.isModified());
    EXPECT_EQ(book.pcFolder(), app::splitPcFilePath(path).first);
    EXPECT_EQ(book.pcName(), "") << "a save asks for a new name";
    EXPECT_EQ(reports.summaries, std::vector<std::string>{app::formatText(TextId::ConvertedForModel,
                                                                          2, "DoCoMo P505i")});
    EXPECT_EQ(contentOf(path), image) << "the other model's file stays as it was";
    EXPECT_EQ(plugins.getPluginCode(), P505iCode) << "the current model stays";

    const std::vector<unsigned char> converted = book.buildPcImage(P505iCode);
    EXPECT_EQ(wordAt(converted, 24), 2u) << "two entries";
}

TEST_F(PcFilesTest, AFileOfPluginCodeZeroOpensUnderAnyModel)
{
    views::AddressViewCore source;
    fillAddresses(source);
    writeFile(dir.file("any.apc"), source.buildPcImage(0));
    views::AddressViewCore book;
    book.store().setLimits({1000, false, false});
    EXPECT_EQ(files().LoadPcFile(book, dir.file("any.apc"), true), PcLoadResult::Loaded);
    EXPECT_EQ(book.entryCount(), 2);
}

TEST_F(PcFilesTest, UnreadableFilesAreReportedOnlyWhenAsked)
{
    views::AddressViewCore book;
    app::PcFiles pcFiles = files();
    const std::string missing = dir.file("missing.apc");
    EXPECT_EQ(pcFiles.LoadPcFile(book, missing, false), PcLoadResult::OpenFailed);
    EXPECT_TRUE(messages.shown.empty()) << "start-up is silent";
    EXPECT_EQ(pcFiles.LoadPcFile(book, "", true), PcLoadResult::Rejected);

    EXPECT_EQ(pcFiles.LoadPcFile(book, missing, true), PcLoadResult::OpenFailed);
    EXPECT_EQ(shownTexts(), std::vector<std::string>{
                                app::formatText(TextId::PcOpenFailed, missing.c_str(), ENOENT)});
    EXPECT_EQ(pcFiles.loadedPluginCode(), 0u);
}

} // namespace
