#pragma once

#include "app/card_folder.h"
#include "app/card_roots.h"
#include "app/progress_window.h"
#include "app/string_table.h"

#include <optional>

namespace host {
class KindLimitCache;
class PluginHost;
} // namespace host
namespace platform {
class MessageBoxes;
}
namespace views {
class ViewOperations;
}

namespace app {

// The current model plug-in as the card transfer uses it. Blocks it returns come from calloc
// and are the caller's to free.
class CardPlugin
{
public:
    virtual ~CardPlugin() = default;
    virtual void *getInformTable(int type, int index) = 0;
    virtual void *loadData(int kind, const char *path) = 0;
    // Returns the plug-in's code for the save, 0 on success; the chain stays the caller's.
    virtual int saveData(int kind, const char *path, void *firstRecord) = 0;
    virtual int lastError() = 0;
};

// CardPlugin over the host's current plug-in.
class HostCardPlugin : public CardPlugin
{
public:
    explicit HostCardPlugin(host::PluginHost &host)
        : m_host(host)
    {
    }
    void *getInformTable(int type, int index) override;
    void *loadData(int kind, const char *path) override;
    int saveData(int kind, const char *path, void *firstRecord) override;
    int lastError() override;

private:
    host::PluginHost &m_host;
};

// Asks the user for the card to work on; nothing when the user cancels.
class CardChooser
{
public:
    virtual ~CardChooser() = default;
    virtual std::optional<CardRoot> chooseCard() = 0;
};

struct CardTransferServices
{
    CardPlugin &plugin;
    const host::KindLimitCache &limits;
    platform::MessageBoxes &messages;
    ProgressWindow &progress;
    BusyPointer &busy;
    CardChooser &chooser;
};

// What the user is told of a plug-in's last error code (Shift_JIS): with the file of a save, also
// the codes only a save reports, naming the file; a code no table knows, with its number.
std::string pluginErrorText(int code, const CardFileName *file);

// The two memory-card commands of the frame, for every view kind: where the files lie and how
// they are named comes from the plug-in's CardFileInfo of the kind (type 1999 + view kind),
// and the view is reached only through its ViewOperations. Every message goes through the
// message boxes.
class CardTransfer
{
public:
    explicit CardTransfer(CardTransferServices services);

    // Load from card (command 1015): asks for the card, then loadFromRoot. Returns the number
    // of entries added, 0 when none was, -1 when the command ended otherwise.
    int loadFromCard(views::ViewOperations &view);

    // Reads every card file of the view's kind below the kind's folder of root, sub-folders
    // first, and merges them into view; the selection is cleared before each folder's files,
    // so the rows of the last folder with files stay selected. A file the plug-in cannot read
    // ends the load with the plug-in's message when it is the first of its folder to fail with
    // nothing merged from the folder yet; otherwise (or when the plug-in says 0 or -999, no
    // entry) it is skipped. After a load that added entries the view is refreshed and the count
    // reported; after one that added none, the limit message when the view is full for the
    // model (the address capacity of the model where that is lower than the view's ceiling),
    // else the all-duplicates message. Returns as loadFromCard.
    int loadFromRoot(views::ViewOperations &view, const CardRoot &root);

    // Save to card (command 1016, bookmarks, address book, schedule): asks for the card, then
    // saveToRoot.
    void saveToCard(views::ViewOperations &view);

    // Writes the view's entries as new card files below root, never over an existing file:
    // one file for the whole kind, or one per entry when the description says so. An address
    // book is checked first: without the owner's entry under a model that requires it nothing
    // is written; with memory numbers beyond the phone's the user is asked whether to go on.
    // Returns the number of files written.
    int saveToRoot(views::ViewOperations &view, const CardRoot &root);

private:
    std::optional<CardLocation> location(int viewKind);
    int readFolder(views::ViewOperations &view, int dataKind, const CardFolder &folder,
                   int &counter);
    void reportLoad(views::ViewOperations &view, int added);
    int saveEachEntry(views::ViewOperations &view, const CardRoot &root,
                      const CardLocation &location);
    int saveWholeKind(views::ViewOperations &view, const CardRoot &root,
                      const CardLocation &location);
    bool addressChainMayBeWritten(const void *first);
    void showCardFull(const CardRoot &root);
    void showPluginError(int code, const CardFileName *file);

    CardTransferServices m_services;
};

} // namespace app
